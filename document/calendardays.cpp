// SPDX-License-Identifier: MIT
#include "calendardays.h"

#include "chart.h"
#include "letters.h"

namespace velmora {

std::vector<CalendarDay> calendarDays(const BirthData &person, const System &system, QDate first, QDate last)
{
    std::vector<CalendarDay> days;
    if (!first.isValid() || !last.isValid() || last < first)
        return days;
    days.reserve(static_cast<std::size_t>(first.daysTo(last) + 1));
    // The letters do not change from day to day; only the date of interest does.
    const LetterTally letters = tallyLetters(person, system);
    ChartNumbers numbers;
    const auto valueOf = [&](NumberId id) { return system.hasNumber(id) ? numbers[id].value() : 0; };
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        evaluateNumbers(dateOfBirth(person), system, letters, {date.day(), date.month(), date.year()}, numbers);
        days.push_back({date, valueOf(NumberId::PersonalYear), valueOf(NumberId::PersonalMonth),
                        valueOf(NumberId::PersonalDay)});
    }
    return days;
}

} // namespace velmora
