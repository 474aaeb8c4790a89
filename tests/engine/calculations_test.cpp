// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "attitude.h"
#include "calculations.h"
#include "hiddenpassion.h"
#include "letters.h"
#include "realization.h"
#include "subconsciousself.h"
#include "person.h"

using velmora::BirthData;

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
    const velmora::Numbers numbers = velmora::CalculateNumbers(person(c.first, c.middle, c.last));
    EXPECT_EQ(numbers.destiny, c.destiny);
    EXPECT_EQ(numbers.personality, c.personality);
    EXPECT_EQ(numbers.soulUrge, c.soulUrge);
    EXPECT_EQ(numbers.hiddenPassion, c.hiddenPassion);
    EXPECT_EQ(numbers.subconsciousSelf, c.subconsciousSelf);
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
    velmora::PinnacleNumbers pinnacles;
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
    EXPECT_EQ(velmora::PinnacleNumbersOf(data), c.pinnacles);
    EXPECT_EQ(velmora::AttitudeNumber(data), c.attitude);
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
    const BirthData john = person("John", "", "Smith", 15, 7, 1980);
    EXPECT_EQ(velmora::LifePathNumber(john), 4);
    EXPECT_EQ(velmora::CalculateNumbers(john).realization, 3);

    const BirthData elevenPath = person("x", "", "y", 1, 1, 2007);  // 2009 -> 11
    const BirthData twentyTwoPath = person("x", "", "y", 1, 1, 1991); // 1993 -> 22
    const BirthData ninePath = person("x", "", "y", 1, 1, 2014);    // 2016 -> 9
    EXPECT_EQ(velmora::LifePathNumber(elevenPath), 11);
    EXPECT_EQ(velmora::LifePathNumber(twentyTwoPath), 22);
    EXPECT_EQ(velmora::RealizationNumber(elevenPath, 11), 4);    // 22 is a total, not a digit sum
    EXPECT_EQ(velmora::RealizationNumber(twentyTwoPath, 22), 8); // 44
    EXPECT_EQ(velmora::RealizationNumber(ninePath, 2), 2);       // 11 is a total
    EXPECT_EQ(velmora::RealizationNumber(twentyTwoPath, 7), 11); // 29
}

TEST(Realization, followsTheDestinyOfTheSameRun)
{
    const velmora::Numbers john = velmora::CalculateNumbers(person("John", "", "Smith", 15, 7, 1980));
    const velmora::Numbers anna = velmora::CalculateNumbers(person("Anna", "", "Smith", 15, 7, 1980));
    EXPECT_NE(john.destiny, anna.destiny);
    EXPECT_EQ(john.realization, velmora::ReduceNumber(4 + john.destiny, true));
    EXPECT_EQ(anna.realization, velmora::ReduceNumber(4 + anna.destiny, true));
    EXPECT_NE(john.realization, anna.realization);
}

TEST(CalculateAll, givesEqualResultsForEqualInput)
{
    const BirthData data = person("Anna", "Maria", "Smith", 20, 9, 1975);
    const velmora::Results first = velmora::calculateAll(data);
    (void)velmora::calculateAll(person("Lynn", "", "Wynn", 6, 5, 2001));
    const velmora::Results second = velmora::calculateAll(data);
    EXPECT_EQ(first.numbers, second.numbers);
    EXPECT_EQ(first.readings, second.readings);
}
