// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "chart.h"
#include "person.h"

namespace {

// 65,536 letters of one value fit in a command-line argument and a batch
// record: the count must not wrap to 0, or the value would read as missing.
TEST(Inclusion, countsMoreThanSixteenBitsOfLettersOfOneValue)
{
    const std::string many = std::string(65536, 'A') + "B";
    const velmora::Chart classic = chart(person(many.c_str(), "", "Z"));
    EXPECT_EQ(classic.letters().valueCounts[1], 65536U);
    EXPECT_EQ(classic.number(velmora::NumberId::SubconsciousSelf), 3); // 1, 2 and 8
    for (const int lesson : classic[velmora::NumberId::KarmicLessons].list())
        EXPECT_NE(lesson, 1);
    const velmora::Chart common = velmora::chartOf(person(many.c_str(), "", "Z"), velmora::commonSystem(), {1, 1, 2000});
    EXPECT_EQ(common.number(velmora::NumberId::HiddenPassion), 1);
}

} // namespace
