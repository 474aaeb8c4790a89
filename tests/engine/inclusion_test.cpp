// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "chart.h"
#include "morenumberstext.h"
#include "person.h"
#include "planes.h"

namespace {

struct LetterCase {
    const char *label;
    const char *first;
    const char *middle;
    const char *last;
    const velmora::System &(*system)();
    std::array<std::uint32_t, 9> inclusion; // value 1 first
    // Per plane, physical first: letters, total, number.
    std::array<std::array<int, 3>, 4> planes;
};

std::ostream &operator<<(std::ostream &os, const LetterCase &c)
{
    return os << c.label;
}

class LetterChartsTest : public testing::TestWithParam<LetterCase>
{
};

// Counted by hand from the letter charts: Mary Ann Smith is M4 A1 R9 Y7 A1
// N5 N5 S1 M4 I9 T2 H8 under classic, M4 A1 R2 Y1 A1 N5 N5 S3 M4 I1 T4 H5
// under chaldean; John Smith J1 O6 H8 N5 S1 M4 I9 T2 H8 under both others.
TEST_P(LetterChartsTest, countsEachValueAndEachPlane)
{
    const LetterCase &c = GetParam();
    const velmora::Chart chart = velmora::chartOf(person(c.first, c.middle, c.last), c.system(), {1, 1, 2000});
    for (std::size_t value = 1; value <= 9; ++value)
        EXPECT_EQ(chart.inclusion()[value], c.inclusion[value - 1]) << "value " << value;
    for (const velmora::PlaneDescriptor &plane : velmora::planeDescriptors()) {
        const velmora::PlaneValue &got = chart.plane(plane.plane);
        const std::array<int, 3> &want = c.planes[velmora::indexOf(plane.plane)];
        EXPECT_EQ(got.letters, want[0]) << plane.name;
        EXPECT_EQ(got.total, want[1]) << plane.name;
        EXPECT_EQ(got.number, want[2]) << plane.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, LetterChartsTest,
    testing::Values(
        LetterCase{"maryAnnSmithClassic", "Mary", "Ann", "Smith", &velmora::classicSystem,
                   {3, 1, 0, 2, 2, 0, 1, 1, 2}, {{{2, 8, 8}, {5, 20, 2}, {4, 21, 3}, {1, 7, 7}}}},
        LetterCase{"maryAnnSmithChaldean", "Mary", "Ann", "Smith", &velmora::chaldeanSystem,
                   {4, 1, 1, 3, 3, 0, 0, 0, 0}, {{{2, 8, 8}, {5, 17, 8}, {4, 10, 1}, {1, 1, 1}}}},
        // Mental 22 is brought down to 4: the digit reduction keeps no master.
        LetterCase{"johnSmithCommonLeavesAPlaneEmpty", "John", "", "Smith", &velmora::commonSystem,
                   {2, 1, 0, 1, 1, 1, 0, 2, 1}, {{{1, 4, 4}, {4, 22, 4}, {4, 18, 9}, {0, 0, 0}}}},
        LetterCase{"caseAndOtherCharactersAside", "ma-RY", "", "o'Neil", &velmora::classicSystem,
                   {1, 0, 1, 1, 2, 1, 1, 0, 2}, {{{2, 9, 9}, {3, 9, 9}, {3, 24, 6}, {1, 7, 7}}}}),
    [](const testing::TestParamInfo<LetterCase> &info) { return std::string(info.param.label); });

TEST(LetterCharts, showWhichLettersMadeEachCountAndEachPlane)
{
    const velmora::Chart chart = velmora::chartOf(person("Mary", "Ann", "Smith"), velmora::classicSystem(),
                                                  {1, 1, 2000}, true);
    const std::vector<std::string> lines = velmora::workingLines(chart);
    for (const char *line : {"Inclusion 1: A A S → 3", "Inclusion 3: no letter → 0", "Inclusion 9: R I → 2",
                             "Physical plane: M4 M4 = 8", "Mental plane: A1 A1 N5 N5 H8 = 20 → 2",
                             "Intuitive plane: Y7 = 7"})
        EXPECT_NE(std::ranges::find(lines, std::string(line)), lines.end()) << line;

    const velmora::Chart john = velmora::chartOf(person("John", "", "Smith"), velmora::classicSystem(), {1, 1, 2000},
                                                 true);
    const std::vector<std::string> johnLines = velmora::workingLines(john);
    EXPECT_NE(std::ranges::find(johnLines, std::string("Intuitive plane: no letters = 0")), johnLines.end());
}

TEST(LetterCharts, readAPlaneWithoutLettersAsSuch)
{
    const velmora::PlaneValue none{};
    const velmora::PlaneValue five{3, 14, 5};
    const std::string empty = velmora::planeReading(velmora::Plane::Intuitive, none);
    const std::string full = velmora::planeReading(velmora::Plane::Intuitive, five);
    const velmora::PlaneSentences sentences = velmora::planeSentences();
    EXPECT_TRUE(empty.ends_with(sentences.empty[velmora::indexOf(velmora::Plane::Intuitive)]));
    EXPECT_TRUE(full.ends_with(sentences.colours[4]));
    EXPECT_EQ(velmora::planeSummary(velmora::Plane::Emotional, none), "Emotional (B I O R S T X Z): no letters");
    EXPECT_EQ(velmora::planeSummary(velmora::Plane::Physical, velmora::PlaneValue{1, 4, 4}),
              "Physical (D E M W): 1 letter, total 4, number 4");
}

// 65,536 letters of one value fit in a command-line argument and a batch
// record: the count must not wrap to 0, or the value would read as missing.
TEST(LetterCharts, countMoreThanSixteenBitsOfLettersOfOneValue)
{
    const std::string many = std::string(65536, 'A') + "B";
    const velmora::Chart classic = chart(person(many.c_str(), "", "Z"));
    EXPECT_EQ(classic.inclusion()[1], 65536U);
    EXPECT_EQ(classic.number(velmora::NumberId::SubconsciousSelf), 3); // 1, 2 and 8
    for (const int lesson : classic[velmora::NumberId::KarmicLessons].list())
        EXPECT_NE(lesson, 1);
    const velmora::Chart common = velmora::chartOf(person(many.c_str(), "", "Z"), velmora::commonSystem(), {1, 1, 2000});
    EXPECT_EQ(common.number(velmora::NumberId::HiddenPassion), 1);
}

} // namespace
