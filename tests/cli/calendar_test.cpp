// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calendardays.h"
#include "calendaroutput.h"
#include "calendarspan.h"

using namespace Qt::StringLiterals;
using velmora::CalendarDay;

namespace {

velmora::BirthData mary()
{
    return {"Mary", "", "Smith", 7, 3, "March", 1985};
}

struct DayCase {
    const char *label;
    QDate date;
    int year, month, day;
};

std::ostream &operator<<(std::ostream &os, const DayCase &c)
{
    return os << c.label;
}

class CalendarDayTest : public testing::TestWithParam<DayCase>
{
};

// Mary Smith, born 7 March 1985: the year is 7 + 3 + the year's digits, the
// month that plus the month, the day that plus the day, each to one digit.
TEST_P(CalendarDayTest, givesThePersonalCyclesWorkedOutByHand)
{
    const DayCase &c = GetParam();
    const auto days = velmora::calendarDays(mary(), velmora::classicSystem(), c.date, c.date);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].personalYear, c.year);
    EXPECT_EQ(days[0].personalMonth, c.month);
    EXPECT_EQ(days[0].personalDay, c.day);
}

INSTANTIATE_TEST_SUITE_P(
    Days, CalendarDayTest,
    testing::Values(DayCase{"lastDayOfFebruary", QDate(2027, 2, 28), 3, 5, 6},
                    DayCase{"firstDayOfMarch", QDate(2027, 3, 1), 3, 6, 7},
                    DayCase{"newYearsEve", QDate(2026, 12, 31), 2, 5, 9},
                    DayCase{"newYearsDay", QDate(2027, 1, 1), 3, 4, 5},
                    DayCase{"leapDay", QDate(2028, 2, 29), 4, 6, 8}),
    [](const testing::TestParamInfo<DayCase> &info) { return std::string(info.param.label); });

TEST(CalendarDays, coverTheSpanDayByDayAcrossALeapYear)
{
    const auto days = velmora::calendarDays(mary(), velmora::classicSystem(), QDate(2028, 2, 27), QDate(2028, 3, 2));
    ASSERT_EQ(days.size(), 5u);
    EXPECT_EQ(days[2].date, QDate(2028, 2, 29));
    EXPECT_EQ(days[3].date, QDate(2028, 3, 1));
    EXPECT_TRUE(velmora::calendarDays(mary(), velmora::classicSystem(), QDate(2028, 3, 2), QDate(2028, 3, 1)).empty());
}

struct SpanCase {
    const char *label;
    QString text;
    QDate first, last; // invalid: refused
    const char *problem; // a part of the usage error
};

std::ostream &operator<<(std::ostream &os, const SpanCase &c)
{
    return os << c.label;
}

class CalendarSpanTest : public testing::TestWithParam<SpanCase>
{
};

TEST_P(CalendarSpanTest, readsTheSpanOrSaysWhatWasExpected)
{
    const SpanCase &c = GetParam();
    QString problem;
    const auto span = velmora::parseCalendarSpan(c.text, &problem);
    if (c.first.isValid()) {
        ASSERT_TRUE(span) << problem.toStdString();
        EXPECT_EQ(span->first, c.first);
        EXPECT_EQ(span->last, c.last);
    } else {
        EXPECT_FALSE(span);
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.problem))) << problem.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spans, CalendarSpanTest,
    testing::Values(
        SpanCase{"year", u"2027"_s, QDate(2027, 1, 1), QDate(2027, 12, 31), ""},
        SpanCase{"leapFebruary", u"2028-02"_s, QDate(2028, 2, 1), QDate(2028, 2, 29), ""},
        SpanCase{"range", u"2027-03-01:2027-08-31"_s, QDate(2027, 3, 1), QDate(2027, 8, 31), ""},
        SpanCase{"tenYearsExactly", u"2027-03-01:2037-02-28"_s, QDate(2027, 3, 1), QDate(2037, 2, 28), ""},
        SpanCase{"lastYear", u"9999"_s, QDate(9999, 1, 1), QDate(9999, 12, 31), ""},
        SpanCase{"endsBeforeItStarts", u"2027-08-31:2027-03-01"_s, {}, {}, "ends before it starts"},
        SpanCase{"oneDayOverTenYears", u"2027-03-01:2037-03-01"_s, {}, {}, "from 2027-03-01 to 2037-02-28"},
        SpanCase{"noMonth13", u"2027-13"_s, {}, {}, "expected YYYY (a year)"},
        SpanCase{"yearZero", u"0000"_s, {}, {}, "expected YYYY (a year)"},
        SpanCase{"notARealDay", u"2027-02-29:2027-03-01"_s, {}, {}, "real dates"},
        SpanCase{"openEnded", u"2027-03-01:"_s, {}, {}, "expected YYYY (a year)"},
        SpanCase{"words", u"next year"_s, {}, {}, "expected YYYY (a year)"}),
    [](const testing::TestParamInfo<SpanCase> &info) { return std::string(info.param.label); });

struct FilterCase {
    const char *label;
    QStringList finds;
    QString weekdays;
    bool matchesFridayTheFifthOfMarch2027; // Personal Year 3, Month 6, Day 2
    const char *problem; // nullptr: accepted
};

std::ostream &operator<<(std::ostream &os, const FilterCase &c)
{
    return os << c.label;
}

class DayFilterTest : public testing::TestWithParam<FilterCase>
{
};

TEST_P(DayFilterTest, picksTheDaysAskedFor)
{
    const FilterCase &c = GetParam();
    QString problem;
    const auto filter = velmora::DayFilter::parse(c.finds, c.weekdays, &problem);
    if (c.problem != nullptr) {
        EXPECT_FALSE(filter);
        EXPECT_TRUE(problem.contains(QString::fromUtf8(c.problem))) << problem.toStdString();
        return;
    }
    ASSERT_TRUE(filter) << problem.toStdString();
    EXPECT_EQ(filter->matches(CalendarDay{QDate(2027, 3, 5), 3, 6, 2}), c.matchesFridayTheFifthOfMarch2027);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, DayFilterTest,
    testing::Values(FilterCase{"day", {u"personal-day=2"_s}, {}, true, nullptr},
                    FilterCase{"otherDay", {u"personal-day=6"_s}, {}, false, nullptr},
                    FilterCase{"oneOfSeveral", {u"personal-day=6,2"_s}, {}, true, nullptr},
                    FilterCase{"month", {u"personal-month=6"_s}, {}, true, nullptr},
                    FilterCase{"year", {u"personal-year=4"_s}, {}, false, nullptr},
                    FilterCase{"onItsWeekday", {u"personal-day=2"_s}, u"FRI"_s, true, nullptr},
                    FilterCase{"weekdayWrittenOut", {u"personal-day=2"_s}, u"sat,friday"_s, true, nullptr},
                    FilterCase{"onAnotherWeekday", {u"personal-day=2"_s}, u"mon"_s, false, nullptr},
                    FilterCase{"zero", {u"personal-day=0"_s}, {}, false, "expected 1-9"},
                    FilterCase{"master", {u"personal-month=11"_s}, {}, false, "expected 1-9"},
                    FilterCase{"sign", {u"personal-day=+3"_s}, {}, false, "expected 1-9"},
                    FilterCase{"keyAsInJson", {u"personalDay=2"_s}, {}, true, nullptr},
                    FilterCase{"columnInCapitals", {u"PERSONAL_DAY=2"_s}, {}, true, nullptr},
                    FilterCase{"everyWishMet", {u"personal-day=2"_s, u"personal-month=6"_s}, {}, true, nullptr},
                    FilterCase{"oneWishUnmet", {u"personal-day=2"_s, u"personal-year=4"_s}, {}, false, nullptr},
                    FilterCase{"secondWishWrong", {u"personal-day=2"_s, u"personal-year=x"_s}, {}, false, "expected 1-9"},
                    FilterCase{"unknownKey", {u"destiny=3"_s}, {}, false, "expected personal-year=V"},
                    FilterCase{"noValue", {u"personal-day"_s}, {}, false, "expected personal-year=V"},
                    FilterCase{"unknownWeekday", {u"personal-day=2"_s}, u"fry"_s, false, "expected mon, tue"}),
    [](const testing::TestParamInfo<FilterCase> &info) { return std::string(info.param.label); });

TEST(CalendarText, laysAMonthOutAsCalWithEachPersonalDay)
{
    const auto days = velmora::calendarDays(mary(), velmora::classicSystem(), QDate(2027, 2, 1), QDate(2027, 3, 2));
    const std::string expected = "              February 2027\n"
                                 "    Personal Year 3, Personal Month 5\n"
                                 "Su    Mo    Tu    We    Th    Fr    Sa\n"
                                 "       1:6   2:7   3:8   4:9   5:1   6:2\n"
                                 " 7:3   8:4   9:5  10:6  11:7  12:8  13:9\n"
                                 "14:1  15:2  16:3  17:4  18:5  19:6  20:7\n"
                                 "21:8  22:9  23:1  24:2  25:3  26:4  27:5\n"
                                 "28:6\n"
                                 "\n"
                                 "               March 2027\n"
                                 "    Personal Year 3, Personal Month 6\n"
                                 "Su    Mo    Tu    We    Th    Fr    Sa\n"
                                 "       1:7   2:8\n";
    EXPECT_EQ(velmora::calendarText(days, Qt::Sunday), expected);
    const std::string mondayFirst = velmora::calendarText(days, Qt::Monday);
    EXPECT_NE(mondayFirst.find("Mo    Tu    We    Th    Fr    Sa    Su\n 1:6   2:7"), std::string::npos) << mondayFirst;
}

TEST(CalendarTable, writesCsvAndJsonWithTheSameKeys)
{
    const auto days = velmora::calendarDays(mary(), velmora::classicSystem(), QDate(2026, 12, 31), QDate(2027, 1, 1));
    EXPECT_EQ(velmora::calendarCsv(days), "date,personal_year,personal_month,personal_day\r\n"
                                          "2026-12-31,2,5,9\r\n"
                                          "2027-01-01,3,4,5\r\n");
    EXPECT_EQ(velmora::calendarJson(days),
              "[\n"
              "    {\"date\": \"2026-12-31\", \"personalYear\": 2, \"personalMonth\": 5, \"personalDay\": 9},\n"
              "    {\"date\": \"2027-01-01\", \"personalYear\": 3, \"personalMonth\": 4, \"personalDay\": 5}\n"
              "]\n");
    EXPECT_EQ(velmora::calendarJson({}), "[]\n");
}

} // namespace
