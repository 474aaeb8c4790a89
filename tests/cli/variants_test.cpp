// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>

#include "namevariants.h"
#include "shortenedtext.h"
#include "variantoutput.h"

namespace velmora {
namespace {

struct AlternativesCase {
    const char *name;
    std::string_view text;
    std::optional<std::vector<std::string>> alternatives;
};

class AlternativesTest : public testing::TestWithParam<AlternativesCase> {};

TEST_P(AlternativesTest, splitsAtBarsAndRefusesEmptyOnes)
{
    EXPECT_EQ(splitAlternatives(GetParam().text), GetParam().alternatives);
}

using Names = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Names, AlternativesTest,
    testing::Values(AlternativesCase{"single", "Jon", Names{"Jon"}},
                    AlternativesCase{"three", "Jon|John|Jonathan", Names{"Jon", "John", "Jonathan"}},
                    AlternativesCase{"spacesTrimmed", " Jon | Mary Ann ", Names{"Jon", "Mary Ann"}},
                    AlternativesCase{"noMiddleName", "", Names{""}},
                    AlternativesCase{"doubleBar", "Jon||John", std::nullopt},
                    AlternativesCase{"trailingBar", "Jon|", std::nullopt},
                    AlternativesCase{"leadingBar", "|Jon", std::nullopt},
                    AlternativesCase{"spacesBetweenBars", "Jon| |John", std::nullopt},
                    AlternativesCase{"barAlone", "|", std::nullopt}),
    [](const testing::TestParamInfo<AlternativesCase> &info) { return info.param.name; });

TEST(VariantCountTest, multipliesWithoutOverflowing)
{
    EXPECT_EQ(variantCount(3, 1, 2), 6U);
    EXPECT_EQ(variantCount(100, 1, 100), 10'000U);
    EXPECT_EQ(variantCount(std::size_t{1} << 40, std::size_t{1} << 40, 2), UINT64_MAX);
}

struct WidthCase {
    const char *name;
    std::string_view text;
    std::size_t width;
};

class DisplayWidthTest : public testing::TestWithParam<WidthCase> {};

TEST_P(DisplayWidthTest, countsWhatATerminalShows)
{
    EXPECT_EQ(displayWidth(GetParam().text), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayWidthTest,
    testing::Values(WidthCase{"ascii", "Jon Smith", 9}, WidthCase{"precomposed", "Jos\u00e9", 4},
                    WidthCase{"combiningMark", "Jose\u0301", 4}, WidthCase{"wide", "\u5c71\u7530", 4},
                    WidthCase{"checkMark", "\u2713", 1}, WidthCase{"strayByte", "A\xff", 2},
                    WidthCase{"cutSequence", "A\xc3", 2}),
    [](const testing::TestParamInfo<WidthCase> &info) { return info.param.name; });

// A long name keeps its start and its end within the columns; two that
// differ only at the end stay apart, and no character is cut.
struct ShortenedCase {
    const char *name;
    std::string text;
    std::string shown;
};

class ShortenedTextTest : public testing::TestWithParam<ShortenedCase> {};

TEST_P(ShortenedTextTest, keepsTheStartAndTheEndWithinTheColumns)
{
    const std::string shown = shortenedText(GetParam().text, 9);
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_LE(displayWidth(shown), 9U);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortenedTextTest,
    testing::Values(ShortenedCase{"fits", "Jon Smith", "Jon Smith"},
                    ShortenedCase{"endsKept", "Jonathan Smith-1", "Jona\u2026th-1"},
                    ShortenedCase{"otherEndKept", "Jonathan Smith-2", "Jona\u2026th-2"},
                    ShortenedCase{"wideCharactersWhole", "\u5c71\u7530\u592a\u90ce\u3055\u3093",
                                  "\u5c71\u7530\u2026\u3055\u3093"},
                    ShortenedCase{"combiningMarksCounted", std::string(40, 'e') + "\u0301",
                                  "eeee\u2026eee\u0301"}),
    [](const testing::TestParamInfo<ShortenedCase> &info) { return info.param.name; });

} // namespace
} // namespace velmora
