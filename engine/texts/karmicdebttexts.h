// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &karmicDebtTable();

inline constexpr std::string_view kKarmicDebtsTitle = "Karmic Debts";

} // namespace velmora
