// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

// ReduceNumber with its working kept: the starting total, then every digit
// sum taken, in order. Only digit sums stop at 11 or 22, never the starting
// total, so 11 becomes 2 and 29 becomes 11.
struct Reduction {
    std::vector<std::int64_t> sums; // the total first; more entries only when digit sums were taken
    bool masterStop = false;        // the last sum is 11 or 22, kept by the master-number switch

    [[nodiscard]] int result() const { return static_cast<int>(sums.back()); }
};

[[nodiscard]] Reduction reduceWithSteps(std::int64_t total, bool masterNumbers);

} // namespace velmora
