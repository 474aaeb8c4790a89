// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "numberid.h"

namespace velmora {

struct CalendarDate;
struct Working;

// How a total is brought down: by digit sums until one digit is left, unless
// a master number stops it first; or not at all.
struct ReductionRule {
    bool reduces = true;
    // Bit n set: a digit sum of n is a master number and stops the reduction.
    std::uint64_t masters = 0;
    // A starting total that is a master number stands as it is; otherwise
    // masters count only as digit sums, so a total of exactly 11 gives 2.
    bool keepsMasterTotal = false;
    // Which of the two classic reductions this is, for its table of small
    // totals (1 one digit, 2 masters as digit sums); 0 for any other rule.
    std::uint8_t classic = 0;

    [[nodiscard]] constexpr bool isMaster(std::int64_t n) const
    {
        return n >= 0 && n < 64 && (masters >> n & 1U) != 0;
    }

    friend constexpr bool operator==(const ReductionRule &, const ReductionRule &) = default;
};

inline constexpr std::uint64_t kMasters11And22 = 1ULL << 11 | 1ULL << 22;

// The letter chart: each letter's value and which letters are vowels, for
// every byte, so that the walk over a name looks each one up rather than
// comparing it: 98 -> 75 ns per person's tally (bench/run engine).
struct LetterChart {
    static constexpr std::uint8_t kVowel = 0x10;
    static constexpr std::uint8_t kValue = 0x0F;
    // The value 1-9 of A-Z and a-z in the low bits, 0 for any other byte;
    // kVowel set for a vowel.
    std::array<std::uint8_t, 256> bytes{};

    [[nodiscard]] constexpr int value(char ch) const { return bytes[static_cast<unsigned char>(ch)] & kValue; }
    [[nodiscard]] constexpr bool isVowel(char ch) const { return (bytes[static_cast<unsigned char>(ch)] & kVowel) != 0; }
    // Whether any letter carries the value 1-9: under some charts no letter carries 9.
    [[nodiscard]] constexpr bool carries(int value) const
    {
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            if (this->value(letter) == value)
                return true;
        return false;
    }
};

// The chart with values[0] for A ... values[25] for Z, in both cases.
[[nodiscard]] constexpr LetterChart makeLetterChart(const std::array<std::uint8_t, 26> &values, std::string_view vowels)
{
    LetterChart chart;
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::uint8_t code = values[i];
        for (const char vowel : vowels)
            code = static_cast<std::uint8_t>(code | (static_cast<std::size_t>(vowel - 'A') == i ? LetterChart::kVowel : 0));
        chart.bytes['A' + i] = code;
        chart.bytes['a' + i] = code;
    }
    return chart;
}

// Whether Y counts as the chart says, or by its place: a consonant where it
// follows a vowel (Murray, Joy) or begins a word before a vowel (Yolanda), a
// vowel everywhere else (Bryan, Lynn, Yvonne, Mary).
enum class YRule : std::uint8_t { AsCharted, ConsonantAfterOrBeginningBeforeVowel };

// How the letter totals of a name become a number: the whole name added, or
// each name part (each word of the first, middle and last name) added and
// reduced before the parts are added.
enum class NameTotal : std::uint8_t { WholeName, PartsReducedFirst };

// How the Life Path's total is formed from the date of birth.
enum class DateTotal : std::uint8_t {
    DayMonthYear,      // day + month + year as plain numbers
    PartsReducedFirst, // month, day and year each reduced first
    Digits,            // every digit of the date added
};

// Where the ages of the four pinnacles (and the challenges) come from: each
// pinnacle's own number, or the Life Path.
enum class PeriodRule : std::uint8_t { EachPinnaclesNumber, LifePath };

// What Hidden Passion counts: letters, upper and lower case apart, the
// earliest of equally frequent letters winning; or values 1-9.
enum class PassionRule : std::uint8_t { MostFrequentLetter, MostFrequentValue };

struct ReadingTable;

// The rules a chart is worked out by: the letter chart, how totals are
// reduced and formed, the pinnacle periods, Hidden Passion and the Karmic
// Debts. Data only: every calculation reads its rule here.
struct System {
    std::string_view key;  // "classic": as the command line names it
    std::string_view name; // "Classic"
    // What sets it apart, as --help says it: "the rules most published calculators follow".
    std::string_view summary;
    // The rules in one short paragraph, as the working and the document state them.
    std::string_view rules;

    LetterChart letters;
    YRule y = YRule::AsCharted;

    // Destiny, Soul Urge, Personality, Realization, Life Path and the pinnacles.
    ReductionRule masterReduction;
    // The challenges' figures, the personal cycles: down to one digit.
    ReductionRule digitReduction;
    // Attitude: day + month.
    ReductionRule attitudeReduction;
    NameTotal nameTotal = NameTotal::WholeName;
    DateTotal lifePathTotal = DateTotal::DayMonthYear;
    // The pinnacles' month, day and year, before the sums: classic leaves them whole.
    ReductionRule pinnacleFigures;
    PeriodRule periods = PeriodRule::EachPinnaclesNumber;
    PassionRule passion = PassionRule::MostFrequentLetter;
    // Karmic Debts are sought in the totals Destiny, Soul Urge, Personality
    // and Life Path are reduced from, as their working shows them (so where
    // nameTotal and lifePathTotal reduce parts first, in the sum of the
    // reduced parts); with this set, in the birth day too.
    bool birthdayDebt = false;
    // Birthday: the day as it is, or brought down.
    ReductionRule birthdayReduction{false, 0, false};
    // Compound numbers: the first of a name's or a date's total and its
    // digit sums that lies in compoundLow-compoundHigh; none where 0.
    std::uint8_t compoundLow = 0;
    std::uint8_t compoundHigh = 0;
    // The numbers the system has: bit n for NumberId n. The others stay
    // undefined, and the outputs leave them out.
    std::uint32_t defines = (1U << kNumberCount) - 1;
    // The reading table of a section where the system reads it otherwise,
    // or nullptr for the program's own.
    const ReadingTable *(*readingTable)(SectionId section) = nullptr;
    // The Life Path's explanation worked on the person's own date, where the
    // system's explanation works one; nullptr where it works none.
    std::string (*lifePathExplanation)(const CalendarDate &born, const Working &lifePath) = nullptr;

    [[nodiscard]] constexpr bool hasNumber(NumberId id) const { return (defines >> indexOf(id) & 1U) != 0; }
    [[nodiscard]] constexpr bool hasCompounds() const { return compoundHigh != 0; }
};

// The rules the window has always used: A J S = 1 ... I R = 9, the vowels A E
// I O U, masters 11 and 22 only as digit sums, the Life Path from the whole
// date, each pinnacle's ages from its own number, Hidden Passion by letter.
[[nodiscard]] const System &classicSystem();

// The rules most published calculators follow: the same chart with Y a
// consonant after a vowel or beginning a word before one and a vowel
// elsewhere, masters 11, 22 and 33 kept wherever they appear, each word of
// the name and the date's parts reduced before they are added,
// the pinnacle periods from the Life Path, Hidden Passion by value.
[[nodiscard]] const System &commonSystem();

// The Chaldean chart: A I J Q Y 1, B K R 2, C G L S 3, D M T 4, E H N X 5,
// U V W 6, O Z 7, F P 8, no letter 9; no master numbers; compound numbers
// 10-52 beside their roots; only the name numbers, the Birth number, the Life
// Path and the personal cycles.
[[nodiscard]] const System &chaldeanSystem();

// Every system, classic first; and the one a command line names, or nullptr.
[[nodiscard]] std::span<const System *const> systems();
[[nodiscard]] const System *findSystem(std::string_view key);

} // namespace velmora
