// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string_view>

#include "numbernames.h"

namespace {

using velmora::findNumberByName;

struct NameCase {
    std::string_view written;
    std::string_view key; // empty: no number
};

class NumberNames : public testing::TestWithParam<NameCase>
{
};

TEST_P(NumberNames, findTheNumberHoweverItIsWritten)
{
    const NameCase &c = GetParam();
    const velmora::NumberDescriptor *number = findNumberByName(c.written);
    if (c.key.empty()) {
        EXPECT_EQ(number, nullptr) << number->key;
        return;
    }
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->key, c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Written, NumberNames,
    testing::Values(NameCase{"personalDay", "personalDay"}, NameCase{"personal_day", "personalDay"},
                    NameCase{"Personal-Day", "personalDay"}, NameCase{"PERSONAL DAY", "personalDay"},
                    NameCase{"soul_urge", "soulUrge"}, NameCase{"pinnacle-3", "pinnacle3"},
                    NameCase{"expression", "destiny"}, NameCase{"Maturity", "realization"},
                    NameCase{"heart's desire", "soulUrge"}, NameCase{"karmic-debts", "karmicDebts"},
                    NameCase{"personal", ""}, NameCase{"", ""}, NameCase{"-", ""}, NameCase{"destiny=5", ""},
                    NameCase{"pinnacle5", ""}, NameCase{"d\xc3\xa9stiny", ""}));

} // namespace
