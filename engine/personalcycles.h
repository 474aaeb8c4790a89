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

// The cycle a date falls in, all reduced without master numbers (1-9): the
// year is day + month of birth + that year, the month the personal year +
// that month, the day the personal month + that day. The year turns on
// 1 January, not on the birthday.
struct PersonalCycle {
    int year = 0; // the calendar year of the date of interest
    int personalYear = 0;
    int personalMonth = 0;
    int personalDay = 0;

    friend bool operator==(const PersonalCycle &, const PersonalCycle &) = default;
};

// The personal year alone, for the given calendar year.
[[nodiscard]] int PersonalYearOf(const BirthData &data, int year);
// Requires isRealDate for the date of interest.
[[nodiscard]] PersonalCycle PersonalCycleOf(const BirthData &data, const CalendarDate &date);
[[nodiscard]] const ReadingTable &personalYearTable();
[[nodiscard]] const ReadingTable &personalMonthTable();
[[nodiscard]] const ReadingTable &personalDayTable();

inline constexpr std::string_view kPersonalYearTitle = "Personal Year";
inline constexpr std::string_view kPersonalMonthTitle = "Personal Month";
inline constexpr std::string_view kPersonalDayTitle = "Personal Day";

} // namespace velmora
