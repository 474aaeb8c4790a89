// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "birthdata.h"

namespace velmora {

struct LetterInfo {
    int value = 0; // 1-9, or 0 for a character outside A-Z
    bool vowel = false;
};

// The letter chart: A J S 1, B K T 2, ... I R 9, after upper-casing; the
// vowels are exactly A E I O U, so Y and W count as consonants. Any other
// character (space, hyphen, digit, accented letter, a byte of a UTF-8
// sequence) has no value.
[[nodiscard]] constexpr LetterInfo LetterValue(char ch)
{
    if (ch >= 'a' && ch <= 'z')
        ch = static_cast<char>(ch - 'a' + 'A');
    if (ch < 'A' || ch > 'Z')
        return {};
    const bool vowel = ch == 'A' || ch == 'E' || ch == 'I' || ch == 'O' || ch == 'U';
    return {(ch - 'A') % 9 + 1, vowel};
}

// Letter sums over the name string. 64 bits wide, so no name is long enough
// to overflow them.
struct LetterSums {
    std::int64_t full = 0;
    std::int64_t consonants = 0;
    std::int64_t vowels = 0;
};

[[nodiscard]] LetterSums letterSums(std::string_view text);
[[nodiscard]] LetterSums letterSums(const BirthData &data);

// First, middle and last name joined with nothing between them.
[[nodiscard]] std::string nameString(const BirthData &data);

// The digit-sum reduction: digit sums are taken until one digit remains; with
// masterNumbers a digit sum of 11 or 22 also stops it. At least one digit sum
// is always taken, so a total of exactly 11 gives 2 and 22 gives 4.
[[nodiscard]] int ReduceNumber(std::int64_t total, bool masterNumbers);

} // namespace velmora
