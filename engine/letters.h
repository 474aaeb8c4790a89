// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
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
        return {0, false};
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

// What every number drawn from the name needs, gathered in one walk over the
// first, middle and last name in turn (the name string, without building it).
struct LetterTally {
    LetterSums sums;
    // Bit v is set when a letter of value v (1-9) occurs.
    std::uint16_t values = 0;
    // The most frequent letter, counted case-sensitively ('A' and 'a' apart);
    // among equally frequent letters the one that occurs first. Only A-Z and
    // a-z are candidates; '\0' when the name holds none.
    char mostFrequent = '\0';
    // How many bytes are not the letters A-Z or a-z (spaces and accents too).
    std::uint32_t others = 0;
};

[[nodiscard]] LetterTally tallyLetters(const BirthData &data);
// The same for one text, such as the name string itself.
[[nodiscard]] LetterTally tallyLetters(std::string_view text);

// The sum of the decimal digits of n: one step of the reduction.
[[nodiscard]] inline std::uint64_t digitSum(std::uint64_t n)
{
    std::uint64_t sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

// The digit-sum reduction: digit sums are taken until one digit remains; with
// masterNumbers a digit sum of 11 or 22 also stops it. At least one digit sum
// is always taken, so a total of exactly 11 gives 2 and 22 gives 4.
[[nodiscard]] int ReduceNumber(std::int64_t total, bool masterNumbers);

} // namespace velmora
