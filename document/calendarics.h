// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>
#include <string>
#include <vector>

#include "birthdata.h"
#include "calendardays.h"
#include "system.h"

namespace velmora {

// The days as an iCalendar file: one all-day event a day ("Personal Day 7"),
// one on each month's first day for the Personal Month and one on 1 January
// for the Personal Year (on the span's first day for a month or year the
// span enters later), each with its reading as the description. With
// shownName the titles start with it ("Mary: Personal Day 7"): the caller
// shortens the first name and shows its controls as '?'. An event's UID is
// derived from the person, the system, its kind and the day, month or year it
// stands for, so that importing a calendar again, or one of an overlapping
// span, updates its events rather than adding them twice, and two systems'
// calendars stay apart. stamp is the DTSTAMP of
// every event. With chosenOnly, only the chosen days' Personal Day events.
// The last day an event can fall on: libical writes dates up to the end of the year 3000 only.
inline const QDate kLastIcsDay{3000, 12, 30};

// Requires every day on or before kLastIcsDay.
[[nodiscard]] QByteArray calendarIcs(const BirthData &person, const System &system,
                                     const std::vector<CalendarDay> &days,
                                     const std::optional<std::string> &shownName, const QDateTime &stamp,
                                     bool chosenOnly = false);

} // namespace velmora
