// SPDX-License-Identifier: MIT
#include "system.h"

#include "reduction.h"

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

constexpr System kClassic{
    .key = "classic",
    .name = "Classic",
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

} // namespace

const System &classicSystem()
{
    return kClassic;
}

} // namespace velmora
