// SPDX-License-Identifier: MIT
#include "morenumbers.h"

#include <cassert>

#include "birthday.h"
#include "challenges.h"
#include "compatibility.h"
#include "karmiclessons.h"
#include "lifepath.h"
#include "realization.h"
#include "paragraphrows.h"
#include "pinnacle.h"

namespace velmora {
namespace {

NumberReading readingOf(int number, const ReadingTable &table)
{
    return {number, paragraphFor(table, number)};
}

} // namespace

MoreNumbers CalculateMoreNumbers(const BirthData &data, const CalendarDate &dateOfInterest)
{
    assert(hasValidDate(data) && isRealDate(dateOfInterest.day, dateOfInterest.month, dateOfInterest.year));
    MoreNumbers more;
    more.lifePath = readingOf(LifePathNumber(data), lifePathTable());
    more.birthday = readingOf(BirthdayOf(data), birthdayTable());

    const ChallengeNumbers challenges = ChallengeNumbersOf(data);
    const std::array<AgeRange, 4> periods = pinnaclePeriods(PinnacleNumbersOf(data));
    for (std::size_t i = 0; i < challenges.size(); ++i)
        more.challenges[i] = {challenges[i], periods[i], paragraphFor(challengeTable(), challenges[i])};

    const PersonalCycle cycle = PersonalCycleOf(data, dateOfInterest);
    more.dateOfInterest = dateOfInterest;
    more.personalYear = readingOf(cycle.personalYear, personalYearTable());
    more.personalMonth = readingOf(cycle.personalMonth, personalMonthTable());
    more.personalDay = readingOf(cycle.personalDay, personalDayTable());

    for (const int lesson : KarmicLessonsOf(data))
        more.karmicLessons.push_back(readingOf(lesson, karmicLessonTable()));

    for (const KarmicDebt &debt : KarmicDebtsOf(data))
        more.karmicDebts.push_back({debt, paragraphFor(karmicDebtTable(), debt.debt)});
    return more;
}

MoreColumns CalculateMoreColumns(const BirthData &data, const LetterTally &letters, const CalendarDate &dateOfInterest)
{
    assert(hasValidDate(data) && isRealDate(dateOfInterest.day, dateOfInterest.month, dateOfInterest.year));
    MoreColumns columns;
    columns.lifePath = LifePathNumber(data);
    columns.birthday = BirthdayOf(data);
    columns.challenges = ChallengeNumbersOf(data);
    columns.personalYear = PersonalYearOf(data, dateOfInterest.year);
    columns.lessons = karmicLessonBits(letters.values);
    for (const auto &[number, total] : karmicDebtTotals(data, letters.sums)) {
        if (const int debt = KarmicDebtIn(total); debt != 0)
            columns.debts[columns.debtCount++] = debt;
    }
    return columns;
}

std::array<TitledTable, 10> moreReadingTables()
{
    return {{
        {kLifePathTitle, &lifePathTable()},
        {kBirthdayTitle, &birthdayTable()},
        {kChallengesTitle, &challengeTable()},
        {kPersonalYearTitle, &personalYearTable()},
        {kPersonalMonthTitle, &personalMonthTable()},
        {kPersonalDayTitle, &personalDayTable()},
        {kKarmicLessonsTitle, &karmicLessonTable()},
        {kKarmicDebtsTitle, &karmicDebtTable()},
        {"Life Paths Compared", &lifePathRelationTable()},
        {"Destinies Compared", &destinyRelationTable()},
    }};
}

} // namespace velmora
