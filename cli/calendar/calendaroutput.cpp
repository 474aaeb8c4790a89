// SPDX-License-Identifier: MIT
#include "calendaroutput.h"

#include <array>
#include <cstdio>

#include "birthdata.h"
#include "descriptors.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayHeads = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
constexpr std::array<std::string_view, 7> kWeekdayNames = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// A date and its personal day take "dd:n " (a master number "dd:11").
constexpr std::size_t kCellWidth = 5;
constexpr std::size_t kLineWidth = 7 * kCellWidth + 6;

std::string centred(const std::string &text)
{
    // cal puts the odd space after the text; trailing spaces are left off.
    const std::size_t pad = text.size() < kLineWidth ? (kLineWidth - text.size()) / 2 : 0;
    return std::string(pad, ' ') + text + '\n';
}

void trimEnd(std::string &line)
{
    line.erase(line.find_last_not_of(' ') + 1);
}

std::string num(int n)
{
    return std::to_string(n);
}

std::string isoText(const QDate &date)
{
    return date.toString(Qt::ISODate).toStdString();
}

// One month's block: its days, all of one month, in order.
void appendMonth(std::string &text, const CalendarDay *first, const CalendarDay *end, Qt::DayOfWeek firstDay)
{
    const QDate date = first->date;
    text += centred(std::string(monthName(date.month())) + ' ' + num(date.year()));
    text += centred("Personal Year " + num(first->personalYear) + ", Personal Month " + num(first->personalMonth));
    std::string head;
    for (int k = 0; k < 7; ++k) {
        head += kWeekdayHeads[static_cast<std::size_t>((firstDay - 1 + k) % 7)];
        head += std::string(kCellWidth - 1, ' ');
    }
    trimEnd(head);
    text += head + '\n';
    // The column of a day: how many days after the week's first it falls.
    const auto column = [firstDay](const QDate &day) { return (day.dayOfWeek() - firstDay + 7) % 7; };
    std::string line(kCellWidth * static_cast<std::size_t>(column(date)) + static_cast<std::size_t>(column(date)),
                     ' ');
    for (const CalendarDay *day = first; day != end; ++day) {
        const int col = column(day->date);
        if (col == 0 && day != first) {
            trimEnd(line);
            text += line + '\n';
            line.clear();
        }
        std::array<char, 16> cell{};
        std::snprintf(cell.data(), cell.size(), "%2d:%-2d", day->date.day(), day->personalDay);
        line += cell.data();
        line += col == 6 ? "" : " ";
    }
    trimEnd(line);
    text += line + '\n';
}

} // namespace

// cal and ncal -b print a month as
//
//      March 2027
// Su Mo Tu We Th Fr Sa
//     1  2  3  4  5  6
//
// This block differs in that each date carries its personal day after a
// colon (" 1:7"), so a column is five characters wide and the weekday's name
// stands over the date; the second line holds the month's Personal Year and
// Personal Month; a month has only the weeks it needs (cal always prints
// six), lines carry no trailing spaces, and months follow one another down
// the page with a blank line between them rather than three abreast. A span
// that starts or ends within a month shows only its own days.
std::string calendarText(const std::vector<CalendarDay> &days, Qt::DayOfWeek firstDay)
{
    std::string text;
    for (std::size_t k = 0; k < days.size();) {
        std::size_t end = k;
        while (end < days.size() && days[end].date.month() == days[k].date.month()
               && days[end].date.year() == days[k].date.year())
            ++end;
        if (k > 0)
            text += '\n';
        appendMonth(text, days.data() + k, days.data() + end, firstDay);
        k = end;
    }
    return text;
}

std::string daysText(const std::vector<CalendarDay> &days)
{
    std::string text;
    for (const CalendarDay &day : days) {
        text.append(kWeekdayNames[static_cast<std::size_t>(day.date.dayOfWeek() - 1)])
            .append(" ")
            .append(isoText(day.date))
            .append("  Personal Year " + num(day.personalYear) + ", Personal Month " + num(day.personalMonth)
                    + ", Personal Day " + num(day.personalDay) + "\n");
    }
    return text;
}

std::string calendarCsv(const std::vector<CalendarDay> &days)
{
    std::string text = "date,personal_year,personal_month,personal_day\r\n";
    for (const CalendarDay &day : days)
        text += isoText(day.date) + ',' + num(day.personalYear) + ',' + num(day.personalMonth) + ','
            + num(day.personalDay) + "\r\n";
    return text;
}

std::string calendarJson(const std::vector<CalendarDay> &days)
{
    // The cycles under their keys, as every JSON output names numbers.
    const auto member = [](NumberId id, int value) {
        return ", \"" + std::string(describe(id).key) + "\": " + num(value);
    };
    std::string text = "[";
    for (std::size_t k = 0; k < days.size(); ++k) {
        const CalendarDay &day = days[k];
        text += std::string(k == 0 ? "" : ",") + "\n    {\"date\": \"" + isoText(day.date) + '"'
            + member(NumberId::PersonalYear, day.personalYear) + member(NumberId::PersonalMonth, day.personalMonth)
            + member(NumberId::PersonalDay, day.personalDay) + '}';
    }
    text += days.empty() ? "]\n" : "\n]\n";
    return text;
}

} // namespace velmora
