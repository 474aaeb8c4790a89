// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>

#include <vector>

#include "birthdata.h"
#include "calendardays.h"

namespace velmora {

// The days as an iCalendar file: one all-day event a day ("Personal Day 7"),
// one on each month's first day for the Personal Month and one on 1 January
// for the Personal Year (on the span's first day for a month or year the
// span enters later), each with its reading as the description. With
// withName the titles start with the person's first name ("Mary: Personal
// Day 7"), shortened and with its controls shown as '?' (visibleText). An event's UID is derived from the person, its date and its kind,
// so that importing a calendar again updates its events rather than adding
// them twice. stamp is the DTSTAMP of every event.
// The last day an event can fall on: libical writes dates up to the end of the year 3000 only.
inline const QDate kLastIcsDay{3000, 12, 30};

// Requires every day on or before kLastIcsDay.
[[nodiscard]] QByteArray calendarIcs(const BirthData &person, const std::vector<CalendarDay> &days, bool withName,
                                     const QDateTime &stamp);

} // namespace velmora
