// SPDX-License-Identifier: MIT
#include "dayfilter.h"

#include <algorithm>
#include <array>

#include "numbernames.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr std::array<QStringView, 7> kWeekdays = {u"mon", u"tue", u"wed", u"thu", u"fri", u"sat", u"sun"};

struct CycleKey {
    QStringView key;
    NumberId number;
    DayFilter::Cycle cycle;
};

// The cycles --find picks days by, in the order its usage error names them.
constexpr std::array<CycleKey, 3> kCycles = {{{u"personal-year", NumberId::PersonalYear, DayFilter::Cycle::Year},
                                              {u"personal-month", NumberId::PersonalMonth, DayFilter::Cycle::Month},
                                              {u"personal-day", NumberId::PersonalDay, DayFilter::Cycle::Day}}};

// The personal cycle a number is, or nothing for any other number.
std::optional<DayFilter::Cycle> cycleOf(NumberId id)
{
    const auto *const found = std::ranges::find(kCycles, id, &CycleKey::number);
    return found == kCycles.end() ? std::nullopt : std::optional(found->cycle);
}

} // namespace

QStringList DayFilter::keys()
{
    QStringList keys;
    for (const CycleKey &cycle : kCycles)
        keys << cycle.key.toString();
    return keys;
}

std::optional<DayFilter> DayFilter::parse(const QStringList &finds, const QString &weekdays, QString *problem)
{
    DayFilter filter;
    for (const QString &find : finds) {
        const QString key = find.section(u'=', 0, 0);
        const QString values = find.section(u'=', 1);
        const NumberDescriptor *number = findNumberByName(key.toStdString());
        const auto cycle = number == nullptr ? std::nullopt : cycleOf(number->id);
        if (!find.contains(u'=') || !cycle) {
            QStringList forms;
            for (const QString &each : keys())
                forms << each + u"=V"_s;
            *problem = u"--find '%1': expected %2 or %3 (V 1-9, several apart by commas)"_s.arg(
                find, forms.mid(0, forms.size() - 1).join(u", "_s), forms.constLast());
            return std::nullopt;
        }
        Wish wish{*cycle, 0};
        for (const QString &value : values.split(u',')) {
            bool isNumber = false;
            const int v = value.toInt(&isNumber);
            const bool digitsOnly = !value.isEmpty() && std::ranges::all_of(value, [](QChar c) { return c.isDigit(); });
            if (!isNumber || !digitsOnly || v < 1 || v > 9) {
                *problem = u"--find '%1': '%2' is not a value a %3 can take; expected 1-9"_s.arg(
                    find, value, QString::fromUtf8(number->name.data(), qsizetype(number->name.size())).toLower());
                return std::nullopt;
            }
            wish.values |= 1u << v;
        }
        filter.m_wishes.push_back(wish);
    }
    if (!weekdays.isEmpty()) {
        for (const QString &name : weekdays.split(u',')) {
            const QString lower = name.trimmed().toLower();
            const auto found = std::ranges::find_if(kWeekdays, [&](QStringView day) {
                return lower.size() >= 3 && lower.startsWith(day);
            });
            static const QStringList kFull = {u"monday"_s, u"tuesday"_s, u"wednesday"_s, u"thursday"_s,
                                              u"friday"_s, u"saturday"_s, u"sunday"_s};
            const auto index = found - kWeekdays.begin();
            if (found == kWeekdays.end() || (lower.size() > 3 && lower != kFull[index])) {
                *problem = u"--weekday '%1': expected mon, tue, wed, thu, fri, sat or sun (several apart by "
                           "commas)"_s.arg(weekdays);
                return std::nullopt;
            }
            filter.m_weekdays |= 1u << (index + 1);
        }
    }
    return filter;
}

QString DayFilter::words() const
{
    static constexpr std::array<QStringView, 3> kCycles = {u"Personal Year", u"Personal Month", u"Personal Day"};
    static constexpr std::array<QStringView, 7> kPlural = {u"Mondays", u"Tuesdays", u"Wednesdays", u"Thursdays",
                                                           u"Fridays", u"Saturdays", u"Sundays"};
    const auto either = [](const QStringList &items) {
        return items.size() < 2 ? items.join(QString()) : items.mid(0, items.size() - 1).join(u", "_s) + u" or "_s + items.constLast();
    };
    QStringList parts;
    for (const Wish &wish : m_wishes) {
        QStringList values;
        for (int v = 1; v <= 9; ++v)
            if ((wish.values & (1u << v)) != 0)
                values << QString::number(v);
        parts << kCycles[static_cast<std::size_t>(wish.cycle)].toString() + u' ' + either(values);
    }
    QStringList days;
    for (int d = 1; d <= 7; ++d)
        if ((m_weekdays & (1u << d)) != 0)
            days << kPlural[static_cast<std::size_t>(d - 1)].toString();
    if (!days.isEmpty())
        parts << u"on "_s + either(days);
    return parts.join(u", "_s);
}

bool DayFilter::matches(const CalendarDay &day) const
{
    const auto met = [&](const Wish &wish) {
        const int value = wish.cycle == Cycle::Year ? day.personalYear
            : wish.cycle == Cycle::Month            ? day.personalMonth
                                                    : day.personalDay;
        return value >= 0 && value <= 31 && (wish.values & (1u << value)) != 0;
    };
    if (!std::ranges::all_of(m_wishes, met))
        return false;
    return m_weekdays == 0 || (m_weekdays & (1u << day.date.dayOfWeek())) != 0;
}

} // namespace velmora
