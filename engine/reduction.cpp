// SPDX-License-Identifier: MIT
#include "reduction.h"

#include <cassert>

namespace velmora {

Reduction reduceWithSteps(std::int64_t total, bool masterNumbers)
{
    assert(total >= 0);
    Reduction reduction;
    reduction.sums.push_back(total);
    // A single digit is its own digit sum, so it stands as it is.
    for (std::int64_t n = total; n > 9;) {
        std::int64_t sum = 0;
        for (; n > 0; n /= 10)
            sum += n % 10;
        n = sum;
        reduction.sums.push_back(n);
        if (masterNumbers && (n == 11 || n == 22)) {
            reduction.masterStop = true;
            break;
        }
    }
    return reduction;
}

} // namespace velmora
