// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

struct LetterTally;

// Destiny: the full letter sum of the name string, reduced with master numbers.
[[nodiscard]] int DestinyNumber(const LetterTally &letters);
[[nodiscard]] Reading DestinyReading(int number);
[[nodiscard]] const ReadingTable &destinyTable();

inline constexpr std::string_view kDestinyHeading = "Your Destiny Number is ";

} // namespace velmora
