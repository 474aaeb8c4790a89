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

namespace velmora {

// The debt met as the total or a digit sum on its way down, or 0. A debt's
// own digit sum is below 10, so one total meets at most one debt, and the
// master-number switch cannot change which: 11 and 22 lead only below 13.
[[nodiscard]] int KarmicDebtIn(std::int64_t total);
[[nodiscard]] const ReadingTable &karmicDebtTable();

inline constexpr std::string_view kKarmicDebtsTitle = "Karmic Debts";

} // namespace velmora
