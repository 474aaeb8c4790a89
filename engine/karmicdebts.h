// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "birthdata.h"
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
[[nodiscard]] const ReadingTable &karmicDebtTable();

inline constexpr std::string_view kKarmicDebtsTitle = "Karmic Debts";

} // namespace velmora
