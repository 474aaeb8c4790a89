// SPDX-License-Identifier: MIT
#include "chart.h"

#include <algorithm>
#include <cassert>

#include "chaldeantexts.h"
#include "formulas.h"
#include "pinnacletexts.h"

namespace velmora {
namespace {

using namespace formulas;
using enum NumberId;

using ElementWorkings = std::array<std::vector<Working>, kElementCount>;

// Every number in the order its formula needs the others: Realization reads
// the Destiny and Life Path numbers, the third pinnacle and challenge the
// first two, each personal cycle the one before it; then the chart elements,
// every one (kEvery) or those a batch writes. The workings are written only
// with kKeep.
template<bool kKeep, bool kEvery>
void evaluate(const Inputs &in, ChartNumbers &numbers, std::vector<Working> *workings,
              ElementWorkings *elementWorkings)
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
    const std::int64_t day = in.born.day;
    const std::int64_t month = in.born.month;
    const std::int64_t year = in.born.year;

    // What each number drawn from a total was reduced from.
    Origin destinyFrom, personalityFrom, soulUrgeFrom, lifePathFrom, birthdayFrom;
    const auto withOrigin = [&](NumberId id, int number, const Origin &origin) {
        numbers[id].set(number);
        numbers[id].compound = static_cast<std::uint8_t>(origin.compound);
        return number;
    };
    const int destiny = withOrigin(Destiny, nameNumber(in, Letters::All, steps(Destiny), destinyFrom), destinyFrom);
    withOrigin(Personality, nameNumber(in, Letters::Consonants, steps(Personality), personalityFrom), personalityFrom);
    withOrigin(SoulUrge, nameNumber(in, Letters::Vowels, steps(SoulUrge), soulUrgeFrom), soulUrgeFrom);
    const int lifePathNumber = withOrigin(LifePath, lifePath(in, steps(LifePath), lifePathFrom), lifePathFrom);
    set(Realization, realization(in, lifePathNumber, destiny, steps(Realization)));

    const int first = set(Pinnacle1, pinnacle(in, {{"month", month}, {"day", day}}, steps(Pinnacle1)));
    const int second = set(Pinnacle2, pinnacle(in, {{"day", day}, {"year", year}}, steps(Pinnacle2)));
    // The first two as they are, masters included.
    set(Pinnacle3, figureSum({{"Pinnacle 1", first}, {"Pinnacle 2", second}}, system.masterReduction, steps(Pinnacle3)));
    set(Pinnacle4, pinnacle(in, {{"month", month}, {"year", year}}, steps(Pinnacle4)));

    if (system.passion == PassionRule::MostFrequentValue)
        mostFrequentValues(in, steps(HiddenPassion), numbers[HiddenPassion]);
    else
        set(HiddenPassion, hiddenPassion(in, steps(HiddenPassion)));
    set(SubconsciousSelf, subconsciousSelf(in, steps(SubconsciousSelf)));
    set(Attitude, attitude(in, steps(Attitude)));
    withOrigin(Birthday, birthday(in, steps(Birthday), birthdayFrom), birthdayFrom);

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

    // Every value is written in the next place, which it keeps only when it
    // is missing: no branch on what the name holds, 52 -> 40 ns the numbers
    // of a batch row (200,000 generated people, in a loop, least of 30 rounds).
    NumberValue &lessons = numbers[KarmicLessons];
    const std::uint16_t missing = karmicLessons(in, steps(KarmicLessons));
    std::uint8_t count = 0;
    for (int value = 1; value <= 9; ++value) {
        lessons.values[count] = static_cast<std::uint8_t>(value);
        count = static_cast<std::uint8_t>(count + (missing >> value & 1U));
    }
    lessons.count = count;

    // The Karmic Debts: 13, 14, 16 or 19 met as the total a number's working
    // shows or a digit sum on its way down, for these numbers in this order.
    NumberValue &debts = numbers[KarmicDebts];
    debts.count = 0;
    auto debtSteps = steps(KarmicDebts);
    debtSteps.kind(WorkingKind::Debts);
    const auto debtIn = [&](NumberId from, std::int64_t total) {
        if (const int debt = KarmicDebtIn(total); debt != 0) {
            numbers.debtSources[debts.count] = from;
            debts.add(debt);
            if constexpr (kKeep) {
                // The total's digit sums down to the debt.
                std::vector<std::int64_t> down;
                for (std::int64_t n = total; n != debt; n = static_cast<std::int64_t>(digitSum(static_cast<std::uint64_t>(n))))
                    down.push_back(static_cast<std::int64_t>(digitSum(static_cast<std::uint64_t>(n))));
                (*workings)[indexOf(KarmicDebts)].terms.push_back({std::string(describe(from).name), total, down});
            }
        }
    };
    debtIn(Destiny, destinyFrom.total);
    debtIn(SoulUrge, soulUrgeFrom.total);
    debtIn(Personality, personalityFrom.total);
    debtIn(LifePath, lifePathFrom.total);
    if (system.birthdayDebt && KarmicDebtIn(day) == day)
        debtIn(Birthday, day);

    if constexpr (kKeep)
        (*workings)[indexOf(KarmicDebts)].total = Reduction{{debts.count}, false, false};

    const auto rowSteps = [&](ElementId id) {
        return [elementWorkings, id](std::size_t row) {
            if constexpr (kKeep)
                return Steps<true>(&(*elementWorkings)[indexOf(id)][row]);
            else
                return Steps<false>();
        };
    };
    const auto evaluated = [](ElementId id) { return kEvery || !describe(id).column.empty(); };
    if (evaluated(ElementId::Inclusion)) {
        const auto steps = rowSteps(ElementId::Inclusion);
        inclusion(in, numbers.elements.inclusion, [&](std::size_t value) { return steps(value - 1); });
    }
    if (evaluated(ElementId::Planes))
        planes(in, numbers.elements.planes, rowSteps(ElementId::Planes));
}

} // namespace

AgeRange pinnaclePeriod(std::size_t place, int by)
{
    assert(place < 4);
    const int v = reduce(by, ReductionRule{});
    constexpr std::array<int, 4> kEnds = {36, 45, 54, 0};
    return {place == 0 ? 0 : kEnds[place - 1] - v + 1, place == 3 ? AgeRange::kOnward : kEnds[place] - v};
}

void evaluateNumbers(const CalendarDate &born, const System &system, const LetterTally &letters,
                     const CalendarDate &dateOfInterest, ChartNumbers &numbers)
{
    assert(born.day >= 1 && born.day <= 31 && born.month >= 1 && born.month <= 12 && born.year >= kMinYear
           && born.year <= kMaxYear && isRealDate(dateOfInterest.day, dateOfInterest.month, dateOfInterest.year));
    // The batch has the letters tallied, not the name: an element it writes
    // must come from the tally, as the Inclusion table does; the Planes walk the name.
    assert(describe(ElementId::Planes).column.empty());
    evaluate<false, false>(Inputs{born, {}, system, letters, dateOfInterest}, numbers, nullptr, nullptr);
}

Chart::Chart(const BirthData &person, const System &system, const LetterTally &letters,
             const CalendarDate &dateOfInterest, bool withWorking)
    : m_person(person)
    , m_system(&system)
    , m_dateOfInterest(dateOfInterest)
    , m_letters(letters)
{
    assert(hasValidDate(person) && isRealDate(dateOfInterest.day, dateOfInterest.month, dateOfInterest.year));
    const Inputs in{dateOfBirth(m_person), nameParts(m_person), system, m_letters, m_dateOfInterest};
    if (withWorking) {
        m_workings.resize(kNumberCount);
        for (const ElementDescriptor &element : elementDescriptors())
            m_elementWorkings[indexOf(element.id)].resize(element.rows);
        evaluate<true, true>(in, m_numbers, &m_workings, &m_elementWorkings);
    } else {
        evaluate<false, true>(in, m_numbers, nullptr, nullptr);
    }
    if (system.lifePathExplanation != nullptr) {
        Working own;
        if (!withWorking) {
            Origin origin;
            lifePath(in, Steps<true>(&own), origin);
        }
        m_lifePathExplanation = system.lifePathExplanation(in.born, withWorking ? working(LifePath) : own);
    }
    for (std::size_t i = 0; i < kNumberCount; ++i)
        m_numbers.values[i].defined = system.hasNumber(static_cast<NumberId>(i));
    constexpr std::array<std::string_view, 4> kPlaces = {"first", "second", "third", "fourth"};
    for (std::size_t place = 0; place < m_periods.size(); ++place) {
        const int pinnacleNumber = m_numbers.values[indexOf(Pinnacle1) + place].value();
        const bool byLifePath = system.periods == PeriodRule::LifePath;
        const int by = byLifePath ? reduce(number(LifePath), ReductionRule{}) : pinnacleNumber;
        m_periods[place] = pinnaclePeriod(place, by);
        m_periodLabels[place] = by;
        if (withWorking && byLifePath) {
            // "first pinnacle to age 32 (36 − Life Path 4)"
            const AgeRange &ages = m_periods[place];
            std::string lifePath = "Life Path " + std::to_string(number(LifePath));
            if (number(LifePath) != by)
                lifePath += " → " + std::to_string(by);
            std::string note(kPlaces[place]);
            note += " pinnacle ";
            if (place == 0)
                note += "to age " + std::to_string(ages.to) + " (36 − " + lifePath + ")";
            else if (ages.to == AgeRange::kOnward)
                note += "from age " + std::to_string(ages.from) + " on (55 − " + lifePath + ")";
            else
                note += "from age " + std::to_string(ages.from) + " to " + std::to_string(ages.to) + " ("
                    + std::to_string(ages.from + by) + " − " + lifePath + ")";
            m_workings[indexOf(Pinnacle1) + place].notes.push_back(note);
        }
    }
}

const NumberValue *Chart::find(std::string_view key) const
{
    const NumberDescriptor *descriptor = findNumber(key);
    return descriptor == nullptr ? nullptr : &m_numbers[descriptor->id];
}

const ReadingTable &Chart::table(SectionId section) const
{
    const ReadingTable *own = m_system->readingTable != nullptr ? m_system->readingTable(section) : nullptr;
    return own != nullptr ? *own : describe(section).table();
}

std::string_view Chart::explanation(SectionId section) const
{
    if (section == SectionId::LifePath && !m_lifePathExplanation.empty())
        return m_lifePathExplanation;
    return table(section).explanation;
}

Reading Chart::reading(SectionId section) const
{
    const SectionDescriptor &descriptor = describe(section);
    assert(descriptor.part == Part::Readings);
    const ReadingTable &readings = table(section);
    if (descriptor.layout == Layout::Pinnacles) {
        std::array<int, 4> pinnacles{};
        for (std::size_t k = 0; k < pinnacles.size(); ++k)
            pinnacles[k] = m_numbers.values[indexOf(descriptor.first) + k].value();
        return PinnacleReading(pinnacles, m_periodLabels, readings);
    }
    const NumberValue &value = m_numbers[descriptor.first];
    Reading reading = ShowReading(readings, descriptor.heading, value.value());
    // Values tied with the first (Hidden Passion by value), each with its reading.
    for (std::size_t k = 1; k < value.count; ++k) {
        reading.append(Style::Plain, kParagraphBreak);
        reading.append(Style::Heading, descriptor.heading);
        reading.append(Style::Heading, numberText(value.values[k]));
        reading.append(Style::Heading, kParagraphBreak);
        if (const ReadingRow *row = readings.find(value.values[k]))
            reading.appendParagraphs(row->paragraphs);
    }
    if (const CompoundReading *compound = chaldeanCompound(value.compound)) {
        reading.append(Style::Plain, kParagraphBreak);
        reading.append(Style::Heading, kCompoundHeading);
        reading.append(Style::Heading, numberText(compound->number));
        reading.append(Style::Heading, ", ");
        reading.append(Style::Heading, compound->title);
        reading.append(Style::Heading, kParagraphBreak);
        reading.append(Style::Plain, compound->text);
    }
    return reading;
}

Chart chartOf(const BirthData &person, const System &system, const CalendarDate &dateOfInterest, bool withWorking)
{
    return Chart(person, system, tallyLetters(person, system), dateOfInterest, withWorking);
}

} // namespace velmora
