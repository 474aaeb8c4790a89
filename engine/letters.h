// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "birthdata.h"
#include "birthdataview.h"

namespace velmora {

struct LetterInfo {
    int value = 0; // 1-9, or 0 for a character outside A-Z
    bool vowel = false;
};

namespace detail {

// The letter chart: A J S 1, B K T 2, ... I R 9, after upper-casing; the
// vowels are exactly A E I O U, so Y and W count as consonants. Any other
// character (space, hyphen, digit, accented letter, a byte of a UTF-8
// sequence) has no value.
constexpr LetterInfo chartEntry(char ch)
{
    if (ch >= 'a' && ch <= 'z')
        ch = static_cast<char>(ch - 'a' + 'A');
    if (ch < 'A' || ch > 'Z')
        return {0, false};
    const bool vowel = ch == 'A' || ch == 'E' || ch == 'I' || ch == 'O' || ch == 'U';
    return {(ch - 'A') % 9 + 1, vowel};
}

// The chart for every byte. Every entry is set in the loop: GCC 12 emits the
// entries after the last one a constexpr loop sets as zeros, not with their
// default member initializers.
inline constexpr std::array<LetterInfo, 256> kChart = [] {
    std::array<LetterInfo, 256> chart{};
    for (int ch = 0; ch < 256; ++ch)
        chart[static_cast<std::size_t>(ch)] = chartEntry(static_cast<char>(ch));
    return chart;
}();

} // namespace detail

// The chart value of a character: a look-up, without a branch on it.
[[nodiscard]] constexpr LetterInfo LetterValue(char ch)
{
    return detail::kChart[static_cast<unsigned char>(ch)];
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
};

[[nodiscard]] LetterTally tallyLetters(const BirthDataView &data);
// The same for one text, such as the name string itself.
[[nodiscard]] LetterTally tallyLetters(std::string_view text);

[[nodiscard]] LetterSums letterSums(std::string_view text);
[[nodiscard]] LetterSums letterSums(const BirthDataView &data);

// First, middle and last name joined with nothing between them.
[[nodiscard]] std::string nameString(const BirthData &data);

namespace detail {

// ReduceNumber's tables, with and without master numbers: the result for
// every total below kDirect (every total of one person's dates, and the sums
// of any name of up to 1,116 letters), and the end of the reduction after a
// first digit sum, for every first digit sum a 64-bit total can have (at most
// 19 nines).
struct ReduceTables {
    static constexpr std::size_t kDirect = 10050;
    static constexpr std::size_t kDigitSums = 9 * 19 + 1;

    std::array<std::array<std::uint8_t, kDigitSums>, 2> afterDigitSum{};
    std::array<std::array<std::uint8_t, kDirect>, 2> direct{};

    static constexpr std::size_t digitSum(std::uint64_t n)
    {
        std::size_t sum = 0;
        for (; n > 0; n /= 10)
            sum += static_cast<std::size_t>(n % 10);
        return sum;
    }

    constexpr ReduceTables()
    {
        for (const std::size_t master : {0, 1}) {
            for (std::size_t sum = 0; sum < kDigitSums; ++sum) {
                std::size_t total = sum;
                while (total > 9 && !(master == 1 && (total == 11 || total == 22)))
                    total = digitSum(total);
                afterDigitSum[master][sum] = static_cast<std::uint8_t>(total);
            }
            for (std::size_t total = 0; total < kDirect; ++total)
                direct[master][total] = afterDigitSum[master][digitSum(total)];
        }
    }
};

// Defined, and computed once at compile time, in letters.cpp.
extern const ReduceTables kReduceTables;

} // namespace detail

// The digit-sum reduction: digit sums are taken until one digit remains; with
// masterNumbers a digit sum of 11 or 22 also stops it. At least one digit sum
// is always taken, so a total of exactly 11 gives 2 and 22 gives 4. Inline,
// as every number of a reading passes through it.
[[nodiscard]] inline int ReduceNumber(std::int64_t total, bool masterNumbers)
{
    const detail::ReduceTables &tables = detail::kReduceTables;
    const std::size_t master = masterNumbers ? 1 : 0;
    assert(total >= 0);
    // A negative total is reduced by its magnitude, taken unsigned so that
    // the smallest one has one too.
    const std::uint64_t magnitude =
        total < 0 ? 0 - static_cast<std::uint64_t>(total) : static_cast<std::uint64_t>(total);
    if (magnitude < detail::ReduceTables::kDirect)
        return tables.direct[master][magnitude];
    return tables.afterDigitSum[master][detail::ReduceTables::digitSum(magnitude)];
}

} // namespace velmora
