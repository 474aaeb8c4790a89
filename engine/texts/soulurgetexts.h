// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &soulUrgeTable();

inline constexpr std::string_view kSoulUrgeHeading = "Your Soul Urge Number is ";

} // namespace velmora
