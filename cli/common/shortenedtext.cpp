// SPDX-License-Identifier: MIT
#include "shortenedtext.h"

#include <algorithm>

#include "variantoutput.h"

namespace velmora {
namespace {

bool startsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

// A character that takes no column (a combining mark) counts as one here, so
// that a name of such marks alone is bounded too.
std::size_t columnsOf(std::string_view character)
{
    return std::max<std::size_t>(displayWidth(character), 1);
}

// The length of the text's longest start that takes at most the columns.
std::size_t startWithin(std::string_view text, std::size_t columns)
{
    std::size_t width = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = at + 1;
        while (end < text.size() && !startsCharacter(text[end]))
            ++end;
        width += columnsOf(text.substr(at, end - at));
        if (width > columns)
            break;
        at = end;
    }
    return at;
}

// Where the text's longest end that takes at most the columns begins.
std::size_t endWithin(std::string_view text, std::size_t columns)
{
    std::size_t width = 0;
    std::size_t at = text.size();
    while (at > 0) {
        std::size_t begin = at - 1;
        while (begin > 0 && !startsCharacter(text[begin]))
            --begin;
        width += columnsOf(text.substr(begin, at - begin));
        if (width > columns)
            break;
        at = begin;
    }
    return at;
}

} // namespace

std::string shortenedText(std::string_view text, std::size_t columns)
{
    if (startWithin(text, columns) == text.size())
        return std::string(text);
    constexpr std::string_view kEllipsis = "\u2026";
    const std::size_t kept = columns > 1 ? columns - 1 : 0;
    const std::size_t head = startWithin(text, kept / 2);
    const std::size_t tail = endWithin(text, kept - kept / 2);
    std::string shown(text.substr(0, head));
    shown.append(kEllipsis).append(text.substr(tail));
    return shown;
}

} // namespace velmora
