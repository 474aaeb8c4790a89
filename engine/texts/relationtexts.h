// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "reading.h"

namespace velmora {

// The readings of two people's numbers side by side: row 0 a natural match,
// 1 compatible, 2 challenging, 3 nothing to compare.
[[nodiscard]] const ReadingTable &lifePathRelationTable();
[[nodiscard]] const ReadingTable &destinyRelationTable();

inline constexpr std::string_view kComparisonTitle = "Two People Compared";

} // namespace velmora
