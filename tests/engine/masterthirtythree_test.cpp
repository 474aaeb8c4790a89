// SPDX-License-Identifier: MIT
#include "attitudetexts.h"
#include "destinytexts.h"
#include "lifepathtexts.h"
#include "personalitytexts.h"
#include "pinnacletexts.h"
#include "realizationtexts.h"
#include "soulurgetexts.h"
#include "thirtythreetexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::size_t wordCount(std::string_view text)
{
    std::istringstream in{std::string(text)};
    std::size_t count = 0;
    for (std::string word; in >> word;)
        ++count;
    return count;
}

// The rows a 33 row must match: the table's master rows where it has them,
// otherwise all of its rows.
struct ThirtyThreeCase {
    std::string_view name;
    velmora::ThirtyThreeFor which;
    const velmora::ReadingTable &(*table)();
    std::vector<int> models;
};

const velmora::ReadingTable &pinnacleReadings()
{
    return velmora::pinnacleTable().readings;
}

class ThirtyThreeRow : public ::testing::TestWithParam<ThirtyThreeCase>
{
};

TEST_P(ThirtyThreeRow, hasTheShapeAndLengthOfItsTablesRows)
{
    const ThirtyThreeCase &c = GetParam();
    const velmora::ReadingRow &row = velmora::thirtyThreeRow(c.which);
    const velmora::ReadingTable &table = c.table();
    EXPECT_EQ(row.number, 33);
    for (const int model : c.models) {
        const velmora::ReadingRow *other = table.find(model);
        ASSERT_NE(other, nullptr) << model;
        ASSERT_EQ(row.paragraphs.size(), other->paragraphs.size()) << "row " << model;
    }
    // Each paragraph keeps within the lengths of the same paragraph in the
    // table's rows, with a fifth of slack either way.
    for (std::size_t p = 0; p < row.paragraphs.size(); ++p) {
        std::size_t shortest = SIZE_MAX;
        std::size_t longest = 0;
        for (const velmora::ReadingRow &other : table.rows)
            if (p < other.paragraphs.size() && other.paragraphs.size() == row.paragraphs.size()) {
                shortest = std::min(shortest, wordCount(other.paragraphs[p]));
                longest = std::max(longest, wordCount(other.paragraphs[p]));
            }
        const std::size_t words = wordCount(row.paragraphs[p]);
        EXPECT_GE(words * 5, shortest * 4) << "paragraph " << p;
        EXPECT_LE(words * 5, longest * 6) << "paragraph " << p;
        EXPECT_TRUE(std::ranges::all_of(row.paragraphs[p], [](char ch) { return ch >= 0x20 && ch < 0x7f; }));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ThirtyThreeRow,
    ::testing::Values(
        ThirtyThreeCase{"Destiny", velmora::ThirtyThreeFor::Destiny, velmora::destinyTable, {11, 22}},
        ThirtyThreeCase{"SoulUrge", velmora::ThirtyThreeFor::SoulUrge, velmora::soulUrgeTable, {11, 22}},
        ThirtyThreeCase{"Personality", velmora::ThirtyThreeFor::Personality, velmora::personalityTable, {11, 22}},
        ThirtyThreeCase{"Realization", velmora::ThirtyThreeFor::Realization, velmora::realizationTable, {11, 22}},
        ThirtyThreeCase{"LifePath", velmora::ThirtyThreeFor::LifePath, velmora::lifePathTable, {11, 22}},
        ThirtyThreeCase{"Pinnacle", velmora::ThirtyThreeFor::Pinnacle, pinnacleReadings, {11, 22}},
        ThirtyThreeCase{"Attitude", velmora::ThirtyThreeFor::Attitude, velmora::attitudeTable,
                        {1, 2, 3, 4, 5, 6, 7, 8, 9}}),
    [](const ::testing::TestParamInfo<ThirtyThreeCase> &info) { return std::string(info.param.name); });

} // namespace
