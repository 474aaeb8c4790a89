// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &destinyTable();

inline constexpr std::string_view kDestinyHeading = "Your Destiny Number is ";

} // namespace velmora
