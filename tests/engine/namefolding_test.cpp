// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "namefolding.h"

struct FoldCase {
    const char *name;
    const char *input;
    std::vector<std::string> uncounted;
    const char *folded;
};

class NameFolding : public ::testing::TestWithParam<FoldCase>
{
};

TEST_P(NameFolding, listsWhatDoesNotCountAndFoldsAccents)
{
    const FoldCase &c = GetParam();
    EXPECT_EQ(velmora::uncountedCharacters(c.input), c.uncounted);
    EXPECT_EQ(velmora::foldAccents(c.input), c.folded);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameFolding,
    ::testing::Values(
        FoldCase{"plainLetters", "John", {}, "John"},
        FoldCase{"separatorsAreNotReported", "Mary-Jane O'Brien St. Clair O’Hara", {}, "Mary-Jane O'Brien St. Clair O’Hara"},
        FoldCase{"acuteAccent", "José", {"é"}, "Jose"},
        FoldCase{"eachCharacterOnce", "Renée Zoë", {"é", "ë"}, "Renee Zoe"},
        FoldCase{"sharpS", "Straße", {"ß"}, "Strasse"},
        FoldCase{"ligatureAndSlashedO", "Ærø", {"Æ", "ø"}, "AEro"},
        FoldCase{"strokeLetters", "Łukasz Đoković", {"Ł", "Đ", "ć"}, "Lukasz Dokovic"},
        FoldCase{"combiningMarkDropped", "Jose\u0301", {"\u0301"}, "Jose"},
        FoldCase{"cyrillicStaysAsItIs", "Иван", {"И", "в", "а", "н"}, "Иван"},
        FoldCase{"digitsDoNotCount", "Anna2", {"2"}, "Anna2"},
        FoldCase{"invalidBytesReportedSafely", "Jo\xff\xc3", {"\xEF\xBF\xBD"}, "Jo\xff\xc3"},
        FoldCase{"overlongFormIsInvalid", "A\xc1\x81", {"\xEF\xBF\xBD"}, "A\xc1\x81"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NameFolding, everyFoldedLetterCounts)
{
    for (const velmora::AccentFold &fold : velmora::accentFolds()) {
        const std::string folded = velmora::foldAccents(fold.letters);
        EXPECT_TRUE(velmora::uncountedCharacters(folded).empty()) << fold.letters << " -> " << folded;
        EXPECT_EQ(velmora::uncountedCharacters(fold.letters).size() * fold.base.size(), folded.size()) << fold.letters;
    }
}
