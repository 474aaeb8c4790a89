// SPDX-License-Identifier: MIT
#include "clidiagnostics.h"

#include <string>

namespace velmora {

void printError(std::FILE *stream, std::string_view text)
{
    std::string line;
    line.reserve(kProgramName.size() + text.size() + 3);
    line.append(kProgramName).append(": ");
    for (const char ch : text)
        line.push_back(static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f ? '?' : ch);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fflush(stream);
}

} // namespace velmora
