// SPDX-License-Identifier: MIT
#include "clidiagnostics.h"

#include "shownasmark.h"

namespace velmora {

std::string visibleText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character character = utf8CharacterAt(text, i);
        // A stray byte 0x80-0x9F is a C1 control to a terminal that reads
        // eight-bit controls (0x9B starts a control sequence); other stray
        // bytes show as they are.
        if (character.length == 0) {
            shown.push_back(static_cast<unsigned char>(text[i]) <= 0x9F ? '?' : text[i]);
            ++i;
        } else {
            if (isShownAsMark(character.code))
                shown.push_back('?');
            else
                shown.append(text.substr(i, character.length));
            i += character.length;
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
