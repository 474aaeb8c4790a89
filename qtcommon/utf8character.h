// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

// The character of the UTF-8 text that starts at byte at: its code point and
// its length in bytes; length 0 for a byte that starts no whole sequence.
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};
[[nodiscard]] inline Utf8Character utf8CharacterAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0U) == 0xC0U ? 2 : (lead & 0xF0U) == 0xE0U ? 3
        : (lead & 0xF8U) == 0xF0U                                          ? 4
                                                                           : 0;
    if (length == 0 || at + length > text.size())
        return {};
    char32_t code = length == 1 ? lead : lead & (0x7FU >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0U) != 0x80U)
            return {};
        code = code << 6 | (next & 0x3FU);
    }
    return {code, length};
}

} // namespace velmora
