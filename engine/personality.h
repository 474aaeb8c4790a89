// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

struct LetterTally;

// Personality: the consonant sum (Y and W included), reduced with master numbers.
[[nodiscard]] int PersonalityNumber(const LetterTally &letters);
[[nodiscard]] Reading PersonalityReading(int number);
[[nodiscard]] const ReadingTable &personalityTable();

inline constexpr std::string_view kPersonalityHeading = "Your Personality Number is ";

} // namespace velmora
