// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

struct LetterTally;

// Hidden Passion: the chart value of the most frequent letter of the name string.
[[nodiscard]] int HiddenPassionNumber(const LetterTally &letters);
[[nodiscard]] Reading HiddenPassionReading(int number);
[[nodiscard]] const ReadingTable &hiddenPassionTable();

inline constexpr std::string_view kHiddenPassionHeading = "Your Hidden Passion Number is ";

} // namespace velmora
