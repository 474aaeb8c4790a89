// SPDX-License-Identifier: MIT
#pragma once

namespace velmora {

// A day of the Gregorian calendar: the date of interest of the personal cycles.
struct CalendarDate {
    int day = 1;
    int month = 1;
    int year = 1;

    friend bool operator==(const CalendarDate &, const CalendarDate &) = default;
};

} // namespace velmora
