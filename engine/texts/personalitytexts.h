// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &personalityTable();

inline constexpr std::string_view kPersonalityHeading = "Your Personality Number is ";

} // namespace velmora
