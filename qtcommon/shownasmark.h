// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace velmora {

// A character that text from outside (a name, a file name) brings to a
// terminal, a viewer or a calendar only as '?': it would be obeyed there, not
// shown. The C0 controls (line breaks and escape among them), DEL, the C1
// controls U+0080-U+009F (U+009B starts a control sequence as ESC [ does), and
// the marks that turn the direction of the text around it, the embeddings and
// overrides U+202A-U+202E and the isolates U+2066-U+2069, which would make a
// name show in another order than it is written in.
[[nodiscard]] constexpr bool isShownAsMark(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The text with each such character shown as '?'.
[[nodiscard]] inline QString withMarksShown(QString text)
{
    for (QChar &c : text) {
        if (isShownAsMark(c.unicode()))
            c = u'?';
    }
    return text;
}

} // namespace velmora
