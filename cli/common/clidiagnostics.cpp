// SPDX-License-Identifier: MIT
#include "clidiagnostics.h"

namespace velmora {

std::string visibleText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // U+0080-U+009F in UTF-8: C2 followed by 80-9F.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80
            && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1) {
            shown.push_back('?');
            i += c1 ? 1 : 0;
        } else {
            shown.push_back(text[i]);
        }
    }
    return shown;
}

void printError(std::FILE *stream, std::string_view text)
{
    std::string line;
    line.reserve(kProgramName.size() + text.size() + 3);
    line.append(kProgramName).append(": ").append(visibleText(text)).push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fflush(stream);
}

} // namespace velmora
