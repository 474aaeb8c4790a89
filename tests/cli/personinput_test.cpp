// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "personinput.h"

using velmora::InputFault;

namespace {

struct DateCase {
    const char *label;
    const char *text;
    bool valid;
};

std::ostream &operator<<(std::ostream &os, const DateCase &c)
{
    return os << c.label;
}

class IsoDateTest : public testing::TestWithParam<DateCase>
{
};

TEST_P(IsoDateTest, acceptsOnlyRealDatesWrittenYearMonthDay)
{
    EXPECT_EQ(velmora::parseIsoDate(GetParam().text).has_value(), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, IsoDateTest,
    testing::Values(DateCase{"ordinary", "1980-07-15", true}, DateCase{"leapDayInLeapYear", "2000-02-29", true},
                    DateCase{"leapDayInCenturyYear", "1900-02-29", false},
                    DateCase{"leapDayInCommonYear", "2023-02-29", false},
                    DateCase{"thirtyFirstOfApril", "2023-04-31", false},
                    DateCase{"firstYear", "0001-01-01", true}, DateCase{"lastYear", "9999-12-31", true},
                    DateCase{"yearZero", "0000-06-15", false}, DateCase{"monthZero", "1980-00-10", false},
                    DateCase{"monthThirteen", "1980-13-01", false}, DateCase{"dayZero", "1980-07-00", false},
                    DateCase{"unpaddedMonth", "1980-7-15", false}, DateCase{"slashes", "1980/07/15", false},
                    DateCase{"trailingSpace", "1980-07-15 ", false}, DateCase{"signedYear", "+980-07-15", false},
                    DateCase{"empty", "", false}),
    [](const testing::TestParamInfo<DateCase> &info) { return std::string(info.param.label); });

// Every day number 0-32 of every month 0-13, over four centuries and at both
// ends of the years, against the calendar of the standard library.
TEST(IsoDate, agreesWithTheGregorianCalendar)
{
    std::vector<int> years;
    for (int year = 1600; year < 2000; ++year)
        years.push_back(year);
    for (const int year : {1, 4, 100, 400, 9996, 9999})
        years.push_back(year);
    for (const int year : years) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                char text[16];
                std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
                const std::chrono::year_month_day date{std::chrono::year(year),
                                                       std::chrono::month(static_cast<unsigned>(month)),
                                                       std::chrono::day(static_cast<unsigned>(day))};
                ASSERT_EQ(velmora::parseIsoDate(text).has_value(), date.ok()) << text;
            }
        }
    }
}

// A byte that is no digit in any of the eight places, the bytes beside the
// digits and one with the high bit set among them.
TEST(IsoDate, refusesAnyOtherByteWhereADigitBelongs)
{
    for (const std::size_t place : {0, 1, 2, 3, 5, 6, 8, 9}) {
        for (const char other : {'/', ':', ' ', 'a', '\xB0'}) {
            std::string text = "1980-07-15";
            text[place] = other;
            EXPECT_FALSE(velmora::parseIsoDate(text).has_value()) << text;
        }
    }
}

TEST(IsoDate, givesYearMonthAndDay)
{
    const auto date = velmora::parseIsoDate("1975-09-20");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year, 1975);
    EXPECT_EQ(date->month, 9);
    EXPECT_EQ(date->day, 20);
}

struct PersonCase {
    const char *label;
    velmora::PersonFields fields;
    InputFault fault;
};

std::ostream &operator<<(std::ostream &os, const PersonCase &c)
{
    return os << c.label;
}

class ReadPersonTest : public testing::TestWithParam<PersonCase>
{
};

// The first failing check wins, in the input page's order: first name, date, last name.
TEST_P(ReadPersonTest, refusesInTheInputPagesOrder)
{
    velmora::BirthData data;
    data.FirstName = "unchanged";
    EXPECT_EQ(velmora::readPerson(GetParam().fields, data), GetParam().fault);
    if (GetParam().fault != InputFault::None) {
        EXPECT_EQ(data.FirstName, "unchanged");
    }
}

INSTANTIATE_TEST_SUITE_P(
    People, ReadPersonTest,
    testing::Values(PersonCase{"sound", {"John", "", "Smith", "1980-07-15"}, InputFault::None},
                    PersonCase{"emptyFirstBeforeBadDate", {"", "", "", "1900-02-29"}, InputFault::EmptyFirstName},
                    PersonCase{"spacesOnlyFirst", {"   ", "", "Smith", "1980-07-15"}, InputFault::EmptyFirstName},
                    PersonCase{"badDateBeforeEmptyLast", {"John", "", "", "1980-02-30"}, InputFault::BadDate},
                    PersonCase{"spacesOnlyLast", {"John", "", "  ", "1980-07-15"}, InputFault::EmptyLastName},
                    PersonCase{"tabIsNotASpace", {"\t", "", "Smith", "1980-07-15"}, InputFault::None},
                    PersonCase{"anyCharacters", {"Zo\xC3\xAB", "-", "O'Neil 3", "1980-07-15"}, InputFault::None}),
    [](const testing::TestParamInfo<PersonCase> &info) { return std::string(info.param.label); });

TEST(ReadPerson, fillsTheRecordWithTrimmedNamesAndTheDate)
{
    velmora::BirthData data;
    ASSERT_EQ(velmora::readPerson({"  Mary Ann ", " Lee", "Smith  ", "1975-09-20"}, data), InputFault::None);
    EXPECT_EQ(data.FirstName, "Mary Ann");
    EXPECT_EQ(data.MiddleName, "Lee");
    EXPECT_EQ(data.LastName, "Smith");
    EXPECT_EQ(data.BirthDay, 20);
    EXPECT_EQ(data.BirthMonth, 9);
    EXPECT_EQ(data.BirthMonthName, "September");
    EXPECT_EQ(data.BirthYear, 1975);
}

} // namespace
