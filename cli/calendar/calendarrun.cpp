// SPDX-License-Identifier: MIT
#include "calendarrun.h"

#include <QLocale>

#include <algorithm>
#include <iterator>

#include "calendardocument.h"
#include "calendarics.h"
#include "calendaroutput.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "readingdocument.h"
#include "shortenedtext.h"

using namespace Qt::StringLiterals;

namespace velmora {

CalendarRun::CalendarRun(const CliOptions &options, CalendarSpan span)
    : m_options(&options)
    , m_span(span)
{
}

std::optional<CalendarRun> CalendarRun::fromOptions(const CliOptions &options, CliStreams &streams)
{
    QString problem;
    const std::optional<CalendarSpan> span = parseCalendarSpan(options.calendar, &problem);
    if (!span) {
        streams.usageError(problem);
        return std::nullopt;
    }
    CalendarRun calendar(options, *span);
    if (options.findGiven) {
        calendar.m_filter = DayFilter::parse(options.find, options.weekday, &problem);
        if (!calendar.m_filter) {
            streams.usageError(problem);
            return std::nullopt;
        }
    }
    if (!options.icsFile.isEmpty() && span->last > kLastIcsDay) {
        streams.usageError(u"--ics: a calendar file holds days up to %1; expected a span that ends by then"_s.arg(
            kLastIcsDay.toString(Qt::ISODate)));
        return std::nullopt;
    }
    return calendar;
}

int CalendarRun::run(const BirthData &person, CliStreams &streams) const
{
    const CliOptions &options = *m_options;
    std::vector<CalendarDay> days = calendarDays(person, *options.system, m_span.first, m_span.last);
    if (m_filter)
        for (CalendarDay &day : days)
            day.chosen = m_filter->matches(day);
    for (const QString &file : {options.pdfFile, options.icsFile}) {
        if (const int status = streams.checkName(file); status != Success)
            return status;
    }
    if (!options.pdfFile.isEmpty()) {
        const int status = streams.writePdf(options.pdfFile, calendarPdf(person, days, localePageSize(),
                                                                         QLocale().firstDayOfWeek(), chosenWords()));
        if (status != Success)
            return status;
    }
    if (!options.icsFile.isEmpty()) {
        // The name shown as the text output shows it, and shortened: every title repeats it.
        const std::optional<std::string> shownName =
            options.icsName ? std::optional(visibleText(shortenedText(person.FirstName))) : std::nullopt;
        const int status = streams.writeMadeFile(
            options.icsFile, calendarIcs(person, *options.system, days, shownName, m_now(), m_filter.has_value()),
            u"calendar file"_s, u".ics"_s);
        if (status != Success)
            return status;
    }
    return options.printed ? streams.writeAll(printedText(days)) : Success;
}

QString CalendarRun::chosenWords() const
{
    return m_filter ? m_filter->words() : QString();
}

std::string CalendarRun::printedText(const std::vector<CalendarDay> &days) const
{
    std::vector<CalendarDay> shown;
    if (m_filter)
        std::ranges::copy_if(days, std::back_inserter(shown), &CalendarDay::chosen);
    const std::vector<CalendarDay> &listed = m_filter ? shown : days;
    switch (m_options->format) {
    case OutputFormat::Json:
        return calendarJson(listed);
    case OutputFormat::Csv:
        return calendarCsv(listed);
    case OutputFormat::Text:
        break;
    }
    if (!m_filter)
        return calendarText(listed, QLocale().firstDayOfWeek());
    if (listed.empty())
        return "No day from " + m_span.first.toString(Qt::ISODate).toStdString() + " to "
            + m_span.last.toString(Qt::ISODate).toStdString() + " matches.\n";
    return velmora::daysText(listed);
}

} // namespace velmora
