// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "birthdata.h"
#include "karmicdebts.h"
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

// The reading tables of the further numbers with their titles, in the order
// they are shown: Life Path, Birthday, Challenges, Personal Year, Month and
// Day, Karmic Lessons, Karmic Debts, then the two tables of a comparison.
struct TitledTable {
    std::string_view title;
    const ReadingTable *table = nullptr;
};
[[nodiscard]] std::array<TitledTable, 10> moreReadingTables();

} // namespace velmora
