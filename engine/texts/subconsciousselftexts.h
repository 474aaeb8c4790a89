// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &subconsciousSelfTable();

inline constexpr std::string_view kSubconsciousSelfHeading = "Your Subconscious Self Number is ";

} // namespace velmora
