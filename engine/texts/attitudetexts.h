// SPDX-License-Identifier: MIT
#pragma once

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &attitudeTable();

inline constexpr std::string_view kAttitudeHeading = "Your Attitude Number is ";

} // namespace velmora
