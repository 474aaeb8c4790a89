// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

struct LetterTally;

// Soul Urge: the vowel sum (A E I O U only), reduced with master numbers.
[[nodiscard]] int SoulUrgeNumber(const LetterTally &letters);
[[nodiscard]] Reading SoulUrgeReading(int number);
[[nodiscard]] const ReadingTable &soulUrgeTable();

inline constexpr std::string_view kSoulUrgeHeading = "Your Soul Urge Number is ";

} // namespace velmora
