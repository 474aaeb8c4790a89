// SPDX-License-Identifier: MIT
#pragma once

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Personality: the consonant sum (Y and W included), reduced with master numbers.
[[nodiscard]] int PersonalityNumber(const BirthData &data);
[[nodiscard]] Reading PersonalityReading(int number);
[[nodiscard]] const ReadingTable &personalityTable();

inline constexpr std::string_view kPersonalityHeading = "Your Personality Number is ";

} // namespace velmora
