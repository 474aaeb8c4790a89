// SPDX-License-Identifier: MIT
#include "attitudetexts.h"
#include "texttable.h"

namespace {

using velmora::attitudeTable;

const TextCase kAttitudeTexts[] = {
    {"explanation", attitudeTable, TextCase::kExplanation, 0,
     "The Attitude Number shows what you think you", 241},
    {"row1_outlook", attitudeTable, 1, 0, "You are self reliant and do not like", 201},
    {"row2_outlook", attitudeTable, 2, 0, "You are very easy to get along with.", 206},
    {"row3_outlook", attitudeTable, 3, 0, "You are jovial and outgoing. You like making", 226},
    {"row4_outlook", attitudeTable, 4, 0, "You are very serious and keep to yourself.", 226},
    {"row5_outlook", attitudeTable, 5, 0, "You are a fun lover and difficult to tie", 241},
    {"row6_outlook", attitudeTable, 6, 0, "You are caring and love taking care of", 184},
    {"row7_outlook", attitudeTable, 7, 0, "You are a thinker and keep to yourself. You", 231},
    {"row8_outlook", attitudeTable, 8, 0,
     "You seek materialistic and financial security. Money doesn't", 226},
    {"row9_outlook", attitudeTable, 9, 0, "You are the leader of the people. You", 249},
};

INSTANTIATE_TEST_SUITE_P(Attitude, ReadingTextTest, ::testing::ValuesIn(kAttitudeTexts), textCaseName);

// The Attitude number is reduced without master numbers: rows 1 to 9 only, one paragraph each.
TEST(AttitudeTable, holdsOneParagraphForEachSingleDigit)
{
    for (int number = 1; number <= 9; ++number) {
        const velmora::ReadingRow *row = attitudeTable().find(number);
        ASSERT_NE(row, nullptr) << number;
        EXPECT_EQ(row->paragraphs.size(), 1U) << number;
    }
    EXPECT_EQ(attitudeTable().rows.size(), 9U);
    for (int number : {0, 11, 22})
        EXPECT_EQ(attitudeTable().find(number), nullptr) << number;
}

} // namespace
