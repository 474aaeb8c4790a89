// SPDX-License-Identifier: MIT
#include "pinnacletexts.h"
#include "texttable.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {

// Names a label row by its number in failure messages.
void PrintTo(const PinnacleLabels &labels, std::ostream *os)
{
    *os << "number " << labels.number;
}

} // namespace velmora

namespace {

const velmora::ReadingTable &pinnacleReadings()
{
    return velmora::pinnacleTable().readings;
}

const TextCase kPinnacleTexts[] = {
    {"explanation", pinnacleReadings, TextCase::kExplanation, 0,
     "Pinnacles represent moments in your life in which", 305},
    {"row1", pinnacleReadings, 1, 0, "This signifies the period when you will be", 368},
    {"row2", pinnacleReadings, 2, 0, "This signifies the period when you will be", 370},
    {"row3", pinnacleReadings, 3, 0, "This signifies the period when you will want", 289},
    {"row4", pinnacleReadings, 4, 0, "This signifies the period when you will believe", 311},
    {"row5", pinnacleReadings, 5, 0, "This signifies the period when you will want", 345},
    {"row6", pinnacleReadings, 6, 0, "This signifies the period when you wish to", 392},
    {"row7", pinnacleReadings, 7, 0, "In this period you would like to come", 583},
    {"row8", pinnacleReadings, 8, 0, "This signifies the period when you will want", 457},
    {"row9", pinnacleReadings, 9, 0, "This signifies the period when you will get", 477},
    {"row11", pinnacleReadings, 11, 0, "This signifies the period when you will want", 500},
    {"row22", pinnacleReadings, 22, 0, "This signifies the period when you want to", 553},
};

INSTANTIATE_TEST_SUITE_P(Pinnacle, ReadingTextTest, ::testing::ValuesIn(kPinnacleTexts), textCaseName);

TEST(PinnacleTexts, everyNumberHasOneParagraphOfItsOwn)
{
    const auto rows = velmora::pinnacleTable().readings.rows;
    ASSERT_EQ(rows.size(), 11u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].paragraphs.size(), 1u) << "number " << rows[i].number;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(rows[i].paragraphs[0], rows[j].paragraphs[0])
                << "numbers " << rows[j].number << " and " << rows[i].number << " read alike";
    }
}

TEST(PinnacleTexts, thirdPinnacleCopyOfThreeLacksTheSpaceAfterItsFirstSentence)
{
    const velmora::PinnacleTable &table = velmora::pinnacleTable();
    const velmora::ReadingRow *row = table.readings.find(3);
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->paragraphs.size(), 1u);
    std::string expected(row->paragraphs[0]);
    const std::size_t firstStop = expected.find(". ");
    ASSERT_NE(firstStop, std::string::npos);
    expected.erase(firstStop + 1, 1);
    EXPECT_EQ(table.thirdPinnacleThree, expected);
    EXPECT_NE(table.thirdPinnacleThree, row->paragraphs[0]);
    EXPECT_EQ(table.thirdPinnacleThree.size(), 288u);
}

// Every number a pinnacle can reduce to.
constexpr int kPinnacleNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};

class PinnacleLabelTest : public ::testing::TestWithParam<int>
{
};

const velmora::PinnacleLabels *storedLabels(int number)
{
    const auto labels = velmora::pinnacleTable().labels;
    const auto it = std::find_if(labels.begin(), labels.end(),
                                 [number](const velmora::PinnacleLabels &l) { return l.number == number; });
    return it == labels.end() ? nullptr : &*it;
}

// First 0 to 36 - v, second 37 - v to 45 - v, third 46 - v to 54 - v, fourth
// 55 - v onward, with 11 counted as 2 and 22 as 4; the text may end in more
// than one space, never in none.
TEST_P(PinnacleLabelTest, followsTheAgeRule)
{
    const int number = GetParam();
    const int v = number == 11 ? 2 : number == 22 ? 4 : number;
    const std::array<std::string, 4> words = {
        "First Pinnacle from age 0-" + std::to_string(36 - v) + " years is",
        "Second Pinnacle from age " + std::to_string(37 - v) + "-" + std::to_string(45 - v) + " is",
        "Third Pinnacle from age " + std::to_string(46 - v) + "-" + std::to_string(54 - v) + " is",
        "Fourth Pinnacle from age " + std::to_string(55 - v) + " & beyond is",
    };
    const velmora::PinnacleLabels *stored = storedLabels(number);
    ASSERT_NE(stored, nullptr);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string_view label = stored->labels[i];
        ASSERT_TRUE(label.starts_with(words[i])) << "pinnacle " << i + 1 << ": \"" << label << "\"";
        const std::string_view tail = label.substr(words[i].size());
        EXPECT_FALSE(tail.empty()) << "pinnacle " << i + 1;
        EXPECT_EQ(tail.find_first_not_of(' '), std::string_view::npos) << "pinnacle " << i + 1;
    }
}

// A pinnacle reading heads each of the four readings with that pinnacle's
// label for its own number, the number right after it.
TEST_P(PinnacleLabelTest, headsTheReadingOfEachPinnacle)
{
    const int number = GetParam();
    const velmora::PinnacleLabels *stored = storedLabels(number);
    ASSERT_NE(stored, nullptr);
    const std::string text = velmora::PinnacleReading({number, number, number, number}, {number, number, number, number}).plainText();
    std::size_t from = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string heading = std::string(stored->labels[i]) + std::to_string(number) + "\n\n";
        const std::size_t at = text.find(heading, from);
        ASSERT_NE(at, std::string::npos) << "pinnacle " << i + 1 << ": \"" << heading << '"';
        from = at + heading.size();
    }
}

INSTANTIATE_TEST_SUITE_P(Pinnacle, PinnacleLabelTest, ::testing::ValuesIn(kPinnacleNumbers),
                         [](const auto &info) { return "number" + std::to_string(info.param); });

TEST(PinnacleLabels, coverEveryNumberOnce)
{
    std::vector<int> numbers;
    for (const velmora::PinnacleLabels &labels : velmora::pinnacleTable().labels)
        numbers.push_back(labels.number);
    EXPECT_EQ(numbers, std::vector<int>(std::begin(kPinnacleNumbers), std::end(kPinnacleNumbers)));
}

} // namespace
