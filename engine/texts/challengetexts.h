// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &challengeTable();

inline constexpr std::string_view kChallengesTitle = "Challenge Numbers";

} // namespace velmora
