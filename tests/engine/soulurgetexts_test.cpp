// SPDX-License-Identifier: MIT
#include "soulurgetexts.h"
#include "texttable.h"

#include <vector>

namespace {

using velmora::soulUrgeTable;

const TextCase kSoulUrgeTexts[] = {
    {"explanation", soulUrgeTable, TextCase::kExplanation, 0,
     "This number tries to close the gap between", 187},
    {"row1", soulUrgeTable, 1, 0, "You achieve a sense of gratification when you", 329},
    {"row2", soulUrgeTable, 2, 0, "You enclose a deep internal need for love", 310},
    {"row3", soulUrgeTable, 3, 0, "You achieve a sense of pleasure when you", 423},
    {"row4", soulUrgeTable, 4, 0, "At hand there is an ever-present need to", 394},
    {"row5", soulUrgeTable, 5, 0, "The yearning to have complete liberty to be", 346},
    {"row6", soulUrgeTable, 6, 0, "Having the knowledge of being wanted and respected", 322},
    {"row7", soulUrgeTable, 7, 0, "You encompass an in-built secret need to gain", 298},
    {"row8", soulUrgeTable, 8, 0, "You have a focused drive to achieve in", 381},
    {"row9", soulUrgeTable, 9, 0, "You feel proud and satisfied, when you do", 352},
    {"row11_master11", soulUrgeTable, 11, 0, "Master number 11 has resemblance with number 2.", 384},
    {"row22_master22", soulUrgeTable, 22, 0, "With a master number 22 Soul Urge, there", 480},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(SoulUrge, ReadingTextTest, ::testing::ValuesIn(kSoulUrgeTexts), textCaseName);

// Every reachable Soul Urge number but 0 has a row of exactly one paragraph;
// 0 (a name without vowels) must find no row so the reading falls back to the
// not-valid text instead of showing some other number's reading.
TEST(SoulUrgeTable, holdsOneParagraphForEachNumberAndNoRowForZero)
{
    const velmora::ReadingTable &table = soulUrgeTable();
    std::vector<int> numbers;
    for (const velmora::ReadingRow &row : table.rows) {
        numbers.push_back(row.number);
        EXPECT_EQ(row.paragraphs.size(), 1u) << "row " << row.number;
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}));
    EXPECT_EQ(table.find(0), nullptr);
}
