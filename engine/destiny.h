// SPDX-License-Identifier: MIT
#pragma once

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Destiny: the full letter sum of the name string, reduced with master numbers.
[[nodiscard]] int DestinyNumber(const BirthData &data);
[[nodiscard]] Reading DestinyReading(int number);
[[nodiscard]] const ReadingTable &destinyTable();

inline constexpr std::string_view kDestinyHeading = "Your Destiny Number is ";

} // namespace velmora
