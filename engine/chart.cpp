// SPDX-License-Identifier: MIT
#include "chart.h"

#include <algorithm>
#include <cassert>

#include "formulas.h"
#include "pinnacle.h"

namespace velmora {
namespace {

using namespace formulas;
using enum NumberId;

// Every number in the order its formula needs the others: Realization reads
// the Destiny and Life Path numbers, the third pinnacle and challenge the
// first two, each personal cycle the one before it.
template<bool kKeep>
void evaluate(const Inputs &in, ChartNumbers &numbers, std::vector<Working> *workings)
{
    const auto steps = [&](NumberId id) {
        if constexpr (kKeep) {
            Working &working = (*workings)[indexOf(id)];
            working.number = id;
            return Steps<true>(&working);
        } else {
            return Steps<false>();
        }
    };
    const auto set = [&](NumberId id, int number) {
        numbers[id].set(number);
        return number;
    };
    const System &system = in.system;
    const std::int64_t day = in.person.BirthDay;
    const std::int64_t month = in.person.BirthMonth;
    const std::int64_t year = in.person.BirthYear;

    const int destiny = set(Destiny, nameNumber(in, Letters::All, steps(Destiny)));
    set(Personality, nameNumber(in, Letters::Consonants, steps(Personality)));
    set(SoulUrge, nameNumber(in, Letters::Vowels, steps(SoulUrge)));
    const int lifePathNumber = set(LifePath, lifePath(in, steps(LifePath)));
    set(Realization, realization(in, lifePathNumber, destiny, steps(Realization)));

    const int first = set(Pinnacle1, pinnacle(in, {{"month", month}, {"day", day}}, steps(Pinnacle1)));
    const int second = set(Pinnacle2, pinnacle(in, {{"day", day}, {"year", year}}, steps(Pinnacle2)));
    set(Pinnacle3, pinnacle(in, {{"Pinnacle 1", first}, {"Pinnacle 2", second}}, steps(Pinnacle3)));
    set(Pinnacle4, pinnacle(in, {{"month", month}, {"year", year}}, steps(Pinnacle4)));

    set(HiddenPassion, hiddenPassion(in, steps(HiddenPassion)));
    set(SubconsciousSelf, subconsciousSelf(in, steps(SubconsciousSelf)));
    set(Attitude, attitude(in, steps(Attitude)));
    set(Birthday, birthday(in, steps(Birthday)));

    const ReductionRule &digit = system.digitReduction;
    const int c1 = set(Challenge1, difference({"month", month}, {"day", day}, digit, steps(Challenge1)));
    const int c2 = set(Challenge2, difference({"day", day}, {"year", year}, digit, steps(Challenge2)));
    set(Challenge3, challengeOfChallenges(c1, c2, steps(Challenge3)));
    set(Challenge4, difference({"month", month}, {"year", year}, digit, steps(Challenge4)));

    const int personalYear = set(
        PersonalYear,
        figureSum({{"birth day", day}, {"birth month", month}, {"year", in.on.year}}, digit, steps(PersonalYear)));
    const int personalMonth = set(
        PersonalMonth, figureSum({{"Personal Year", personalYear}, {"month", in.on.month}}, digit, steps(PersonalMonth)));
    set(PersonalDay, figureSum({{"Personal Month", personalMonth}, {"day", in.on.day}}, digit, steps(PersonalDay)));

    NumberValue &lessons = numbers[KarmicLessons];
    lessons.count = 0;
    const std::uint16_t missing = karmicLessons(in, steps(KarmicLessons));
    for (int value = 1; value <= 9; ++value)
        if ((missing & 1U << value) != 0)
            lessons.add(value);

    // The Karmic Debts: 13, 14, 16 or 19 met as the starting total or a digit
    // sum on the way to these numbers, in this order.
    NumberValue &debts = numbers[KarmicDebts];
    debts.count = 0;
    const auto debtIn = [&](NumberId from, std::int64_t total) {
        if (const int debt = KarmicDebtIn(total); debt != 0) {
            numbers.debtSources[debts.count] = from;
            debts.add(debt);
        }
    };
    debtIn(Destiny, in.letters.sums.full);
    debtIn(SoulUrge, in.letters.sums.vowels);
    debtIn(Personality, in.letters.sums.consonants);
    debtIn(LifePath, day + month + year);
    if (system.birthdayDebt && KarmicDebtIn(day) == day)
        debtIn(Birthday, day);

    for (std::size_t i = 0; i < kNumberCount; ++i)
        numbers.values[i].defined = true;
}

} // namespace

AgeRange pinnaclePeriod(std::size_t place, int by)
{
    assert(place < 4);
    const int v = reduce(by, ReductionRule{});
    constexpr std::array<int, 4> kEnds = {36, 45, 54, 0};
    return {place == 0 ? 0 : kEnds[place - 1] - v + 1, place == 3 ? AgeRange::kOnward : kEnds[place] - v};
}

void evaluateNumbers(const BirthData &person, const System &system, const LetterTally &letters,
                     const CalendarDate &dateOfInterest, ChartNumbers &numbers)
{
    assert(hasValidDate(person) && isRealDate(dateOfInterest.day, dateOfInterest.month, dateOfInterest.year));
    evaluate<false>(Inputs{person, system, letters, dateOfInterest}, numbers, nullptr);
}

Chart::Chart(const BirthData &person, const System &system, const LetterTally &letters,
             const CalendarDate &dateOfInterest, bool withWorking)
    : m_person(person)
    , m_system(&system)
    , m_dateOfInterest(dateOfInterest)
    , m_letters(letters)
{
    assert(hasValidDate(person) && isRealDate(dateOfInterest.day, dateOfInterest.month, dateOfInterest.year));
    const Inputs in{m_person, system, m_letters, m_dateOfInterest};
    if (withWorking) {
        m_workings.resize(kNumberCount);
        evaluate<true>(in, m_numbers, &m_workings);
    } else {
        evaluate<false>(in, m_numbers, nullptr);
    }
    for (std::size_t place = 0; place < m_periods.size(); ++place) {
        const int pinnacleNumber = m_numbers.values[indexOf(Pinnacle1) + place].value();
        const int by = system.periods == PeriodRule::LifePath ? reduce(number(LifePath), ReductionRule{})
                                                                : pinnacleNumber;
        m_periods[place] = pinnaclePeriod(place, by);
        m_periodLabels[place] = by;
    }
}

const NumberValue *Chart::find(std::string_view key) const
{
    const NumberDescriptor *descriptor = findNumber(key);
    return descriptor == nullptr ? nullptr : &m_numbers[descriptor->id];
}

Reading Chart::reading(SectionId section) const
{
    const SectionDescriptor &descriptor = describe(section);
    assert(descriptor.part == Part::Readings);
    if (descriptor.layout == Layout::Pinnacles) {
        std::array<int, 4> pinnacles{};
        for (std::size_t k = 0; k < pinnacles.size(); ++k)
            pinnacles[k] = m_numbers.values[indexOf(descriptor.first) + k].value();
        return PinnacleReading(pinnacles, m_periodLabels);
    }
    return ShowReading(descriptor.table(), descriptor.heading, number(descriptor.first));
}

Chart chartOf(const BirthData &person, const System &system, const CalendarDate &dateOfInterest, bool withWorking)
{
    return Chart(person, system, tallyLetters(person, system), dateOfInterest, withWorking);
}

} // namespace velmora
