// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>

#include "chart.h"
#include "letters.h"
#include "person.h"

using velmora::BirthData;
using enum velmora::NumberId;

struct NameCase {
    const char *label;
    const char *first;
    const char *middle;
    const char *last;
    int destiny;
    int personality;
    int soulUrge;
    int hiddenPassion;
    int subconsciousSelf;


    friend void PrintTo(const NameCase &c, std::ostream *os) { *os << c.label; }
};

class NameNumbersTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(NameNumbersTest, comeFromTheLettersOfTheName)
{
    const NameCase &c = GetParam();
    const velmora::Chart numbers = chart(person(c.first, c.middle, c.last));
    EXPECT_EQ(numbers.number(Destiny), c.destiny);
    EXPECT_EQ(numbers.number(Personality), c.personality);
    EXPECT_EQ(numbers.number(SoulUrge), c.soulUrge);
    EXPECT_EQ(numbers.number(HiddenPassion), c.hiddenPassion);
    EXPECT_EQ(numbers.number(SubconsciousSelf), c.subconsciousSelf);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameNumbersTest,
    ::testing::Values(
        // 44 -> 8, consonants 29 -> 11, vowels 15 -> 6; every letter once but h twice.
        NameCase{"JohnSmith", "John", "", "Smith", 8, 11, 6, 8, 7},
        NameCase{"JohnSmithShouting", "JOHN", "", "SMITH", 8, 11, 6, 8, 7},
        // Y and W are consonants: no vowel at all gives Soul Urge 0.
        NameCase{"LynnWynn", "Lynn", "", "Wynn", 6, 6, 0, 5, 3},
        // Counted case-sensitively: A and a differ, n occurs twice.
        NameCase{"AnnaSmith", "Anna", "", "Smith", 9, 7, 2, 5, 6},
        // e and s occur twice each; e comes first.
        NameCase{"LeeRoss", "Lee", "", "Ross", 3, 5, 7, 5, 5},
        NameCase{"AlAl", "Al", "", "Al", 8, 6, 2, 1, 2},
        NameCase{"AjSa", "Aj", "", "Sa", 4, 2, 2, 1, 1},
        // Vowels only: Personality 0.
        NameCase{"VowelsOnly", "Aia", "", "Oeu", 7, 0, 7, 1, 5},
        // Pasted characters count for nothing; a space can never be the Hidden Passion.
        NameCase{"PastedSpaces", "J o", "", "h  n", 2, 5, 6, 1, 4},
        NameCase{"NoLettersAtAll", "---", "", "'  '", 0, 0, 0, 0, 0},
        NameCase{"AccentsIgnored", "Jos\xc3\xa9", "", "\xc3\x89mile", 11, 9, 2, 1, 6},
        NameCase{"MiddleNameCounts", "Mary", "Ann", "Lee", 9, 6, 3, 5, 6}),
    [](const auto &info) { return std::string(info.param.label); });

struct DateCase {
    const char *label;
    int day;
    int month;
    int year;
    std::array<int, 4> pinnacles;
    int attitude;


    friend void PrintTo(const DateCase &c, std::ostream *os) { *os << c.label; }
};

class DateNumbersTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(DateNumbersTest, comeFromTheDateOfBirth)
{
    const DateCase &c = GetParam();
    const BirthData data = person("John", "", "Smith", c.day, c.month, c.year);
    const velmora::Chart numbers = chart(data);
    EXPECT_EQ(fourOf(numbers, Pinnacle1), c.pinnacles);
    EXPECT_EQ(numbers.number(Attitude), c.attitude);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateNumbersTest,
                         ::testing::Values(DateCase{"MastersInFirstAndFourth", 20, 9, 1975, {11, 6, 8, 22}, 2},
                                           DateCase{"ElevenAsStartingValue", 6, 5, 1975, {2, 1, 3, 9}, 2},
                                           DateCase{"TwentyTwoAsStartingValue", 12, 10, 1975, {4, 7, 2, 5}, 4},
                                           DateCase{"FirstListEntries", 1, 1, 1900, {2, 11, 4, 11}, 2},
                                           DateCase{"TwentyTwoSecond", 18, 1, 1975, {1, 22, 5, 5}, 1},
                                           DateCase{"AttitudeOfTwentyEight", 19, 9, 1975, {1, 5, 6, 22}, 1},
                                           DateCase{"LastDayOfTheYear", 31, 12, 2050, {7, 11, 9, 1}, 7},
                                           DateCase{"SmallSum", 9, 2, 2000, {2, 11, 4, 4}, 2},
                                           DateCase{"EarliestYear", 1, 1, 1, {2, 2, 4, 2}, 2},
                                           DateCase{"LatestYear", 31, 12, 9999, {7, 4, 2, 3}, 7}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(Realization, addsLifePathAndDestinyThenReduces)
{
    // 15 July 1980: 2002 -> life path 4; with Destiny 8 the total 12 gives 3.
    const velmora::Chart john = chart(person("John", "", "Smith", 15, 7, 1980));
    EXPECT_EQ(john.number(LifePath), 4);
    EXPECT_EQ(john.number(Realization), 3);

    // Master numbers stop a digit sum but never stand as the starting total.
    struct Case {
        const char *first;
        int day, month, year;
        int lifePath, destiny, realization;
    };
    for (const Case &c : {
             Case{"Ed", 1, 1, 2007, 11, 9, 2},   // 2009 -> 11; 11 + 9 = 20
             Case{"Iiib", 1, 1, 2007, 11, 11, 4}, // 29 -> 11; 22 is a total, not a digit sum
             Case{"Pi", 1, 1, 1991, 22, 7, 11},  // 1993 -> 22; 29 -> 11
             Case{"B", 1, 1, 2014, 9, 2, 2},     // 2016 -> 9; 11 as a total gives 2
         }) {
        const velmora::Chart numbers = chart(person(c.first, "", "", c.day, c.month, c.year));
        EXPECT_EQ(numbers.number(LifePath), c.lifePath) << c.first;
        EXPECT_EQ(numbers.number(Destiny), c.destiny) << c.first;
        EXPECT_EQ(numbers.number(Realization), c.realization) << c.first;
    }
}

TEST(Realization, followsTheDestinyOfTheSameRun)
{
    const velmora::Chart john = chart(person("John", "", "Smith", 15, 7, 1980));
    const velmora::Chart anna = chart(person("Anna", "", "Smith", 15, 7, 1980));
    EXPECT_NE(john.number(Destiny), anna.number(Destiny));
    EXPECT_EQ(john.number(Realization), velmora::ReduceNumber(4 + john.number(Destiny), true));
    EXPECT_EQ(anna.number(Realization), velmora::ReduceNumber(4 + anna.number(Destiny), true));
    EXPECT_NE(john.number(Realization), anna.number(Realization));
}

TEST(Chart, givesEqualResultsForEqualInput)
{
    const BirthData data = person("Anna", "Maria", "Smith", 20, 9, 1975);
    const velmora::Chart first = chart(data);
    (void)chart(person("Lynn", "", "Wynn", 6, 5, 2001));
    const velmora::Chart second = chart(data);
    EXPECT_EQ(first.numbers().values.size(), second.numbers().values.size());
    for (const velmora::NumberDescriptor &number : velmora::numberDescriptors())
        EXPECT_TRUE(std::ranges::equal(first[number.id].list(), second[number.id].list())) << number.key;
    for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings))
        EXPECT_EQ(first.reading(section.id), second.reading(section.id)) << section.jsonKey;
}
