// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "system.h"

namespace velmora {

// The sum of the decimal digits of n: one step of the reduction.
[[nodiscard]] constexpr std::uint64_t digitSum(std::uint64_t n)
{
    std::uint64_t sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

// The reduction, written once: a starting total that may stay a master
// number stands; else digit sums are taken until one digit is left or a
// digit sum is a master number. At least one digit sum is taken of a total
// above 9, so where only digit sums count as masters 11 gives 2 and 29 gives
// 11. onSum sees every digit sum taken, in order.
template<typename OnSum>
constexpr std::int64_t reduceBy(std::int64_t total, const ReductionRule &rule, OnSum &&onSum)
{
    if (!rule.reduces || (rule.keepsMasterTotal && rule.isMaster(total)))
        return total;
    std::int64_t n = total;
    while (n > 9) {
        n = static_cast<std::int64_t>(digitSum(static_cast<std::uint64_t>(n)));
        onSum(n);
        if (rule.isMaster(n))
            break;
    }
    return n;
}

// The reduction with its working kept: the starting total, then every digit
// sum taken.
struct Reduction {
    std::vector<std::int64_t> sums; // the total first; more entries only when digit sums were taken
    bool masterStop = false;        // the last entry is a master number the rule kept
    // The starting total is one of the rule's master numbers, and the rule
    // counts masters only as digit sums, so it was reduced.
    bool masterTotalReduced = false;

    [[nodiscard]] int result() const { return static_cast<int>(sums.back()); }
};

// The compound number of a total: the first of the total and its successive
// digit sums that lies in low-high; 0 when none does.
[[nodiscard]] constexpr int compoundOf(std::int64_t total, int low, int high)
{
    for (std::int64_t n = total;; n = static_cast<std::int64_t>(digitSum(static_cast<std::uint64_t>(n)))) {
        if (n >= low && n <= high)
            return static_cast<int>(n);
        if (n <= 9)
            return 0;
    }
}

[[nodiscard]] Reduction reduceWithSteps(std::int64_t total, const ReductionRule &rule);

namespace detail {
// Every total of one person's dates (at most 9999 + 12 + 31) is below this.
inline constexpr std::size_t kTabled = 10050;
// The two classic reductions of the smaller totals, worked out by reduceBy.
extern const std::array<std::array<std::uint8_t, kTabled>, 2> kReductions;
} // namespace detail

// The result alone. Requires total >= 0.
[[nodiscard]] inline int reduce(std::int64_t total, const ReductionRule &rule)
{
    // The classic rules looked up below kTabled: a person's eight numbers 156 -> 109 ns, the batch 2.79 -> 3.28 M/s (bench/run).
    if (rule.classic != 0 && static_cast<std::uint64_t>(total) < detail::kTabled)
        return detail::kReductions[rule.classic - 1U][static_cast<std::size_t>(total)];
    return static_cast<int>(reduceBy(total, rule, [](std::int64_t) {}));
}

// The two reductions of the classic rules: down to one digit, or with
// masterNumbers 11 and 22 kept where a digit sum reaches them. Both are
// looked up in a table below kTabled.
[[nodiscard]] constexpr ReductionRule classicReduction(bool masterNumbers)
{
    return masterNumbers ? ReductionRule{true, kMasters11And22, false, 2} : ReductionRule{true, 0, false, 1};
}

[[nodiscard]] int ReduceNumber(std::int64_t total, bool masterNumbers);

} // namespace velmora
