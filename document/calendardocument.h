// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <vector>

#include "birthdata.h"
#include "calendardays.h"

class QPagedPaintDevice;

namespace velmora {

// The printed calendar's name: the PDF's title.
[[nodiscard]] QString calendarTitle(const BirthData &person);

// Paints one month a page: the month and year with the month's Personal
// Month and Personal Year over a grid of its weeks (starting on firstDay),
// each day's cell with its date and, large, its personal day; a day outside
// the span stays empty, a chosen day is shaded and marked "chosen". Under the
// grid, a key of what each Personal Day means and, when chosenWords names the
// wishes the chosen days meet, what the mark stands for. The margins and the
// footer (the person's name, "Page N of M") are the reading document's. False
// when the device cannot be painted on or refuses a new page.
[[nodiscard]] bool paintCalendar(QPagedPaintDevice &device, const BirthData &person,
                                 const std::vector<CalendarDay> &days, Qt::DayOfWeek firstDay,
                                 const QString &chosenWords = {});

// The calendar as a PDF document with its title and creator set; empty when
// it cannot be drawn.
[[nodiscard]] QByteArray calendarPdf(const BirthData &person, const std::vector<CalendarDay> &days,
                                     const QPageSize &pageSize, Qt::DayOfWeek firstDay,
                                     const QString &chosenWords = {});

} // namespace velmora
