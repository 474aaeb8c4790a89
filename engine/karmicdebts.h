// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "birthdata.h"
#include "letters.h"
#include "reading.h"
#include "working.h"

namespace velmora {

struct KarmicDebt {
    int debt = 0; // 13, 14, 16 or 19
    WorkedNumber from = WorkedNumber::Destiny;

    friend bool operator==(const KarmicDebt &, const KarmicDebt &) = default;
};

// The debts met as the starting total or as any digit sum on the way to the
// Destiny, Soul Urge, Personality and Life Path numbers, in that order, each
// with the number it came from.
[[nodiscard]] std::vector<KarmicDebt> KarmicDebtsOf(const BirthData &data);

// The four totals a debt is looked for in, in that order, each with the
// number it leads to: the letters (all, vowels, consonants) and the date.
[[nodiscard]] std::array<std::pair<WorkedNumber, std::int64_t>, 4> karmicDebtTotals(const BirthData &data,
                                                                                  const LetterSums &sums);

// The debt met as the total or a digit sum on its way down, or 0. A debt's
// own digit sum is below 10, so one total meets at most one debt, and the
// master-number switch cannot change which: 11 and 22 lead only below 13.
[[nodiscard]] int KarmicDebtIn(std::int64_t total);
[[nodiscard]] const ReadingTable &karmicDebtTable();

inline constexpr std::string_view kKarmicDebtsTitle = "Karmic Debts";

} // namespace velmora
