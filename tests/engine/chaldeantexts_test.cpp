// SPDX-License-Identifier: MIT
#include "chaldeantexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>

namespace {

std::size_t wordCount(std::string_view text)
{
    std::istringstream in{std::string(text)};
    std::size_t count = 0;
    for (std::string word; in >> word;)
        ++count;
    return count;
}

// Plain ASCII, as every stored reading is, and no space at either end.
bool isPlainParagraph(std::string_view text)
{
    return !text.empty() && text.front() != ' ' && text.back() != ' ' &&
           std::ranges::all_of(text, [](char ch) { return ch >= 0x20 && ch < 0x7f; });
}

bool namesNumber(std::string_view text, int number)
{
    const std::string digits = std::to_string(number);
    for (std::size_t at = text.find(digits); at != std::string_view::npos; at = text.find(digits, at + 1)) {
        const bool digitBefore = at > 0 && std::isdigit(static_cast<unsigned char>(text[at - 1]));
        const std::size_t end = at + digits.size();
        const bool digitAfter = end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]));
        if (!digitBefore && !digitAfter)
            return true;
    }
    return false;
}

TEST(ChaldeanCompounds, holdEveryNumberFromTenToFiftyTwoInOrder)
{
    const auto compounds = velmora::chaldeanCompounds();
    ASSERT_EQ(compounds.size(), 43u);
    for (int n = 10; n <= 52; ++n) {
        const velmora::CompoundReading *reading = velmora::chaldeanCompound(n);
        ASSERT_NE(reading, nullptr) << n;
        EXPECT_EQ(reading->number, n);
        EXPECT_EQ(reading, &compounds[static_cast<std::size_t>(n - 10)]) << n;
        EXPECT_TRUE(isPlainParagraph(reading->title)) << n;
        EXPECT_TRUE(isPlainParagraph(reading->text)) << n;
        const std::size_t words = wordCount(reading->text);
        EXPECT_GE(words, 60u) << n;
        EXPECT_LE(words, 110u) << n;
    }
    for (const int outside : {-1, 0, 9, 53, 99})
        EXPECT_EQ(velmora::chaldeanCompound(outside), nullptr) << outside;
}

// A compound the older books read like a lower one carries that one's title
// and says in its text which number it follows.
struct ReadAs {
    int number;
    int like;
};

class ChaldeanCompoundReadAs : public ::testing::TestWithParam<ReadAs>
{
};

TEST_P(ChaldeanCompoundReadAs, takesTheTitleAndNamesTheNumberItFollows)
{
    const ReadAs c = GetParam();
    const velmora::CompoundReading *reading = velmora::chaldeanCompound(c.number);
    const velmora::CompoundReading *model = velmora::chaldeanCompound(c.like);
    ASSERT_NE(reading, nullptr);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(reading->title, model->title);
    EXPECT_NE(reading->text, model->text);
    EXPECT_TRUE(namesNumber(reading->text, c.like)) << reading->text;
}

INSTANTIATE_TEST_SUITE_P(OlderBooks, ChaldeanCompoundReadAs,
                         ::testing::Values(ReadAs{33, 24}, ReadAs{34, 25}, ReadAs{35, 26}, ReadAs{36, 27},
                                           ReadAs{38, 29}, ReadAs{39, 30}, ReadAs{40, 31}, ReadAs{41, 32},
                                           ReadAs{42, 24}, ReadAs{44, 26}, ReadAs{45, 27}, ReadAs{46, 37},
                                           ReadAs{47, 29}, ReadAs{48, 30}, ReadAs{49, 31}, ReadAs{50, 32},
                                           ReadAs{52, 43}),
                         [](const ::testing::TestParamInfo<ReadAs> &info) {
                             return "compound" + std::to_string(info.param.number) + "As" +
                                    std::to_string(info.param.like);
                         });

struct RootPlanet {
    int root;
    std::string_view planet;
};

class ChaldeanRoot : public ::testing::TestWithParam<RootPlanet>
{
};

TEST_P(ChaldeanRoot, namesItsPlanetInOneParagraph)
{
    const RootPlanet c = GetParam();
    EXPECT_EQ(velmora::chaldeanPlanet(c.root), c.planet);
    const velmora::ReadingRow *row = velmora::chaldeanRootTable().find(c.root);
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->paragraphs.size(), 1u);
    const std::string_view text = row->paragraphs.front();
    EXPECT_NE(text.find(c.planet), std::string_view::npos) << text;
    EXPECT_TRUE(isPlainParagraph(text));
    const std::size_t words = wordCount(text);
    EXPECT_GE(words, 60u);
    EXPECT_LE(words, 110u);
}

INSTANTIATE_TEST_SUITE_P(Roots, ChaldeanRoot,
                         ::testing::Values(RootPlanet{1, "Sun"}, RootPlanet{2, "Moon"}, RootPlanet{3, "Jupiter"},
                                           RootPlanet{4, "Uranus"}, RootPlanet{5, "Mercury"}, RootPlanet{6, "Venus"},
                                           RootPlanet{7, "Neptune"}, RootPlanet{8, "Saturn"}, RootPlanet{9, "Mars"}),
                         [](const ::testing::TestParamInfo<RootPlanet> &info) {
                             return std::string(info.param.planet);
                         });

TEST(ChaldeanRoot, tableHoldsTheNineRootsOnly)
{
    const velmora::ReadingTable &table = velmora::chaldeanRootTable();
    EXPECT_FALSE(table.explanation.empty());
    EXPECT_EQ(table.rows.size(), 9u);
    for (const int outside : {0, 10, 11, 22})
        EXPECT_EQ(table.find(outside), nullptr) << outside;
    EXPECT_TRUE(velmora::chaldeanPlanet(0).empty());
    EXPECT_TRUE(velmora::chaldeanPlanet(10).empty());
}

TEST(ChaldeanExplanations, sayWhatEachNumberAdds)
{
    using velmora::ChaldeanNumber;
    const struct {
        ChaldeanNumber number;
        std::string_view says;
    } cases[] = {
        {ChaldeanNumber::Name, "Destiny Number"},   {ChaldeanNumber::Name, "name number"},
        {ChaldeanNumber::SoulUrge, "A, E, I, O and U"}, {ChaldeanNumber::Personality, "consonants"},
        {ChaldeanNumber::Birth, "day of birth"}, {ChaldeanNumber::LifePath, "every digit"},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(isPlainParagraph(velmora::chaldeanExplanation(c.number)));
        EXPECT_NE(velmora::chaldeanExplanation(c.number).find(c.says), std::string_view::npos) << c.says;
    }
    EXPECT_NE(velmora::chaldeanCompoundExplanation().find("between 10 and 52"), std::string_view::npos);
}

} // namespace
