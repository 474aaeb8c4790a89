// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "letters.h"
#include "reduction.h"

using velmora::reduceWithSteps;
using velmora::Reduction;

TEST(ReduceWithSteps, endsWhereReduceNumberEndsForEveryTotal)
{
    std::vector<std::int64_t> totals;
    for (std::int64_t total = 0; total <= 20000; ++total)
        totals.push_back(total);
    for (const std::int64_t total : {99999LL, 999999999LL, 4999999999LL, 9223372036854775807LL})
        totals.push_back(total);
    for (const bool master : {false, true})
        for (const std::int64_t total : totals)
            ASSERT_EQ(reduceWithSteps(total, velmora::classicReduction(master)).result(), velmora::ReduceNumber(total, master))
                << total << (master ? " with" : " without") << " master numbers";
}

struct StepsCase {
    const char *name;
    std::int64_t total;
    bool master;
    std::vector<std::int64_t> sums;
    bool masterStop;
};

class ReductionSteps : public ::testing::TestWithParam<StepsCase>
{
};

TEST_P(ReductionSteps, listTheTotalAndEachDigitSum)
{
    const StepsCase &c = GetParam();
    const Reduction r = reduceWithSteps(c.total, velmora::classicReduction(c.master));
    EXPECT_EQ(r.sums, c.sums);
    EXPECT_EQ(r.masterStop, c.masterStop);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, ReductionSteps,
    ::testing::Values(StepsCase{"singleDigitStandsAlone", 7, true, {7}, false},
                      StepsCase{"zero", 0, true, {0}, false},
                      StepsCase{"elevenAsTotalIsReduced", 11, true, {11, 2}, false},
                      StepsCase{"twentyTwoAsTotalIsReduced", 22, true, {22, 4}, false},
                      StepsCase{"elevenAsDigitSumIsKept", 38, true, {38, 11}, true},
                      StepsCase{"elevenPassedWithoutMasterNumbers", 38, false, {38, 11, 2}, false},
                      StepsCase{"twentyTwoAfterTwoSums", 2929, true, {2929, 22}, true},
                      StepsCase{"nineteenThroughTenToOne", 1972, true, {1972, 19, 10, 1}, false}),
    [](const auto &info) { return std::string(info.param.name); });
