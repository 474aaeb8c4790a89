// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &personalYearTable();
[[nodiscard]] const ReadingTable &personalMonthTable();
[[nodiscard]] const ReadingTable &personalDayTable();

inline constexpr std::string_view kPersonalYearTitle = "Personal Year";
inline constexpr std::string_view kPersonalMonthTitle = "Personal Month";
inline constexpr std::string_view kPersonalDayTitle = "Personal Day";

} // namespace velmora
