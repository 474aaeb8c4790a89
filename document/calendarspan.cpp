// SPDX-License-Identifier: MIT
#include "calendarspan.h"

#include <QRegularExpression>
#include <QStringList>

#include "personinput.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

std::optional<QDate> isoDate(const QString &text)
{
    const std::optional<IsoDate> date = parseIsoDate(text.toStdString());
    if (!date)
        return std::nullopt;
    return QDate(date->year, date->month, date->day);
}

} // namespace

std::optional<CalendarSpan> parseCalendarSpan(const QString &text, QString *problem)
{
    static const QRegularExpression year(u"^(\\d{4})$"_s);
    static const QRegularExpression month(u"^(\\d{4})-(\\d{2})$"_s);
    std::optional<CalendarSpan> span;
    if (const QRegularExpressionMatch match = year.match(text); match.hasMatch()) {
        const int y = match.captured(1).toInt();
        if (y >= kMinYear && y <= kMaxYear)
            span = CalendarSpan{QDate(y, 1, 1), QDate(y, 12, 31)};
    } else if (const QRegularExpressionMatch match = month.match(text); match.hasMatch()) {
        const QDate first(match.captured(1).toInt(), match.captured(2).toInt(), 1);
        if (first.isValid() && first.year() >= kMinYear)
            span = CalendarSpan{first, first.addMonths(1).addDays(-1)};
    } else if (text.count(u':') == 1) {
        const std::optional<QDate> first = isoDate(text.section(u':', 0, 0));
        const std::optional<QDate> last = isoDate(text.section(u':', 1, 1));
        if (first && last)
            span = CalendarSpan{*first, *last};
    } else if (const std::optional<QDate> day = isoDate(text)) {
        span = CalendarSpan{*day, *day};
    }
    if (!span) {
        *problem = u"--calendar '%1': expected YYYY (a year), YYYY-MM (a month) or FIRST:LAST written "
                   "YYYY-MM-DD:YYYY-MM-DD, real dates in the years 1-9999"_s.arg(text);
        return std::nullopt;
    }
    if (span->last < span->first) {
        *problem = u"--calendar '%1': the span ends before it starts; expected FIRST:LAST with LAST on or after "
                   "FIRST"_s.arg(text);
        return std::nullopt;
    }
    const QDate latest = span->first.addYears(kMaxCalendarYears).addDays(-1);
    if (span->last > latest) {
        *problem = u"--calendar '%1': the span is longer than %2 years; expected at most %2 years, from %3 to %4 "
                   "at the latest"_s.arg(text)
                       .arg(kMaxCalendarYears)
                       .arg(span->first.toString(Qt::ISODate), latest.toString(Qt::ISODate));
        return std::nullopt;
    }
    return span;
}

} // namespace velmora
