// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &realizationTable();

inline constexpr std::string_view kRealizationHeading = "Your Realization Number is ";

} // namespace velmora
