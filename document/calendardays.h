// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

#include <vector>

#include "birthdata.h"
#include "system.h"

namespace velmora {

// One day of a forecast: the person's personal cycles on that date. A cycle
// the system does not define is 0.
struct CalendarDay {
    QDate date;
    int personalYear = 0;
    int personalMonth = 0;
    int personalDay = 0;
    // A day the person asked for (--find): marked on the printed page.
    bool chosen = false;
};

// Every day from first to last (both real dates, first not after last), by
// the system's own formulas. Requires hasValidDate(person).
[[nodiscard]] std::vector<CalendarDay> calendarDays(const BirthData &person, const System &system, QDate first,
                                                    QDate last);

} // namespace velmora
