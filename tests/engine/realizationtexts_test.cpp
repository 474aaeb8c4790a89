// SPDX-License-Identifier: MIT
#include "realizationtexts.h"
#include "texttable.h"

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using velmora::realizationTable;

const TextCase kRealizationTexts[] = {
    {"explanation", realizationTable, TextCase::kExplanation, 0,
     "The Realization Number, which most calculators call the Maturity Number,", 328},
    {"row1_maturing", realizationTable, 1, 0, "As you grow older, you will love being independent.", 253},
    {"row2_maturing", realizationTable, 2, 0,
     "You will discover a unique in-built talent for understanding", 291},
    {"row3_maturing", realizationTable, 3, 0, "Fame, relations and confidence are some of the key factors", 191},
    {"row4_maturing", realizationTable, 4, 0, "Remember you have the capability to think big", 340},
    {"row5_maturing", realizationTable, 5, 0, "You will discover your true goal of life,", 315},
    {"row6_maturing", realizationTable, 6, 0, "You have a golden heart. You love relations,", 442},
    {"row7_maturing", realizationTable, 7, 0, "You start contemplating the life you lead", 314},
    {"row8_maturing", realizationTable, 8, 0, "You are devoted and a determined person. You", 257},
    {"row9_maturing", realizationTable, 9, 0, "Service to mankind is the vision of", 202},
    {"row11_master11", realizationTable, 11, 0, "You are highly spiritual and endowed with an", 275},
    {"row22_master22", realizationTable, 22, 0, "You have the ability to overcome all obstacles", 292},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Realization, ReadingTextTest, ::testing::ValuesIn(kRealizationTexts), textCaseName);

namespace {

// How many paragraphs each row has: the meaning, then for most numbers what
// many and what few of that number among the core numbers bring.
const std::map<int, std::size_t> kParagraphCounts = {
    {0, 1}, {1, 3}, {2, 3}, {3, 4}, {4, 3}, {5, 3}, {6, 1}, {7, 3}, {8, 3}, {9, 3}, {11, 1}, {22, 1},
};

} // namespace

TEST(RealizationTable, givesEachRowItsOwnParagraphs)
{
    std::map<int, std::size_t> counts;
    std::set<std::string_view> seen;
    for (const velmora::ReadingRow &row : realizationTable().rows) {
        counts[row.number] = row.paragraphs.size();
        for (const std::string_view paragraph : row.paragraphs)
            EXPECT_TRUE(seen.insert(paragraph).second) << "row " << row.number << " repeats: " << paragraph;
    }
    EXPECT_EQ(counts, kParagraphCounts);
}

// Where a row goes on after its meaning, its closing paragraph speaks of the
// row's own number ("few 4s", "less 9s").
TEST(RealizationTable, closesEachLongerRowOnItsOwnNumber)
{
    for (const velmora::ReadingRow &row : realizationTable().rows) {
        if (row.paragraphs.size() < 3)
            continue;
        EXPECT_NE(row.paragraphs.back().find(std::to_string(row.number)), std::string_view::npos)
            << "row " << row.number << ": " << row.paragraphs.back();
    }
}

// The reading of a number shows its heading and the row's paragraphs in
// order, each after a blank line.
TEST(RealizationReading, showsTheRowUnderItsHeading)
{
    for (const velmora::ReadingRow &row : realizationTable().rows) {
        std::string expected = "Your Realization Number is " + std::to_string(row.number);
        for (const std::string_view paragraph : row.paragraphs)
            expected += "\n\n" + std::string(paragraph);
        const std::string text = velmora::ShowReading(realizationTable(), velmora::kRealizationHeading, row.number).plainText();
        EXPECT_TRUE(text.ends_with(expected)) << "number " << row.number;
    }
}

// Every number the calculation can give has a row, row 0 included, and no
// other row exists.
TEST(RealizationTable, holdsExactlyTheReachableNumbers)
{
    std::vector<int> numbers;
    for (const velmora::ReadingRow &row : realizationTable().rows)
        numbers.push_back(row.number);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}));
}
