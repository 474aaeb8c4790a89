// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "birthdata.h"
#include "reading.h"

namespace velmora {

using ChallengeNumbers = std::array<int, 4>;

// With m, d and y the month, day and year each reduced without master
// numbers: first |m - d|, second |d - y|, third |first - second|, fourth
// |m - y|; each 0-8. They cover the same four periods as the pinnacles.
[[nodiscard]] ChallengeNumbers ChallengeNumbersOf(const BirthData &data);
[[nodiscard]] const ReadingTable &challengeTable();

inline constexpr std::string_view kChallengesTitle = "Challenge Numbers";

} // namespace velmora
