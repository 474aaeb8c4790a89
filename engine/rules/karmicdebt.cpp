// SPDX-License-Identifier: MIT
#include "karmicdebt.h"

#include "reduction.h"

namespace velmora::detail {
namespace {

bool isDebt(std::uint64_t n)
{
    return n == 13 || n == 14 || n == 16 || n == 19;
}

} // namespace

// The debt met on the way down from total, digit sum after digit sum. Below
// 13 no debt is left: every digit sum of such a number is smaller still.
int debtByDigitSums(std::uint64_t total)
{
    for (std::uint64_t n = total; n >= 13; n = digitSum(n)) {
        if (isDebt(n))
            return static_cast<int>(n);
    }
    return 0;
}

// At namespace scope, as the reductions' table, so a look-up needs no guard.
const std::array<std::uint8_t, kDebtsTabled> kDebts = [] {
    std::array<std::uint8_t, kDebtsTabled> debts{};
    for (std::size_t n = 0; n < kDebtsTabled; ++n)
        debts[n] = static_cast<std::uint8_t>(debtByDigitSums(n));
    return debts;
}();

} // namespace velmora::detail
