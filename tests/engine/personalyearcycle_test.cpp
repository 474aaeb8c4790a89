// SPDX-License-Identifier: MIT
// What the Personal Year's introduction says of its cycle is what the
// numbers do.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "chart.h"
#include "person.h"
#include "personalcycletexts.h"

namespace {

int personalYear(const velmora::BirthData &data, int year)
{
    return chart(data, velmora::CalendarDate{1, 6, year}).number(velmora::NumberId::PersonalYear);
}

// The years after which a personal year first comes back, for one person.
int returnsAfter(const velmora::BirthData &data, int year)
{
    const int first = personalYear(data, year);
    int years = 1;
    while (personalYear(data, year + years) != first)
        ++years;
    return years;
}

TEST(PersonalYearCycle, returnsAfterTheYearsTheIntroductionNames)
{
    for (int day = 1; day <= 28; day += 9)
        for (int month = 1; month <= 12; month += 5)
            for (int year = 1900; year <= 2100; year += 13)
                ASSERT_EQ(returnsAfter(person("Ann", "", "Lee", day, month, 1980), year), 9) << day << month << year;
    const std::string_view introduction = velmora::personalYearTable().explanation;
    EXPECT_NE(introduction.find("exactly nine years"), std::string_view::npos) << introduction;
    EXPECT_EQ(introduction.find("decade"), std::string_view::npos) << introduction;
}

} // namespace
