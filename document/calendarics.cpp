// SPDX-License-Identifier: MIT
#include "calendarics.h"

#include <QCryptographicHash>

#include <cstdlib>
#include <memory>
#include <string>

#include <libical/ical.h>

#include "paragraphrows.h"
#include "personalcycletexts.h"
#include "version.h"

namespace velmora {
namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype icalDate(const QDate &date)
{
    icaltimetype day = icaltime_null_date();
    day.year = date.year();
    day.month = date.month();
    day.day = date.day();
    return day;
}

// The date's VALUE=DATE written out: libical leaves it off a date in the
// year 1, which is then no date to a reader.
icalproperty *allDay(icalproperty *date)
{
    icalproperty_set_parameter(date, icalparameter_new_value(ICAL_VALUE_DATE));
    return date;
}

std::string plainParagraph(std::string_view paragraph)
{
    std::string text(paragraph);
    for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at)) {
        if (at + 1 < text.size() && text[at + 1] == '\n')
            text.erase(at, 1);
        else
            text[at] = '\n';
    }
    return text;
}

class IcsBuilder
{
public:
    IcsBuilder(const BirthData &person, const System &system, const std::optional<std::string> &shownName,
               const QDateTime &stamp)
        : m_calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT))
        , m_stamp(icaltime_from_timet_with_zone(static_cast<time_t>(stamp.toSecsSinceEpoch()), 0,
                                                icaltimezone_get_utc_timezone()))
    {
        icalcomponent_add_property(m_calendar.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(m_calendar.get(),
                                   icalproperty_new_prodid("-//Tavi Velmora//tavi-velmora-cli " VELMORA_VERSION "//EN"));
        icalcomponent_add_property(m_calendar.get(), icalproperty_new_calscale("GREGORIAN"));
        if (shownName)
            m_titlePrefix = *shownName + ": ";
        // Whose events they are and under which rules: a change of name, birth
        // date or system is another calendar, whose events replace none of these.
        m_personKey = person.FirstName + '\x1f' + person.MiddleName + '\x1f' + person.LastName + '\x1f'
            + std::to_string(person.BirthYear) + '-' + std::to_string(person.BirthMonth) + '-'
            + std::to_string(person.BirthDay) + '\x1f' + std::string(system.key);
    }

    // period: what the event stands for ("2027", "2027-03", "2027-03-05"), its
    // key, so that a month's event is the same event whichever day of the month
    // a span starts on.
    void add(const QDate &date, const QString &period, std::string_view kind, std::string_view title, int number,
             const ReadingTable &table)
    {
        const std::string summary = m_titlePrefix + std::string(title) + ' ' + std::to_string(number);
        const std::string description = plainParagraph(paragraphFor(table, number));
        icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(uid(period, kind).c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(m_stamp));
        icalcomponent_add_property(event, allDay(icalproperty_new_dtstart(icalDate(date))));
        icalcomponent_add_property(event, allDay(icalproperty_new_dtend(icalDate(date.addDays(1)))));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
        icalcomponent_add_property(event, icalproperty_new_description(description.c_str()));
        // A reading, not an appointment: the day stays free.
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(m_calendar.get(), event);
    }

    [[nodiscard]] QByteArray text() const
    {
        char *text = icalcomponent_as_ical_string_r(m_calendar.get());
        QByteArray bytes(text);
        std::free(text);
        return bytes;
    }

private:
    [[nodiscard]] std::string uid(const QString &period, std::string_view kind) const
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(QByteArrayView(m_personKey.data(), static_cast<qsizetype>(m_personKey.size())));
        hash.addData(QByteArrayView("\x1f"));
        hash.addData(QByteArrayView(kind.data(), static_cast<qsizetype>(kind.size())));
        hash.addData(QByteArrayView("\x1f"));
        hash.addData(period.toLatin1());
        return hash.result().toHex().left(32).toStdString() + "@tavi-velmora";
    }

    Component m_calendar;
    icaltimetype m_stamp;
    std::string m_titlePrefix;
    std::string m_personKey;
};

} // namespace

QByteArray calendarIcs(const BirthData &person, const System &system, const std::vector<CalendarDay> &days,
                       const std::optional<std::string> &shownName, const QDateTime &stamp, bool chosenOnly)
{
    IcsBuilder builder(person, system, shownName, stamp);
    for (std::size_t k = 0; k < days.size(); ++k) {
        const CalendarDay &day = days[k];
        if (chosenOnly) {
            if (day.chosen)
                builder.add(day.date, day.date.toString(Qt::ISODate), "day", kPersonalDayTitle, day.personalDay,
                            personalDayTable());
            continue;
        }
        if (k == 0 || day.date.dayOfYear() == 1)
            builder.add(day.date, day.date.toString(u"yyyy"), "year", kPersonalYearTitle, day.personalYear,
                        personalYearTable());
        if (k == 0 || day.date.day() == 1)
            builder.add(day.date, day.date.toString(u"yyyy-MM"), "month", kPersonalMonthTitle, day.personalMonth,
                        personalMonthTable());
        builder.add(day.date, day.date.toString(Qt::ISODate), "day", kPersonalDayTitle, day.personalDay,
                    personalDayTable());
    }
    return builder.text();
}

} // namespace velmora
