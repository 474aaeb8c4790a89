// SPDX-License-Identifier: MIT
#include "forecastexport.h"

#include <QLocale>

#include <algorithm>

#include "calendardocument.h"
#include "calendarics.h"
#include "platform.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {

std::vector<CalendarDay> ForecastExport::days() const
{
    std::vector<CalendarDay> days = calendarDays(person, *system, span.first, span.last);
    if (filter)
        for (CalendarDay &day : days)
            day.chosen = filter->matches(day);
    return days;
}

QByteArray ForecastExport::bytes(ForecastFile file, const std::vector<CalendarDay> &days,
                                 const QDateTime &stamp) const
{
    if (file == ForecastFile::Pdf)
        return calendarPdf(person, days, localePageSize(), QLocale().firstDayOfWeek(),
                           filter ? filter->words() : QString());
    // As the tool writes it without --ics-name: the client's own calendar needs no name in each title.
    return calendarIcs(person, *system, days, std::nullopt, stamp, filter.has_value());
}

QString ForecastExport::problem(ForecastFile file, const std::vector<CalendarDay> &days) const
{
    if (file != ForecastFile::Ics)
        return {};
    if (span.last > kLastIcsDay)
        return u"A calendar file holds days up to %1: choose months that end by then."_s.arg(
            kLastIcsDay.toString(Qt::ISODate));
    if (filter) {
        if (std::ranges::none_of(days, &CalendarDay::chosen))
            return u"No day from %1 to %2 is among the days chosen, so the calendar file would be empty: choose "
                   "other days or months."_s.arg(span.first.toString(Qt::ISODate), span.last.toString(Qt::ISODate));
    }
    return {};
}

ChosenFile ForecastExport::chosenFile(ForecastFile file)
{
    if (file == ForecastFile::Ics)
        return {{FileDialogRequest::Mode::Save, u"Export Calendar File"_s, u"Calendar files (*.ics)"_s, u"ics"_s,
                 documentsFolder()},
                u"calendar file"_s,
                u".ics"_s};
    return {{FileDialogRequest::Mode::Save, u"Export Calendar PDF"_s, u"PDF documents (*.pdf)"_s, u"pdf"_s,
             documentsFolder()},
            u"PDF file"_s,
            u".pdf"_s};
}

} // namespace velmora::desk
