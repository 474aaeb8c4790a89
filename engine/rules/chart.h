// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "birthdata.h"
#include "calendardate.h"
#include "descriptors.h"
#include "letters.h"
#include "numberid.h"
#include "planes.h"
#include "reading.h"
#include "system.h"
#include "working.h"

namespace velmora {

// One number of a chart: a single value, or a list (the Karmic Lessons and
// Debts). A number the system does not define stays undefined.
struct NumberValue {
    static constexpr std::size_t kMaxValues = 9;

    // Not cleared on construction: a batch row's numbers are all set by
    // evaluateNumbers, and only the first count values are read.
    bool defined;
    std::uint8_t count;
    std::array<std::uint8_t, kMaxValues> values;
    // The compound number beside the root, where the system has compounds
    // (10-52); 0 for none. Set by every formula that can find one.
    std::uint8_t compound;

    [[nodiscard]] int value() const { return values[0]; }
    [[nodiscard]] std::span<const std::uint8_t> list() const { return {values.data(), count}; }

    void set(int number)
    {
        count = 1;
        values[0] = static_cast<std::uint8_t>(number);
    }
    void add(int number)
    {
        if (count < kMaxValues)
            values[count++] = static_cast<std::uint8_t>(number);
    }
};

// Heads the reading of a compound number: "Compound number 33, Love, Money and Creativity".
inline constexpr std::string_view kCompoundHeading = "Compound number ";

// The ages a pinnacle, and the challenge of the same place, covers; to is
// kOnward for the fourth.
struct AgeRange {
    static constexpr int kOnward = -1;
    int from = 0;
    int to = kOnward;

    friend bool operator==(const AgeRange &, const AgeRange &) = default;
};

// The ages of pinnacle place (0-3) by the period rule: with v the number it
// goes by (the pinnacle's own, or the Life Path) reduced to one digit, the
// first lasts from birth to 36 - v, the second from 37 - v to 45 - v, the
// third from 46 - v to 54 - v, the fourth from 55 - v on.
[[nodiscard]] AgeRange pinnaclePeriod(std::size_t place, int by);

// The chart elements of one person: how many letters carry each value 1-9
// (index 0 unused), the Inclusion table; and the Planes of Expression, by Plane.
struct ChartElements {
    std::array<std::uint32_t, 10> inclusion;
    Planes planes;
};

// Every number of one person under one system, and the chart elements, without
// readings or working: all that a batch row needs, held without allocating.
struct ChartNumbers {
    std::array<NumberValue, kNumberCount> values;
    // The number each Karmic Debt was met in, in the order of the debts.
    std::array<NumberId, NumberValue::kMaxValues> debtSources;
    // A batch row evaluates only the elements it has a column for.
    ChartElements elements;

    [[nodiscard]] const NumberValue &operator[](NumberId id) const { return values[indexOf(id)]; }
    [[nodiscard]] NumberValue &operator[](NumberId id) { return values[indexOf(id)]; }
};

// Every number by the system's formulas, and the chart elements a batch
// writes, from the date of birth and the letters already tallied
// (tallyLetters with the same system). Requires a date of birth of day 1-31,
// month 1-12, year 1-9999 and a real date of interest. Allocates nothing, and
// leaves `defined` to the caller, who knows which numbers it writes
// (System::hasNumber).
void evaluateNumbers(const CalendarDate &born, const System &system, const LetterTally &letters,
                     const CalendarDate &dateOfInterest, ChartNumbers &numbers);

// Everything worked out for one person under one system and one date of
// interest: every number by its key, its reading and, when asked for, its
// working. Every output shows a chart; none works a number out again.
class Chart
{
public:
    // letters: the person's letters as tallyLetters gives them under the system.
    Chart(const BirthData &person, const System &system, const LetterTally &letters,
          const CalendarDate &dateOfInterest, bool withWorking);

    [[nodiscard]] const BirthData &person() const { return m_person; }
    [[nodiscard]] const System &system() const { return *m_system; }
    [[nodiscard]] const CalendarDate &dateOfInterest() const { return m_dateOfInterest; }
    [[nodiscard]] const LetterTally &letters() const { return m_letters; }
    [[nodiscard]] const ChartNumbers &numbers() const { return m_numbers; }

    [[nodiscard]] const NumberValue &operator[](NumberId id) const { return m_numbers[id]; }
    [[nodiscard]] int number(NumberId id) const { return m_numbers[id].value(); }
    // The number with this key ("destiny", "pinnacle3", "personalYear"), or nullptr.
    [[nodiscard]] const NumberValue *find(std::string_view key) const;

    // The ages of the four pinnacles and challenges, by the system's period rule.
    [[nodiscard]] const std::array<AgeRange, 4> &periods() const { return m_periods; }
    // The row of the pinnacle table whose age labels each pinnacle reads.
    [[nodiscard]] const std::array<int, 4> &periodLabels() const { return m_periodLabels; }

    // How many letters carry each value 1-9 (index 0 unused): the Inclusion table.
    [[nodiscard]] const std::array<std::uint32_t, 10> &inclusion() const { return m_numbers.elements.inclusion; }
    // The Planes of Expression, by Plane.
    [[nodiscard]] const Planes &planes() const { return m_numbers.elements.planes; }
    [[nodiscard]] const PlaneValue &plane(Plane plane) const { return planes()[indexOf(plane)]; }

    [[nodiscard]] bool hasWorking() const { return !m_workings.empty(); }
    // One row of a chart element's working (a value of the Inclusion table, a
    // plane), row below describe(id).rows. Requires hasWorking().
    [[nodiscard]] const Working &working(ElementId id, std::size_t row) const
    {
        return m_elementWorkings[indexOf(id)][row];
    }
    // Requires hasWorking().
    [[nodiscard]] const Working &working(NumberId id) const { return m_workings[indexOf(id)]; }

    // Whether the chart's system has the section's numbers at all.
    [[nodiscard]] bool shows(SectionId section) const { return m_numbers[describe(section).first].defined; }
    // The reading table of a section under the chart's system.
    [[nodiscard]] const ReadingTable &table(SectionId section) const;
    // The explanation a section's reading opens with: the table's, or where
    // the system works an example date, the person's own date worked.
    [[nodiscard]] std::string_view explanation(SectionId section) const;

    // The reading of one of the window's eight tabs, as its view shows it.
    [[nodiscard]] Reading reading(SectionId section) const;

private:
    BirthData m_person;
    const System *m_system;
    CalendarDate m_dateOfInterest;
    LetterTally m_letters;
    ChartNumbers m_numbers{};
    std::array<AgeRange, 4> m_periods{};
    std::array<int, 4> m_periodLabels{};
    std::vector<Working> m_workings;
    std::array<std::vector<Working>, kElementCount> m_elementWorkings;
    // The Life Path's explanation on this person's date, where the system works one.
    std::string m_lifePathExplanation;
};

// The chart of one person. Requires hasValidDate(person) and a real date of interest.
[[nodiscard]] Chart chartOf(const BirthData &person, const System &system, const CalendarDate &dateOfInterest,
                            bool withWorking = false);

} // namespace velmora
