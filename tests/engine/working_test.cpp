// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <string>
#include <vector>

#include "chart.h"
#include "letters.h"
#include "morenumberstext.h"
#include "paragraphrows.h"
#include "working.h"
#include "person.h"

using velmora::BirthData;
using velmora::CalendarDate;
using velmora::NumberId;
using WorkedNumber = velmora::NumberId;
using velmora::Working;
using velmora::WorkingKind;

namespace {

const Working &workingOf(const velmora::Chart &chart, NumberId number)
{
    return chart.working(number);
}

std::int64_t digitSum(std::int64_t n)
{
    std::int64_t sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

// Many people: names with every kind of letter, none of one kind, and
// characters that do not count; dates across the whole range of days, months
// and years.
std::vector<BirthData> manyPeople()
{
    const char *firsts[] = {"John", "Anna", "Lynn", "Aeiou", "Mary-Jane", "Zoë", "O'Neil", "Xavier", "Quincy",
                            "Bjørn", "David", "Ng", "Yvette", "Ebenezer", "Wu", "Kristofferson", "Al"};
    const char *middles[] = {"", "Lee", "Rhythm", "de la"};
    const char *lasts[] = {"Smith", "Wynn", "Brown", "Aaa", "Zzyzx", "McAllister-Jones", "Iou", "Lee"};
    std::vector<BirthData> people;
    int i = 0;
    for (const char *first : firsts)
        for (const char *middle : middles)
            for (const char *last : lasts) {
                ++i;
                people.push_back(person(first, middle, last, 1 + (i * 7) % 31, 1 + (i * 5) % 12, 1 + (i * 613) % 9999));
            }
    return people;
}

} // namespace

// The working comes from the formula's own lines: its result is the number
// the chart holds, worked out alone, for every number, person and system.
TEST(Working, endsAtEveryNumberTheChartHolds)
{
    const std::vector<BirthData> people = manyPeople();
    for (const velmora::System *system : velmora::systems()) {
        for (const BirthData &data : people) {
            SCOPED_TRACE(std::string(system->key) + ": " + data.FirstName + " " + data.MiddleName + " "
                         + data.LastName);
            const CalendarDate on{28, 2, 2027};
            const velmora::Chart worked = velmora::chartOf(data, *system, on, true);
            const velmora::Chart plain = velmora::chartOf(data, *system, on);
            for (const velmora::NumberDescriptor &number : velmora::numberDescriptors()) {
                if (!number.worked)
                    continue;
                SCOPED_TRACE(std::string(number.key));
                EXPECT_EQ(worked.working(number.id).number, number.id);
                const int expected = number.id == NumberId::KarmicLessons ? static_cast<int>(plain[number.id].count)
                                                                          : plain.number(number.id);
                EXPECT_EQ(worked.working(number.id).result(), expected);
            }
            const Working &lessons = worked.working(NumberId::KarmicLessons);
            std::vector<int> missing;
            for (const velmora::WorkingTerm &term : lessons.terms)
                missing.push_back(static_cast<int>(term.value));
            EXPECT_TRUE(std::ranges::equal(missing, plain[NumberId::KarmicLessons].list()));
            EXPECT_EQ(lessons.result() + plain.number(NumberId::SubconsciousSelf), 9);

            // Every debt shows in the working of the number it was met in, and
            // every 13, 14, 16 or 19 there is a debt.
            std::vector<std::pair<int, NumberId>> debtsInWorking;
            for (const NumberId core : {NumberId::Destiny, NumberId::SoulUrge, NumberId::Personality,
                                        NumberId::LifePath, NumberId::Birthday}) {
                if (core == NumberId::Birthday && !system->birthdayDebt)
                    continue;
                for (const std::int64_t sum : worked.working(core).total.sums)
                    if (sum == 13 || sum == 14 || sum == 16 || sum == 19)
                        debtsInWorking.emplace_back(static_cast<int>(sum), core);
            }
            std::vector<std::pair<int, NumberId>> debts;
            const velmora::NumberValue &held = plain[NumberId::KarmicDebts];
            for (std::size_t i = 0; i < held.count; ++i)
                debts.emplace_back(held.values[i], plain.numbers().debtSources[i]);
            EXPECT_EQ(debts, debtsInWorking);
        }
    }
}

TEST(Working, stepsAddUp)
{
    for (const BirthData &data : manyPeople()) {
        SCOPED_TRACE(data.FirstName + " " + data.MiddleName + " " + data.LastName);
        const velmora::Chart worked = chart(data, CalendarDate{31, 12, 2025}, true);
        for (const velmora::NumberDescriptor &number : velmora::numberDescriptors()) {
            if (!number.worked)
                continue;
            const Working &w = worked.working(number.id);
            SCOPED_TRACE(std::string(number.name));
            const std::vector<std::int64_t> &sums = w.total.sums;
            ASSERT_FALSE(sums.empty());
            switch (w.kind) {
            case WorkingKind::Sum: {
                std::int64_t total = 0;
                for (const velmora::WorkingTerm &term : w.terms) {
                    total += term.value;
                    if (term.label.size() == 1) {
                        EXPECT_EQ(velmora::LetterValue(term.label[0]).value, term.value);
                    }
                }
                EXPECT_EQ(sums.front(), total);
                for (std::size_t i = 1; i < sums.size(); ++i)
                    EXPECT_EQ(sums[i], digitSum(sums[i - 1]));
                // The Birthday is the day itself, not reduced.
                EXPECT_TRUE(sums.back() <= 9 || w.total.masterStop || w.number == WorkedNumber::Birthday);
                break;
            }
            case WorkingKind::Difference:
                ASSERT_EQ(w.terms.size(), 2U);
                for (const velmora::WorkingTerm &term : w.terms) {
                    std::int64_t previous = term.value;
                    for (const std::int64_t sum : term.digitSums)
                        EXPECT_EQ(sum, digitSum(std::exchange(previous, sum)));
                    EXPECT_LE(term.used(), 9);
                }
                EXPECT_EQ(w.result(), std::abs(w.terms[0].used() - w.terms[1].used()));
                break;
            case WorkingKind::Count:
            case WorkingKind::Missing:
                EXPECT_EQ(static_cast<std::size_t>(w.result()), w.terms.size());
                break;
            case WorkingKind::MostFrequent:
                ASSERT_EQ(w.terms.size(), 1U);
                EXPECT_EQ(w.result(), velmora::LetterValue(w.terms[0].label[0]).value);
                break;
            default:
                ADD_FAILURE() << "a kind of working the classic rules do not use";
                break;
            }
        }
    }
}

TEST(Working, everyFurtherNumberFoundHasAReading)
{
    for (const BirthData &data : manyPeople()) {
        const velmora::Chart numbers = chart(data, CalendarDate{15, 8, 2030});
        for (const velmora::NumberDescriptor &number : velmora::numberDescriptors()) {
            if (velmora::describe(number.section).part != velmora::Part::MoreNumbers)
                continue;
            const velmora::ReadingTable &table = velmora::describe(number.section).table();
            for (const int value : numbers[number.id].list())
                EXPECT_NE(velmora::paragraphFor(table, value), velmora::kNotValidText)
                    << data.FirstName << " " << data.LastName << " " << number.key;
        }
    }
}

struct WorkingTextCase {
    const char *name;
    WorkedNumber number;
    const char *text;
};

class WorkingText : public ::testing::TestWithParam<WorkingTextCase>
{
};

// John Smith, born 15 July 1980, on 31 December 2025.
TEST_P(WorkingText, readsAsWorkedOnPaper)
{
    const velmora::Chart w = chart(person("John", "", "Smith", 15, 7, 1980), CalendarDate{31, 12, 2025}, true);
    EXPECT_EQ(velmora::workingText(workingOf(w, GetParam().number)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    JohnSmith, WorkingText,
    ::testing::Values(
        WorkingTextCase{"destinyListsEveryLetter", WorkedNumber::Destiny, "J1 O6 H8 N5 S1 M4 I9 T2 H8 = 44 → 8"},
        WorkingTextCase{"personalityKeepsAMasterNumber", WorkedNumber::Personality,
                 "J1 H8 N5 S1 M4 T2 H8 = 29 → 11 (master number, kept)"},
        WorkingTextCase{"soulUrgeListsTheVowels", WorkedNumber::SoulUrge, "O6 I9 = 15 → 6"},
        WorkingTextCase{"realizationAddsLifePathAndDestiny", WorkedNumber::Realization, "Life Path (4) + Destiny (8) = 12 → 3"},
        WorkingTextCase{"firstPinnacleReducesTwentyTwoAsATotal", WorkedNumber::Pinnacle1, "month 7 + day 15 = 22 → 4"},
        WorkingTextCase{"hiddenPassionCountsCaseSensitively", WorkedNumber::HiddenPassion,
                 "most frequent letter: h, 2 times; H = 8"},
        WorkingTextCase{"subconsciousSelfNamesALetterPerValue", WorkedNumber::SubconsciousSelf,
                 "values present: 1 (J), 2 (T), 4 (M), 5 (N), 6 (O), 8 (H), 9 (I) = 7"},
        WorkingTextCase{"lifePathAddsTheWholeDate", WorkedNumber::LifePath, "day 15 + month 7 + year 1980 = 2002 → 4"},
        WorkingTextCase{"birthdayIsTheDay", WorkedNumber::Birthday, "day 15 = 15"},
        WorkingTextCase{"challengeReducesEachPartFirst", WorkedNumber::Challenge2, "day 15 → 6, year 1980 → 18 → 9: |6 − 9| = 3"},
        WorkingTextCase{"personalDayPassesElevenWithoutStopping", WorkedNumber::PersonalDay,
                 "Personal Month (7) + day 31 = 38 → 11 → 2"},
        WorkingTextCase{"karmicLessonsListTheMissingValues", WorkedNumber::KarmicLessons, "values no letter carries: 3, 7"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WorkingTextWithoutLetters, saysThereIsNothingToCount)
{
    const velmora::Chart w = chart(person("Lynn", "", "Wynn", 1, 1, 2000), CalendarDate{1, 1, 2026}, true);
    EXPECT_EQ(velmora::workingText(workingOf(w, WorkedNumber::SoulUrge)), "no letters = 0");
    const velmora::Chart none = chart(person("Иван", "", "Петров", 1, 1, 2000), CalendarDate{1, 1, 2026}, true);
    EXPECT_EQ(velmora::workingText(workingOf(none, WorkedNumber::HiddenPassion)), "no letters = 0");
    EXPECT_EQ(velmora::workingText(workingOf(none, WorkedNumber::SubconsciousSelf)), "values present: none = 0");
}
