// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "calendardays.h"

namespace velmora {

// The days --find (and --weekday) pick out: for every --find, its personal
// cycle with one of its values, on one of the weekdays (every weekday when
// none is named).
class DayFilter
{
public:
    enum class Cycle { Year, Month, Day };

    // Each of finds: KEY=V[,V...] with KEY the personal year, month or day
    // named as findNumberByName takes it (personal-day, personalDay ...) and
    // V 1-9; weekdays: empty, or mon ... sun apart by commas.
    [[nodiscard]] static std::optional<DayFilter> parse(const QStringList &finds, const QString &weekdays,
                                                        QString *problem);

    // Days whose cycle has one of values (bit v: the value v).
    void addWish(Cycle cycle, unsigned values) { m_wishes.push_back({cycle, values}); }
    // Only these weekdays (bit d: 1 Monday ... 7 Sunday); 0: every day.
    void setWeekdays(unsigned weekdays) { m_weekdays = weekdays; }

    [[nodiscard]] bool matches(const CalendarDay &day) const;

    // The wishes in words, as the printed calendar's key gives them:
    // "Personal Day 6 or 8, Personal Month 3, on Fridays".
    [[nodiscard]] QString words() const;

    // "personal-year", "personal-month", "personal-day": the keys of --find.
    [[nodiscard]] static QStringList keys();

private:
    struct Wish {
        Cycle cycle;
        unsigned values; // bit v: the value v is asked for
    };
    std::vector<Wish> m_wishes;
    unsigned m_weekdays = 0; // bit d (1 Monday ... 7 Sunday); 0: every day
};

} // namespace velmora
