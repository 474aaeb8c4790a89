// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

#include "calendardays.h"
#include "dayfilter.h"

namespace velmora {

inline constexpr int kMaxCalendarYears = 10;

// The days a calendar covers, first and last included.
struct CalendarSpan {
    QDate first;
    QDate last;
};

// The span a --calendar value names: YYYY (a year), YYYY-MM (a month),
// YYYY-MM-DD (a day) or FIRST:LAST written YYYY-MM-DD, at most ten years.
// Nothing, with the usage error's text in problem, when it names none.
[[nodiscard]] std::optional<CalendarSpan> parseCalendarSpan(const QString &text, QString *problem);

} // namespace velmora
