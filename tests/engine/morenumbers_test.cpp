// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "challengetexts.h"
#include "chart.h"
#include "karmicdebt.h"
#include "karmicdebttexts.h"
#include "karmiclessontexts.h"
#include "letters.h"
#include "lifepathtexts.h"
#include "paragraphrows.h"
#include "person.h"
#include "personalcycletexts.h"
#include "pinnacletexts.h"

using velmora::AgeRange;
using velmora::BirthData;
using velmora::CalendarDate;
using velmora::NumberId;
using WorkedNumber = velmora::NumberId;

struct KarmicDebt {
    int debt = 0;
    NumberId from = NumberId::Destiny;

    friend bool operator==(const KarmicDebt &, const KarmicDebt &) = default;
};

namespace {

constexpr int kOnward = AgeRange::kOnward;

} // namespace

// Worked by hand from the letter chart and the dates.
struct MoreCase {
    const char *name;
    const char *first;
    const char *last;
    int day, month, year;
    int lifePath;
    std::array<int, 4> challenges;
    std::array<AgeRange, 4> ages;
    std::vector<int> lessons;
    std::vector<KarmicDebt> debts;

    friend void PrintTo(const MoreCase &c, std::ostream *os) { *os << c.name; }
};

class MoreNumbersByHand : public ::testing::TestWithParam<MoreCase>
{
};

TEST_P(MoreNumbersByHand, matchTheWorkingOnPaper)
{
    const MoreCase &c = GetParam();
    const BirthData data = person(c.first, "", c.last, c.day, c.month, c.year);
    const CalendarDate on{1, 6, 2026};
    const velmora::Chart numbers = chart(data, on);
    EXPECT_EQ(numbers.number(NumberId::LifePath), c.lifePath);
    EXPECT_EQ(numbers.number(NumberId::Birthday), c.day);
    EXPECT_EQ(fourOf(numbers, NumberId::Challenge1), c.challenges);
    EXPECT_EQ(numbers.periods(), c.ages);
    EXPECT_TRUE(std::ranges::equal(numbers[NumberId::KarmicLessons].list(), c.lessons));
    std::vector<KarmicDebt> debts;
    const velmora::NumberValue &held = numbers[NumberId::KarmicDebts];
    for (std::size_t i = 0; i < held.count; ++i)
        debts.push_back({held.values[i], numbers.numbers().debtSources[i]});
    EXPECT_EQ(debts, c.debts);

    // A batch row finds the same numbers from the tallied letters, without the chart.
    velmora::ChartNumbers row;
    velmora::evaluateNumbers(velmora::dateOfBirth(data), velmora::classicSystem(), velmora::tallyLetters(data), on, row);
    for (const velmora::NumberDescriptor &number : velmora::numberDescriptors())
        EXPECT_TRUE(std::ranges::equal(row[number.id].list(), numbers[number.id].list())) << number.key;
}

INSTANTIATE_TEST_SUITE_P(
    People, MoreNumbersByHand,
    ::testing::Values(
        // J1 O6 H8 N5 S1 M4 I9 T2 H8: 44 -> 8, vowels 15 -> 6, consonants 29 -> 11; no 3 or 7.
        // 15 + 7 + 1980 = 2002 -> 4. m 7, d 6, y 1980 -> 18 -> 9. Pinnacles 4, 6, 1, 7.
        MoreCase{"johnSmithHasNoDebt", "John", "Smith", 15, 7, 1980, 4, {1, 3, 2, 2},
                 {AgeRange{0, 32}, AgeRange{31, 39}, AgeRange{45, 53}, AgeRange{48, kOnward}}, {3, 7}, {}},
        // D4 A1 V4 I9 D4 B2 R9 O6 W5 N5: 49 -> 13 -> 4, a debt met in a digit sum; vowels A1 I9 O6 = 16,
        // a debt as the starting total; 1 + 1 + 1970 = 1972 -> 19 -> 10 -> 1. m 1, d 1, y 17 -> 8.
        // Pinnacles 2, 9, 2 (11 as a total), 9.
        MoreCase{"davidBrownHasThreeDebts", "David", "Brown", 1, 1, 1970, 1, {0, 7, 7, 7},
                 {AgeRange{0, 34}, AgeRange{28, 36}, AgeRange{44, 52}, AgeRange{46, kOnward}}, {3, 7, 8},
                 {{13, WorkedNumber::Destiny}, {16, WorkedNumber::SoulUrge}, {19, WorkedNumber::LifePath}}},
        // A1 D4 A1 L3 E5 E5 = 19 -> 10 -> 1; 14 + 5 + 1990 = 2009 -> 11, kept. m 5, d 14 -> 5,
        // y 19 -> 10 -> 1. Pinnacles 1, 6, 7, 6.
        MoreCase{"adaLeeHasAChallengeOfZero", "Ada", "Lee", 14, 5, 1990, 11, {0, 4, 4, 4},
                 {AgeRange{0, 35}, AgeRange{31, 39}, AgeRange{39, 47}, AgeRange{49, kOnward}}, {2, 6, 7, 8, 9},
                 {{19, WorkedNumber::Destiny}}}),
    [](const auto &info) { return std::string(info.param.name); });

struct CycleCase {
    const char *name;
    int birthDay, birthMonth;
    CalendarDate on;
    std::array<int, 3> cycle; // year, month, day

    friend void PrintTo(const CycleCase &c, std::ostream *os) { *os << c.name; }
};

class PersonalCycles : public ::testing::TestWithParam<CycleCase>
{
};

TEST_P(PersonalCycles, turnWithTheCalendar)
{
    const CycleCase &c = GetParam();
    const velmora::Chart numbers = chart(person("Ann", "", "Lee", c.birthDay, c.birthMonth, 1980), c.on);
    EXPECT_EQ(numbers.number(NumberId::PersonalYear), c.cycle[0]);
    EXPECT_EQ(numbers.number(NumberId::PersonalMonth), c.cycle[1]);
    EXPECT_EQ(numbers.number(NumberId::PersonalDay), c.cycle[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, PersonalCycles,
    ::testing::Values(
        // 15 + 7 + 2025 = 2047 -> 13 -> 4; 4 + 12 = 16 -> 7; 7 + 31 = 38 -> 11 -> 2.
        CycleCase{"lastDayOfTheYear", 15, 7, {31, 12, 2025}, {4, 7, 2}},
        // 15 + 7 + 2026 = 2048 -> 14 -> 5; 5 + 1 = 6; 6 + 1 = 7.
        CycleCase{"firstDayOfTheNextYear", 15, 7, {1, 1, 2026}, {5, 6, 7}},
        // 14 + 5 + 2024 = 2043 -> 9; 9 + 2 = 11 -> 2, no master number; 2 + 29 = 31 -> 4.
        CycleCase{"leapDayWithoutMasterNumbers", 14, 5, {29, 2, 2024}, {9, 2, 4}}),
    [](const auto &info) { return std::string(info.param.name); });

// The window's age labels say the ages the period rule gives: for a number
// v, with 11 as 2 and 22 as 4, from 0 to 36 - v, 37 - v to 45 - v, 46 - v to
// 54 - v and from 55 - v on.
TEST(PinnaclePeriods, agreeWithTheAgeLabelsOfEveryNumber)
{
    const auto agesInLabel = [](std::string_view label) {
        AgeRange ages;
        const std::size_t at = label.find("from age ");
        EXPECT_NE(at, std::string_view::npos) << label;
        std::istringstream text{std::string(label.substr(at + 9))};
        char dash = 0;
        text >> ages.from >> dash;
        if (dash == '-')
            text >> ages.to;
        return ages;
    };
    for (const velmora::PinnacleLabels &row : velmora::pinnacleTable().labels) {
        const int v = row.number == 11 ? 2 : row.number == 22 ? 4 : row.number;
        const std::array<AgeRange, 4> expected = {AgeRange{0, 36 - v}, AgeRange{37 - v, 45 - v},
                                                  AgeRange{46 - v, 54 - v}, AgeRange{55 - v, kOnward}};
        for (std::size_t place = 0; place < 4; ++place) {
            EXPECT_EQ(velmora::pinnaclePeriod(place, row.number), expected[place]) << row.number;
            EXPECT_EQ(agesInLabel(row.labels[place]), expected[place]) << row.labels[place];
        }
    }
}

// The debt met on the way down, from a total whether looked up or worked out.
TEST(KarmicDebtIn, isTheDebtMetAsTheTotalOrADigitSum)
{
    const std::vector<std::pair<std::int64_t, int>> cases = {
        {13, 13}, {16, 16},    {49, 13},       {1972, 19},     {29, 0},        {22, 0},
        {11, 0},  {10049, 14}, {10050, 0},     {9999994, 13},  {19999999, 0},  {0, 0},
    };
    for (const auto &[total, debt] : cases)
        EXPECT_EQ(velmora::KarmicDebtIn(total), debt) << total;
}
