// SPDX-License-Identifier: MIT
// A working names the figures it adds; a figure that is another number keeps
// its value apart from the number in its name.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "chart.h"
#include "morenumberstext.h"
#include "person.h"
#include "working.h"

using velmora::CalendarDate;
using velmora::NumberId;

namespace {

struct FigureCase {
    const char *name;
    NumberId number;
    const char *text;
};

void PrintTo(const FigureCase &c, std::ostream *out)
{
    *out << c.name;
}

class WorkingFigures : public testing::TestWithParam<FigureCase>
{
};

// John Smith, born 15 July 1980, on 31 December 2025.
TEST_P(WorkingFigures, showEachValueApartFromItsName)
{
    const velmora::Chart john = chart(person("John", "", "Smith", 15, 7, 1980), CalendarDate{31, 12, 2025}, true);
    EXPECT_EQ(velmora::workingText(john.working(GetParam().number)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    JohnSmith, WorkingFigures,
    testing::Values(
        FigureCase{"pinnaclesOfPinnacles", NumberId::Pinnacle3, "Pinnacle 1 (4) + Pinnacle 2 (6) = 10 → 1"},
        FigureCase{"challengeOfChallenges", NumberId::Challenge3, "Challenge 1 (1), Challenge 2 (3): |1 − 3| = 2"},
        FigureCase{"realization", NumberId::Realization, "Life Path (4) + Destiny (8) = 12 → 3"},
        FigureCase{"personalMonth", NumberId::PersonalMonth, "Personal Year (4) + month 12 = 16 → 7"},
        FigureCase{"partsOfDatesStayPlain", NumberId::PersonalYear,
                   "birth day 15 + birth month 7 + year 2025 = 2047 → 13 → 4"}),
    [](const testing::TestParamInfo<FigureCase> &info) { return std::string(info.param.name); });

// No working, for anyone, sets two numbers side by side with only a space
// between them, where they would read as one.
TEST(WorkingFiguresOfAnyone, neverRunTwoNumbersTogether)
{
    const std::regex together("[0-9] [0-9]");
    for (const char *first : {"John", "Anna", "Lynn", "Zoë"}) {
        for (int day = 1; day <= 31; day += 3) {
            for (int year : {1900, 1975, 1999, 2024}) {
                const auto data = person(first, "Lee", "Smith", day, 1 + day % 12, year);
                for (const std::string &line : velmora::workingLines(chart(data, CalendarDate{9, 10, 2031}, true)))
                    EXPECT_FALSE(std::regex_search(line, together)) << line;
            }
        }
    }
}

} // namespace
