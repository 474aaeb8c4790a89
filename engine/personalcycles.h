// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// A day of the Gregorian calendar: the date of interest of the personal cycles.
struct CalendarDate {
    int day = 1;
    int month = 1;
    int year = 1;

    friend bool operator==(const CalendarDate &, const CalendarDate &) = default;
};

[[nodiscard]] const ReadingTable &personalYearTable();
[[nodiscard]] const ReadingTable &personalMonthTable();
[[nodiscard]] const ReadingTable &personalDayTable();

inline constexpr std::string_view kPersonalYearTitle = "Personal Year";
inline constexpr std::string_view kPersonalMonthTitle = "Personal Month";
inline constexpr std::string_view kPersonalDayTitle = "Personal Day";

} // namespace velmora
