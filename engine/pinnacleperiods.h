// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

#include "pinnacle.h"

namespace velmora {

// The ages a pinnacle covers; to is kOnward for the fourth.
struct AgeRange {
    static constexpr int kOnward = -1;
    int from = 0;
    int to = kOnward;

    friend bool operator==(const AgeRange &, const AgeRange &) = default;
};

// The ages of each pinnacle, as its label shows them: each pinnacle's own
// number chooses its label, so the four ranges need not join up. The
// challenges cover the same four periods.
[[nodiscard]] std::array<AgeRange, 4> pinnaclePeriods(const PinnacleNumbers &numbers);

} // namespace velmora
