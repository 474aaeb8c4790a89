// SPDX-License-Identifier: MIT
#include "hiddenpassiontexts.h"
#include "texttable.h"

namespace {

const TextCase kHiddenPassionTexts[] = {
    {"explanation", velmora::hiddenPassionTable, TextCase::kExplanation, 0,
     "The Hidden Passion Number unleashes the special talents", 209},
    {"row1", velmora::hiddenPassionTable, 1, 0,
     "Originality and individuality are the strong hidden senses", 276},
    {"row2", velmora::hiddenPassionTable, 2, 0, "Your hidden passion is harmony and you are", 356},
    {"row3", velmora::hiddenPassionTable, 3, 0, "Your hidden passion is creative expression and joy.", 235},
    {"row4", velmora::hiddenPassionTable, 4, 0, "You like the taste of hard work. Your", 275},
    {"row5", velmora::hiddenPassionTable, 5, 0, "Adventure is the passion, says the number! You", 279},
    {"row6", velmora::hiddenPassionTable, 6, 0, "You want to love and be loved. Family", 253},
    {"row7", velmora::hiddenPassionTable, 7, 0, "Knowledge is power. You love to learn all", 383},
    {"row8", velmora::hiddenPassionTable, 8, 0, "You are a born leader and manager. You", 316},
    {"row9", velmora::hiddenPassionTable, 9, 0, "You have the passion for serving mankind.", 263},
};

INSTANTIATE_TEST_SUITE_P(HiddenPassion, ReadingTextTest, ::testing::ValuesIn(kHiddenPassionTexts),
                         textCaseName);

// The number is a letter's chart value, never a master number: rows 1 to 9,
// one distinct paragraph each.
TEST(HiddenPassionTexts, holdOneDistinctParagraphForEachChartValue)
{
    const auto rows = velmora::hiddenPassionTable().rows;
    ASSERT_EQ(rows.size(), 9u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].number, static_cast<int>(i) + 1);
        ASSERT_EQ(rows[i].paragraphs.size(), 1u) << "number " << rows[i].number;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(rows[i].paragraphs[0], rows[j].paragraphs[0]);
    }
}

} // namespace
