// SPDX-License-Identifier: MIT
#include "destinytexts.h"
#include "texttable.h"

#include <map>

namespace {

const TextCase kDestinyTexts[] = {
    {"explanation", velmora::destinyTable, TextCase::kExplanation, 0,
     "This number describes your vibration in the world", 265},
    {"row1_meaning", velmora::destinyTable, 1, 0, "This tells you that you are a leader.", 405},
    {"row1_negative", velmora::destinyTable, 1, 1, "The negative trait of this number includes one", 187},
    {"row2_meaning", velmora::destinyTable, 2, 0, "This number gives you good people managing skills.", 475},
    {"row2_negative", velmora::destinyTable, 2, 1, "The negative trait of this number is that", 242},
    {"row3_meaning", velmora::destinyTable, 3, 0, "This number indicates a strong creativity in your", 454},
    {"row3_negative", velmora::destinyTable, 3, 1, "The negative trait of Destiny number 3 is", 269},
    {"row4_meaning", velmora::destinyTable, 4, 0,
     "You will have good management and organizational skills.", 648},
    {"row4_master22", velmora::destinyTable, 4, 1, "All with Destiny 4, and especially the master", 282},
    {"row4_negative", velmora::destinyTable, 4, 2, "The negative trait of 4 often produces arrogant", 396},
    {"row5_meaning", velmora::destinyTable, 5, 0, "You are gifted with multiple talents. You will", 509},
    {"row5_negative", velmora::destinyTable, 5, 1, "The negative side of the number says that", 265},
    {"row6_meaning", velmora::destinyTable, 6, 0, "Your goal of life is to have the", 646},
    {"row6_negative", velmora::destinyTable, 6, 1,
     "The negative traits associated with this number, are", 258},
    {"row7_meaning", velmora::destinyTable, 7, 0, "You will be interested in analysis and the", 622},
    {"row7_negative", velmora::destinyTable, 7, 1, "The negative trait of this number is that", 310},
    {"row8_meaning", velmora::destinyTable, 8, 0, "You need to achieve material and financial comfort", 590},
    {"row8_negative", velmora::destinyTable, 8, 1, "A negative 8 can be very rigid and", 135},
    {"row9_meaning", velmora::destinyTable, 9, 0, "Your prime focus will be in activities of", 378},
    {"row9_negative", velmora::destinyTable, 9, 1, "The negative traits of 9 Destiny can be", 179},
    {"row11_meaning", velmora::destinyTable, 11, 0, "The Number Eleven is a highly charged number.", 409},
    {"row11_negative", velmora::destinyTable, 11, 1, "You may be unrealistic in your expectations. You", 180},
    {"row22_meaning", velmora::destinyTable, 22, 0, "The Number 22 is a constructive and creative", 404},
    {"row22_negative", velmora::destinyTable, 22, 1,
     "However, twenty-twos can be very sensitive, falling victim", 222},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Destiny, ReadingTextTest, ::testing::ValuesIn(kDestinyTexts), textCaseName);

TEST(DestinyTable, holdsRowsOneToNineElevenAndTwentyTwoOnly)
{
    // Row 4 carries the extra paragraph on 22/4; every other row has meaning and negative traits.
    const std::map<int, std::size_t> wanted = {
        {1, 2}, {2, 2}, {3, 2}, {4, 3}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 2}, {11, 2}, {22, 2},
    };
    std::map<int, std::size_t> stored;
    for (const velmora::ReadingRow &row : velmora::destinyTable().rows)
        stored[row.number] = row.paragraphs.size();
    EXPECT_EQ(stored, wanted);
    // A name without any letter reduces to 0, which has no reading of its own.
    EXPECT_EQ(velmora::destinyTable().find(0), nullptr);
}

TEST(DestinyTable, negativeTraitsOfTwoAndSevenAreDifferentTexts)
{
    const velmora::ReadingRow *two = velmora::destinyTable().find(2);
    const velmora::ReadingRow *seven = velmora::destinyTable().find(7);
    ASSERT_NE(two, nullptr);
    ASSERT_NE(seven, nullptr);
    ASSERT_EQ(two->paragraphs.size(), 2u);
    ASSERT_EQ(seven->paragraphs.size(), 2u);
    EXPECT_NE(two->paragraphs[1], seven->paragraphs[1]);
}
