// SPDX-License-Identifier: MIT
#include "realization.h"
#include "texttable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace {

using velmora::realizationTable;

const TextCase kRealizationTexts[] = {
    {"explanation", realizationTable, TextCase::kExplanation, 0,
     "The Maturity Number describes your underlying wishes, desires,", 277},
    {"row1_maturing", realizationTable, 1, 0, "As you grow older, will love being independent.", 246},
    {"row2_maturing", realizationTable, 2, 0,
     "You will discover unique in-built talent for understanding", 290},
    {"row3_maturing", realizationTable, 3, 0, "Fame, relations, confidence are some the key factor", 186},
    {"row4_maturing", realizationTable, 4, 0, "Remember you have the capability to think big", 340},
    {"row5_maturing", realizationTable, 5, 0, "You will discover your true goal of life,", 315},
    {"row6_maturing", realizationTable, 6, 0, "You have a golden heart. You love relations,", 442},
    {"row7_maturing", realizationTable, 7, 0, "You start contemplating about the life your lead", 323},
    {"row8_maturing", realizationTable, 8, 0, "You are devoted and a determined person. You", 257},
    {"row9_maturing", realizationTable, 9, 0, "Service to the mankind is the vision of", 209},
    {"row11_master11", realizationTable, 11, 0, "You are highly spiritual and endowed with an", 275},
    {"row22_master22", realizationTable, 22, 0, "You have the ability to overcome all obstacles", 292},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Realization, ReadingTextTest, ::testing::ValuesIn(kRealizationTexts), textCaseName);

namespace {

// The shape of one row: how many paragraphs it has and the fixed sentences
// that close it, word for word (their grammar is part of the stored text).
// Row 0 consists of its fixed sentence alone.
struct RowShape {
    std::string_view name;
    int number = 0;
    std::size_t paragraphs = 0;
    std::vector<std::string_view> fixedTail;


    friend void PrintTo(const RowShape &c, std::ostream *os) { *os << c.name; }
};

const std::vector<RowShape> kRowShapes = {
    {"row0", 0, 1,
     {"Your Maturity Number is dependent on your LifePath Number and Destiny Number. "
      "Please calculate these two figures first."}},
    {"row1", 1, 3,
     {"Too many 1s among the core numbers signify a stubborn and domineering attitude.",
      "And on the other hand, if you don't have many 1s then you will lead an exciting and "
      "adventurous life."}},
    {"row2", 2, 3,
     {"Too many 2s will make you very sensitive.",
      "Few 2s may signify a peaceful life and the ability to work with different people will increase."}},
    {"row3", 3, 4,
     {"Many 3s in your chart will make you irresponsible about your work.",
      "Few 3s will signify a carefree and tension free life.",
      "But as a whole 3 brings close friends, new relations and most importantly happiness to your life."}},
    {"row4", 4, 3,
     {"Many 4s can make you narrow-minded.", "Few 4s will take you through to a new peak of success."}},
    {"row5", 5, 3,
     {"Many 5s in your chart indicates lack of concentration.",
      "And less 5s indicates that you will take up new challenges and may adapt some positive changes in "
      "the later part of your life."}},
    {"row6", 6, 1, {}},
    {"row7", 7, 3,
     {"Several sevens may make you feel separated.",
      "Less 7s will land you in a particular field study, which may be your goal."}},
    {"row8", 8, 3,
     {"Too many 8s may make you overconfident and greedy.",
      "Few 8s in your chart will give you a stable and secure position."}},
    {"row9", 9, 3,
     {"Several 9s indicate arrogance and isolation in your chart.",
      "Less 9s in your signify that you will achieve your goal of leaving behind something immortal for "
      "people to remember."}},
    {"row11", 11, 1, {}},
    {"row22", 22, 1, {}},
};

class RealizationRowTest : public ::testing::TestWithParam<RowShape>
{
};

std::string rowShapeName(const ::testing::TestParamInfo<RowShape> &info)
{
    return std::string(info.param.name);
}

} // namespace

TEST_P(RealizationRowTest, keepsItsParagraphCountAndFixedSentences)
{
    const RowShape &shape = GetParam();
    const velmora::ReadingRow *row = realizationTable().find(shape.number);
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->paragraphs.size(), shape.paragraphs);
    ASSERT_LE(shape.fixedTail.size(), shape.paragraphs);
    const std::size_t first = shape.paragraphs - shape.fixedTail.size();
    for (std::size_t i = 0; i < shape.fixedTail.size(); ++i) {
        SCOPED_TRACE("paragraph " + std::to_string(first + i));
        EXPECT_EQ(row->paragraphs[first + i], shape.fixedTail[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Realization, RealizationRowTest, ::testing::ValuesIn(kRowShapes), rowShapeName);

// Every number the calculation can give has a row, row 0 included, and no
// other row exists.
TEST(RealizationTable, holdsExactlyTheReachableNumbers)
{
    std::vector<int> numbers;
    for (const velmora::ReadingRow &row : realizationTable().rows)
        numbers.push_back(row.number);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}));
}
