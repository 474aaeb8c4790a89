// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "birthdata.h"
#include "challenges.h"
#include "karmicdebts.h"
#include "letters.h"
#include "personalcycles.h"
#include "pinnacleperiods.h"
#include "reading.h"

namespace velmora {

// A number with its reading: one paragraph of static text.
struct NumberReading {
    int number = 0;
    std::string_view text;
};

struct ChallengeReading {
    int number = 0;
    AgeRange ages; // the period of the pinnacle of the same place
    std::string_view text;
};

struct KarmicDebtReading {
    KarmicDebt debt;
    std::string_view text;
};

// The numbers beyond the eight readings, each with its reading. Their
// working, and that of the eight, is WorkingsOf (working.h).
struct MoreNumbers {
    NumberReading lifePath;
    NumberReading birthday;
    std::array<ChallengeReading, 4> challenges{};
    CalendarDate dateOfInterest;
    NumberReading personalYear;
    NumberReading personalMonth;
    NumberReading personalDay;
    std::vector<NumberReading> karmicLessons; // the values 1-9 no letter carries, in order
    std::vector<KarmicDebtReading> karmicDebts;
};

// Requires hasValidDate(data) and a real date of interest.
[[nodiscard]] MoreNumbers CalculateMoreNumbers(const BirthData &data, const CalendarDate &dateOfInterest);

// The further numbers as one batch row holds them, without their readings.
struct MoreColumns {
    int lifePath = 0;
    int birthday = 0;
    ChallengeNumbers challenges{};
    int personalYear = 0;
    std::uint16_t lessons = 0;  // bit v set: v (1-9) is a Karmic Lesson
    std::array<int, 4> debts{}; // as KarmicDebtsOf lists them, one at most from each number
    std::size_t debtCount = 0;
};

// The same numbers as CalculateMoreNumbers, from the person's letters as
// tallyLetters gives them, and without allocating: a batch finds them for
// millions of rows.
[[nodiscard]] MoreColumns CalculateMoreColumns(const BirthData &data, const LetterTally &letters,
                                               const CalendarDate &dateOfInterest);

// The reading tables of the further numbers with their titles, in the order
// they are shown: Life Path, Birthday, Challenges, Personal Year, Month and
// Day, Karmic Lessons, Karmic Debts, then the two tables of a comparison.
struct TitledTable {
    std::string_view title;
    const ReadingTable *table = nullptr;
};
[[nodiscard]] std::array<TitledTable, 10> moreReadingTables();

} // namespace velmora
