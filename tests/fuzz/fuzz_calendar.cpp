// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes, as the tool gets its arguments (through QString),
// to the parsers of --calendar, --find and --weekday: three lines, one for
// each (the second holds every --find, apart by tabs). A span is found or refused with a message, never both; a found span
// runs forward and holds at most ten years; a filter is found or refused
// likewise, and picks out only days that carry the value it names.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "birthdata.h"
#include "calendardays.h"
#include "calendarspan.h"
#include "personinput.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const velmora::BirthData &mary()
{
    static const velmora::BirthData person = [] {
        velmora::BirthData data;
        check(velmora::readPerson({"Mary", "", "Smith", "1985-03-07"}, data) == velmora::InputFault::None);
        return data;
    }();
    return person;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)).split(u'\n');
    QString problem;
    const std::optional<velmora::CalendarSpan> span = velmora::parseCalendarSpan(lines.value(0), &problem);
    check(span.has_value() == problem.isEmpty());
    if (span) {
        check(span->first.isValid() && span->last.isValid() && span->first <= span->last);
        check(span->last < span->first.addYears(velmora::kMaxCalendarYears));
    }
    problem.clear();
    const std::optional<velmora::DayFilter> filter =
        velmora::DayFilter::parse(lines.value(1).split(u'\t'), lines.value(2), &problem);
    check(filter.has_value() == problem.isEmpty());
    if (span && filter) {
        // A month of the span is enough to see the filter at work.
        const QDate last = std::min(span->last, span->first.addDays(31));
        const std::vector<velmora::CalendarDay> days =
            velmora::calendarDays(mary(), velmora::classicSystem(), span->first, last);
        check(days.size() == static_cast<std::size_t>(span->first.daysTo(last) + 1));
        for (const velmora::CalendarDay &day : days) {
            if (filter->matches(day))
                check(lines.value(1).contains(QString::number(day.personalDay))
                      || lines.value(1).contains(QString::number(day.personalMonth))
                      || lines.value(1).contains(QString::number(day.personalYear)));
        }
    }
    return 0;
}
