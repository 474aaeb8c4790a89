// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

#include "birthdata.h"
#include "calendardays.h"
#include "calendarspan.h"
#include "chosenfile.h"
#include "dayfilter.h"

namespace velmora {
struct System;
}

namespace velmora::desk {

enum class ForecastFile { Ics, Pdf };

// A forecast to export: the person's days over the span under the system,
// with the days the filter picks out chosen. Its files are the tool's for
// --calendar with --ics or --pdf (and --find for the filter): the calendar
// file holds only the chosen days when there is a filter.
struct ForecastExport {
    BirthData person;
    const System *system = nullptr;
    CalendarSpan span;
    std::optional<DayFilter> filter;

    // The span's days, worked out once for problem() and bytes().
    [[nodiscard]] std::vector<CalendarDay> days() const;
    // The file's bytes of the days, stamp the calendar file's DTSTAMP; empty
    // when the PDF cannot be drawn.
    [[nodiscard]] QByteArray bytes(ForecastFile file, const std::vector<CalendarDay> &days,
                                   const QDateTime &stamp) const;
    // Why the file of the days would be no use, said before any dialog: a
    // span beyond the last day a calendar file can hold, or no day of it
    // chosen. Empty when it may be made.
    [[nodiscard]] QString problem(ForecastFile file, const std::vector<CalendarDay> &days) const;
    // The file's dialog (starting in the documents folder), kind and extension.
    [[nodiscard]] static ChosenFile chosenFile(ForecastFile file);
};

} // namespace velmora::desk
