// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

struct LetterTally;

// Subconscious Self: how many of the nine letter values occur in the name.
[[nodiscard]] int SubconsciousSelfNumber(const LetterTally &letters);
[[nodiscard]] Reading SubconsciousSelfReading(int number);
[[nodiscard]] const ReadingTable &subconsciousSelfTable();

inline constexpr std::string_view kSubconsciousSelfHeading = "Your Subconscious Self Number is ";

} // namespace velmora
