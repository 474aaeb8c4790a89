// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &hiddenPassionTable();

inline constexpr std::string_view kHiddenPassionHeading = "Your Hidden Passion Number is ";

} // namespace velmora
