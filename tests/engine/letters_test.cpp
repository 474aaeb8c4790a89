// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "letters.h"

using velmora::LetterValue;
using velmora::ReduceNumber;

TEST(LetterValue, followsTheChartInBothCases)
{
    const std::string rows[9] = {"AJS", "BKT", "CLU", "DMV", "ENW", "FOX", "GPY", "HQZ", "IR"};
    for (int value = 1; value <= 9; ++value) {
        for (const char letter : rows[value - 1]) {
            SCOPED_TRACE(std::string(1, letter));
            EXPECT_EQ(LetterValue(letter).value, value);
            EXPECT_EQ(LetterValue(static_cast<char>(letter - 'A' + 'a')).value, value);
        }
    }
}

TEST(LetterValue, vowelsAreExactlyAEIOU)
{
    std::string vowels;
    for (char ch = 'A'; ch <= 'Z'; ++ch) {
        if (LetterValue(ch).vowel)
            vowels.push_back(ch);
    }
    EXPECT_EQ(vowels, "AEIOU");
    EXPECT_TRUE(LetterValue('e').vowel);
    EXPECT_FALSE(LetterValue('y').vowel);
    EXPECT_FALSE(LetterValue('W').vowel);
}

TEST(LetterValue, otherCharactersHaveNoValue)
{
    for (const char ch : std::string(" -'0123456789@[`{\t\r\n")) {
        SCOPED_TRACE(int(ch));
        EXPECT_EQ(LetterValue(ch).value, 0);
        EXPECT_FALSE(LetterValue(ch).vowel);
    }
    for (const char ch : std::string("\xc3\xa9\xc3\x89")) // "éÉ" in UTF-8
        EXPECT_EQ(LetterValue(ch).value, 0);
}

struct SumCase {
    const char *text;
    std::int64_t full;
    std::int64_t consonants;
    std::int64_t vowels;


    friend void PrintTo(const SumCase &c, std::ostream *os) { *os << c.text; }
};

class LetterSumTest : public ::testing::TestWithParam<SumCase>
{
};

TEST_P(LetterSumTest, addsChartValues)
{
    const SumCase &c = GetParam();
    const velmora::LetterSums sums = velmora::tallyLetters(c.text).sums;
    EXPECT_EQ(sums.full, c.full);
    EXPECT_EQ(sums.consonants, c.consonants);
    EXPECT_EQ(sums.vowels, c.vowels);
}

INSTANTIATE_TEST_SUITE_P(Names, LetterSumTest,
                         ::testing::Values(SumCase{"JohnSmith", 44, 29, 15}, SumCase{"JOHNSMITH", 44, 29, 15},
                                           SumCase{"jOhN sMiTh", 44, 29, 15}, SumCase{"Jo-hn O'Smi th", 50, 29, 21},
                                           SumCase{"LynnWynn", 42, 42, 0}, SumCase{"Wynn", 22, 22, 0},
                                           SumCase{"Aeiou", 24, 0, 24}, SumCase{"", 0, 0, 0},
                                           SumCase{"J\xc3\xb6hn", 14, 14, 0}));

TEST(LetterSums, spanTheThreeNamesInOrder)
{
    velmora::BirthData data;
    data.FirstName = "John";
    data.LastName = "Smith";
    EXPECT_EQ(velmora::tallyLetters(data).sums.full, 44);
    data.MiddleName = "Quincy";
    EXPECT_EQ(velmora::tallyLetters(data).sums.full, 44 + velmora::tallyLetters("Quincy").sums.full);
}

TEST(LetterSums, doNotOverflowForVeryLongNames)
{
    const std::string name(100000, 'I'); // 900,000: far beyond 16 bits
    EXPECT_EQ(velmora::tallyLetters(name).sums.full, 900000);
    EXPECT_EQ(ReduceNumber(velmora::tallyLetters(name).sums.full, true), 9);
}

struct ReduceCase {
    std::int64_t total;
    int withMasters;
    int withoutMasters;


    friend void PrintTo(const ReduceCase &c, std::ostream *os) { *os << c.total; }
};

class ReduceNumberTest : public ::testing::TestWithParam<ReduceCase>
{
};

TEST_P(ReduceNumberTest, takesDigitSums)
{
    const ReduceCase &c = GetParam();
    EXPECT_EQ(ReduceNumber(c.total, true), c.withMasters);
    EXPECT_EQ(ReduceNumber(c.total, false), c.withoutMasters);
}

// The total itself is never a master number: 11 gives 2 and 22 gives 4, while
// 29 and 499 reach 11 and 22 as digit sums.
INSTANTIATE_TEST_SUITE_P(WorkedValues, ReduceNumberTest,
                         ::testing::Values(ReduceCase{0, 0, 0}, ReduceCase{7, 7, 7}, ReduceCase{10, 1, 1},
                                           ReduceCase{11, 2, 2}, ReduceCase{19, 1, 1}, ReduceCase{22, 4, 4},
                                           ReduceCase{29, 11, 2}, ReduceCase{33, 6, 6}, ReduceCase{38, 11, 2},
                                           ReduceCase{44, 8, 8}, ReduceCase{92, 11, 2}, ReduceCase{99, 9, 9},
                                           ReduceCase{110, 2, 2}, ReduceCase{119, 11, 2}, ReduceCase{199, 1, 1},
                                           ReduceCase{209, 11, 2}, ReduceCase{299, 2, 2}, ReduceCase{499, 22, 4},
                                           ReduceCase{589, 22, 4}, ReduceCase{2929, 22, 4}, ReduceCase{3999, 3, 3},
                                           ReduceCase{1993, 22, 4}, ReduceCase{2009, 11, 2},
                                           ReduceCase{9223372036854775807, 7, 7}));
