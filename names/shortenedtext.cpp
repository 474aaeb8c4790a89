// SPDX-License-Identifier: MIT
#include "shortenedtext.h"

#include <algorithm>

#include "utf8character.h"

namespace velmora {
namespace {

std::size_t codePointWidth(char32_t c)
{
    const auto in = [c](char32_t low, char32_t high) { return c >= low && c <= high; };
    if (in(0x0300, 0x036F) || in(0x1AB0, 0x1AFF) || in(0x1DC0, 0x1DFF) || in(0x20D0, 0x20FF) || in(0xFE20, 0xFE2F)
        || c == 0x200B || c == 0x200D)
        return 0;
    if (in(0x1100, 0x115F) || in(0x2E80, 0x303E) || in(0x3041, 0x33FF) || in(0x3400, 0x4DBF) || in(0x4E00, 0x9FFF)
        || in(0xA000, 0xA4CF) || in(0xAC00, 0xD7A3) || in(0xF900, 0xFAFF) || in(0xFE30, 0xFE4F)
        || in(0xFF00, 0xFF60) || in(0xFFE0, 0xFFE6) || in(0x1F300, 0x1F64F) || in(0x1F900, 0x1F9FF)
        || in(0x20000, 0x3FFFD))
        return 2;
    return 1;
}



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

std::size_t displayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character character = utf8CharacterAt(text, i);
        if (character.length == 0) {
            ++width; // a stray byte shows as one replacement character
            ++i;
            continue;
        }
        width += codePointWidth(character.code);
        i += character.length;
    }
    return width;
}

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
