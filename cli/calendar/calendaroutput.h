// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "calendardays.h"

namespace velmora {

// The days one month a block, as cal lays a month out, each date with its
// personal day beside it; the weeks start on firstDay.
[[nodiscard]] std::string calendarText(const std::vector<CalendarDay> &days, Qt::DayOfWeek firstDay);

// One line per day (the days --find picked out): the weekday, the date and
// the three cycles.
[[nodiscard]] std::string daysText(const std::vector<CalendarDay> &days);

// date,personal_year,personal_month,personal_day with CR LF line ends, as the batch writes CSV.
[[nodiscard]] std::string calendarCsv(const std::vector<CalendarDay> &days);

// An array of objects with the keys of the CSV's columns.
[[nodiscard]] std::string calendarJson(const std::vector<CalendarDay> &days);

} // namespace velmora
