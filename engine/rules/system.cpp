// SPDX-License-Identifier: MIT
#include "system.h"

#include "reduction.h"
#include "systemreadings.h"

#include <initializer_list>

namespace velmora {
namespace {

// A J S = 1, B K T = 2, ... I R = 9: the letters in alphabetical order, nine to a row.
constexpr std::array<std::uint8_t, 26> pythagoreanValues()
{
    std::array<std::uint8_t, 26> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::uint8_t>(i % 9 + 1);
    return values;
}

constexpr ReductionRule kToOneDigit = classicReduction(false);
constexpr ReductionRule kMastersAsDigitSums = classicReduction(true);
constexpr ReductionRule kMastersKept{true, kMasters11And22 | 1ULL << 33, true};

// A I J Q Y = 1, B K R = 2, C G L S = 3, D M T = 4, E H N X = 5, U V W = 6,
// O Z = 7, F P = 8: no letter is 9.
constexpr std::array<std::uint8_t, 26> chaldeanValues()
{
    constexpr std::string_view kRows[] = {"AIJQY", "BKR", "CGLS", "DMT", "EHNX", "UVW", "OZ", "FP"};
    std::array<std::uint8_t, 26> values{};
    for (std::size_t v = 0; v < std::size(kRows); ++v)
        for (const char ch : kRows[v])
            values[static_cast<std::size_t>(ch - 'A')] = static_cast<std::uint8_t>(v + 1);
    return values;
}

constexpr std::uint32_t numberBits(std::initializer_list<NumberId> ids)
{
    std::uint32_t bits = 0;
    for (const NumberId id : ids)
        bits |= 1U << indexOf(id);
    return bits;
}

constexpr System kClassic{
    .key = "classic",
    .name = "Classic",
    .summary = "the default, as in the window",
    .rules = "Letters: A J S 1, B K T 2, C L U 3, D M V 4, E N W 5, F O X 6, G P Y 7, H Q Z 8, I R 9; the vowels are "
             "A E I O U, so Y and W are consonants. A total is reduced by adding its digits; 11 and 22 stop the "
             "reduction only as a digit sum, never as the starting total, and 33 is not kept. The Life Path adds "
             "day, month and year as they are. Each pinnacle's ages follow its own number. Hidden Passion is the "
             "letter that occurs most often, upper and lower case apart. Karmic Debts are sought in the totals of "
             "Destiny, Soul Urge, Personality and Life Path.",
    .letters = makeLetterChart(pythagoreanValues(), "AEIOU"),
    .y = YRule::AsCharted,
    .masterReduction = kMastersAsDigitSums,
    .digitReduction = kToOneDigit,
    .attitudeReduction = kToOneDigit,
    .nameTotal = NameTotal::WholeName,
    .lifePathTotal = DateTotal::DayMonthYear,
    .pinnacleFigures = {false, 0, false},
    .periods = PeriodRule::EachPinnaclesNumber,
    .passion = PassionRule::MostFrequentLetter,
    .birthdayDebt = false,
};

constexpr System kCommon{
    .key = "common",
    .name = "Common practice",
    .summary = "the rules most published calculators follow",
    .rules = "Letters as the classic chart, but Y is a consonant after a vowel (Murray) or beginning a word "
             "before a vowel (Yolanda), and a vowel everywhere else (Bryan, Lynn, Yvonne). Master numbers 11, 22 "
             "and 33 are kept wherever a total or a digit sum reaches them. Each word of the name is a part, added "
             "and reduced before the parts are added (a hyphen, a space or a full stop ends a word); the Life Path "
             "reduces month, day and year first; the pinnacles take month, day and year down to one digit, and "
             "their ages follow the Life Path (the first to 36 less the Life Path). Hidden Passion is the value "
             "most letters carry, every tied value listed. Karmic Debts are sought in the sums of the reduced "
             "parts, and a birth day of 13, 14, 16 or 19 is a Karmic Debt too.",
    .letters = makeLetterChart(pythagoreanValues(), "AEIOU"),
    .y = YRule::ConsonantAfterOrBeginningBeforeVowel,
    .masterReduction = kMastersKept,
    .digitReduction = kToOneDigit,
    .attitudeReduction = kMastersKept,
    .nameTotal = NameTotal::PartsReducedFirst,
    .lifePathTotal = DateTotal::PartsReducedFirst,
    .pinnacleFigures = kToOneDigit,
    .periods = PeriodRule::LifePath,
    .passion = PassionRule::MostFrequentValue,
    .birthdayDebt = true,
    .readingTable = &commonReadingTable,
};

constexpr System kChaldean{
    .key = "chaldean",
    .name = "Chaldean",
    .summary = "the Chaldean chart, with compound numbers",
    .rules = "Letters: A I J Q Y 1, B K R 2, C G L S 3, D M T 4, E H N X 5, U V W 6, O Z 7, F P 8; no letter is "
             "9, and the vowels are A E I O U. The name number (shown as Destiny), Soul Urge and Personality add "
             "their letters; the Birth number is the day; the Life Path adds every digit of the date. The "
             "compound number is the first of the total and its digit sums that lies between 10 and 52, and the "
             "root its digit sum down to one digit; no master numbers are kept. The personal cycles are found as "
             "in the classic rules.",
    .letters = makeLetterChart(chaldeanValues(), "AEIOU"),
    .y = YRule::AsCharted,
    .masterReduction = kToOneDigit,
    .digitReduction = kToOneDigit,
    .attitudeReduction = kToOneDigit,
    .nameTotal = NameTotal::WholeName,
    .lifePathTotal = DateTotal::Digits,
    .pinnacleFigures = {false, 0, false},
    .periods = PeriodRule::EachPinnaclesNumber,
    .passion = PassionRule::MostFrequentLetter,
    .birthdayDebt = false,
    .birthdayReduction = kToOneDigit,
    .compoundLow = 10,
    .compoundHigh = 52,
    .defines = numberBits({NumberId::Destiny, NumberId::SoulUrge, NumberId::Personality, NumberId::Birthday,
                           NumberId::LifePath, NumberId::PersonalYear, NumberId::PersonalMonth,
                           NumberId::PersonalDay}),
    .readingTable = &chaldeanReadingTable,
    .lifePathExplanation = &chaldeanLifePathExplanation,
};

constexpr std::array<const System *, 3> kSystems = {&kClassic, &kCommon, &kChaldean};

} // namespace

const System &classicSystem()
{
    return kClassic;
}

const System &commonSystem()
{
    return kCommon;
}

const System &chaldeanSystem()
{
    return kChaldean;
}

std::span<const System *const> systems()
{
    return kSystems;
}

const System *findSystem(std::string_view key)
{
    for (const System *system : kSystems)
        if (system->key == key)
            return system;
    return nullptr;
}

} // namespace velmora
