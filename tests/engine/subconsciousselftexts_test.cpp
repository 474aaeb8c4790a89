// SPDX-License-Identifier: MIT
#include "subconsciousselftexts.h"
#include "texttable.h"

namespace {

using velmora::subconsciousSelfTable;

constexpr std::string_view kNotValidOpening = "This number is not valid for this name.";

const TextCase kSubconsciousSelfTexts[] = {
    {"explanation", subconsciousSelfTable, TextCase::kExplanation, 0,
     "This number shows how you deal and respond", 224},
    {"row0_notvalid", subconsciousSelfTable, 0, 0, kNotValidOpening, 39},
    {"row1_notvalid", subconsciousSelfTable, 1, 0, kNotValidOpening, 39},
    {"row2_notvalid", subconsciousSelfTable, 2, 0, kNotValidOpening, 39},
    {"row3_reaction", subconsciousSelfTable, 3, 0, "You depend on others to take care of", 252},
    {"row4_reaction", subconsciousSelfTable, 4, 0, "You are slow to react to issues.", 266},
    {"row5_reaction", subconsciousSelfTable, 5, 0, "You adapt to change very well. But you", 226},
    {"row6_reaction", subconsciousSelfTable, 6, 0,
     "You frequently help others, willing to sacrifice your", 269},
    {"row7_reaction", subconsciousSelfTable, 7, 0,
     "You are a well-balanced person. You are quite capable", 240},
    {"row8_reaction", subconsciousSelfTable, 8, 0, "You love challenging tasks and like to play", 318},
    {"row9_reaction", subconsciousSelfTable, 9, 0, "It's difficult for anyone to understand you. You", 275},
};

INSTANTIATE_TEST_SUITE_P(SubconsciousSelf, ReadingTextTest, ::testing::ValuesIn(kSubconsciousSelfTexts),
                         textCaseName);

// A count below three reads exactly the shared not-valid sentence and nothing more.
TEST(SubconsciousSelfTable, countsBelowThreeReadTheNotValidSentence)
{
    for (int number = 0; number <= 2; ++number) {
        const velmora::ReadingRow *row = subconsciousSelfTable().find(number);
        ASSERT_NE(row, nullptr) << number;
        ASSERT_EQ(row->paragraphs.size(), 1U) << number;
        EXPECT_EQ(row->paragraphs[0], velmora::kNotValidText) << number;
    }
}

// The count of distinct values is 0 to 9: every one has exactly one paragraph, nothing lies beyond.
TEST(SubconsciousSelfTable, everyCountHasOneParagraph)
{
    for (int number = 0; number <= 9; ++number) {
        const velmora::ReadingRow *row = subconsciousSelfTable().find(number);
        ASSERT_NE(row, nullptr) << number;
        EXPECT_EQ(row->paragraphs.size(), 1U) << number;
    }
    EXPECT_EQ(subconsciousSelfTable().rows.size(), 10U);
    EXPECT_EQ(subconsciousSelfTable().find(10), nullptr);
}

} // namespace
