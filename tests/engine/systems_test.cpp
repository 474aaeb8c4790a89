// SPDX-License-Identifier: MIT
// The three numerology systems: each is data, and each gives the numbers its
// school's books work by hand.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart.h"
#include "compatibility.h"
#include "morenumberstext.h"
#include "person.h"

using velmora::NumberId;

namespace {

velmora::Chart chartUnder(const velmora::System &system, const velmora::BirthData &data, bool working = false)
{
    return velmora::chartOf(data, system, {1, 1, 2026}, working);
}

struct NumberCase {
    const char *name;
    const velmora::System &(*system)();
    const char *first;
    const char *last;
    int day, month, year;
    NumberId number;
    int root;
    int compound;
};

class WorkedExamples : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(WorkedExamples, matchTheBooks)
{
    const NumberCase &c = GetParam();
    const velmora::Chart chart = chartUnder(c.system(), person(c.first, "", c.last, c.day, c.month, c.year));
    EXPECT_EQ(chart.number(c.number), c.root);
    EXPECT_EQ(chart[c.number].compound, c.compound);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, WorkedExamples,
    ::testing::Values(
        // R2 A1 H5 U6 L3 S3 H5 A1 R2 M4 A1 = 17 + 16 = 33: compound 33, root 6.
        NumberCase{"rahulSharmaName", &velmora::chaldeanSystem, "RAHUL", "SHARMA", 15, 7, 1980, NumberId::Destiny, 6,
                   33},
        // 27 + 17 = 44: compound 44, root 8.
        NumberCase{"mahendraSinghName", &velmora::chaldeanSystem, "MAHENDRA", "SINGH", 15, 7, 1980, NumberId::Destiny,
                   8, 44},
        // 1+5+0+7+1+9+8+0 = 31: compound 31, root 4.
        NumberCase{"chaldeanLifePathAddsTheDigits", &velmora::chaldeanSystem, "Ann", "Lee", 15, 7, 1980,
                   NumberId::LifePath, 4, 31},
        NumberCase{"chaldeanBirthNumberIsTheDay", &velmora::chaldeanSystem, "Ann", "Lee", 29, 3, 1975,
                   NumberId::Birthday, 2, 29},
        NumberCase{"chaldeanBirthNumberBelowTen", &velmora::chaldeanSystem, "Ann", "Lee", 7, 3, 1975,
                   NumberId::Birthday, 7, 0},
        // month 7, day 15 -> 6, year 1980 -> 18 -> 9: 7 + 6 + 9 = 22, kept.
        NumberCase{"commonLifePathReducesThePartsFirst", &velmora::commonSystem, "Ann", "Lee", 15, 7, 1980,
                   NumberId::LifePath, 22, 0},
        NumberCase{"classicLifePathAddsTheWholeDate", &velmora::classicSystem, "Ann", "Lee", 15, 7, 1980,
                   NumberId::LifePath, 4, 0},
        // Lynn Wynn: Y a vowel in both names, 7 + 7 = 14 -> 5; classic has no vowel at all.
        NumberCase{"commonCountsYAsAVowel", &velmora::commonSystem, "Lynn", "Wynn", 1, 1, 2000, NumberId::SoulUrge, 5, 0},
        NumberCase{"classicNeverDoes", &velmora::classicSystem, "Lynn", "Wynn", 1, 1, 2000, NumberId::SoulUrge, 0, 0},
        // A1 I9 A1 = 11, a master number as the starting total: kept by common, not by classic.
        NumberCase{"commonKeepsAMasterTotal", &velmora::commonSystem, "Aia", "", 1, 1, 2000, NumberId::SoulUrge, 11, 0},
        NumberCase{"classicReducesIt", &velmora::classicSystem, "Aia", "", 1, 1, 2000, NumberId::SoulUrge, 2, 0},
        // Day 22 + month 11 = 33: a master number under common only.
        NumberCase{"commonKeepsThirtyThree", &velmora::commonSystem, "Ann", "Lee", 22, 11, 1980, NumberId::Attitude,
                   33, 0},
        NumberCase{"classicHasNoThirtyThree", &velmora::classicSystem, "Ann", "Lee", 22, 11, 1980, NumberId::Attitude,
                   6, 0}),
    [](const auto &info) { return std::string(info.param.name); });

// A person's name numbers, Life Path and Karmic Debts (each with the number
// it was found in), as worked on paper by the system's published rules.
struct DebtCase {
    const char *name;
    const velmora::System &(*system)();
    const char *first;
    const char *middle;
    const char *last;
    int day, month, year;
    int destiny, soulUrge, personality, lifePath;
    std::vector<std::pair<int, NumberId>> debts;
};

class DebtExamples : public ::testing::TestWithParam<DebtCase>
{
};

TEST_P(DebtExamples, matchTheWorkingOnPaper)
{
    const DebtCase &c = GetParam();
    const velmora::Chart chart = chartUnder(c.system(), person(c.first, c.middle, c.last, c.day, c.month, c.year));
    EXPECT_EQ(chart.number(NumberId::Destiny), c.destiny);
    EXPECT_EQ(chart.number(NumberId::SoulUrge), c.soulUrge);
    EXPECT_EQ(chart.number(NumberId::Personality), c.personality);
    EXPECT_EQ(chart.number(NumberId::LifePath), c.lifePath);
    std::vector<std::pair<int, NumberId>> debts;
    for (std::size_t i = 0; i < chart[NumberId::KarmicDebts].count; ++i)
        debts.emplace_back(chart[NumberId::KarmicDebts].values[i], chart.numbers().debtSources[i]);
    EXPECT_EQ(debts, c.debts);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, DebtExamples,
    ::testing::Values(
        // Collins 30 -> 3, Madalynne 35 -> 8, Lopez 29 -> 11: 22. Vowels 15 -> 6, 14 -> 5 (Y after L a
        // vowel), 11: 22. Consonants 15 -> 6, 21 -> 3, 18 -> 9: 18 -> 9. Life Path 5 + 8 + 3 = 16 -> 7: a
        // debt; the letter total 94 -> 13 is never shown, so no 13.
        DebtCase{"commonCollins", &velmora::commonSystem, "Collins", "Madalynne", "Lopez", 17, 5, 2001, 22, 22, 9, 7,
                 {{16, NumberId::LifePath}}},
        // The same under classic: 94 -> 13 -> 4 is the Destiny's working, 2023 -> 7 the Life Path's.
        DebtCase{"classicCollins", &velmora::classicSystem, "Collins", "Madalynne", "Lopez", 17, 5, 2001, 4, 6, 7, 7,
                 {{13, NumberId::Destiny}}},
        // Wyatt 17 -> 8, Jones 18 -> 9: 17 -> 8. Vowels Y7 A1 = 8 (Y after W a vowel), O6 E5 = 11: 19 -> 1.
        // Consonants W5 T2 T2 = 9, J1 N5 S1 = 7: 16 -> 7. Life Path 1 + 1 + 1 = 3.
        DebtCase{"commonWyattJones", &velmora::commonSystem, "Wyatt", "", "Jones", 1, 1, 1990, 8, 1, 7, 3,
                 {{19, NumberId::SoulUrge}, {16, NumberId::Personality}}},
        // Each word a part: Mary 21 -> 3, Ann 11, Smith 24 -> 6: 20 -> 2, as with Ann as the middle name
        // (one part "Mary Ann" 32 -> 5 would give 11). Consonants 13 -> 4, 10 -> 1, 15 -> 6: 11; a part's
        // 13 is no debt.
        DebtCase{"commonWordsAreParts", &velmora::commonSystem, "Mary Ann", "", "Smith", 1, 1, 1990, 2, 9, 11, 3, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Compound, isTheFirstTotalOrDigitSumBetweenTenAndFiftyTwo)
{
    EXPECT_EQ(velmora::compoundOf(76, 10, 52), 13); // 76 -> 13: root 4
    EXPECT_EQ(velmora::compoundOf(33, 10, 52), 33);
    EXPECT_EQ(velmora::compoundOf(52, 10, 52), 52);
    EXPECT_EQ(velmora::compoundOf(53, 10, 52), 0);  // 53 -> 8: never within
    EXPECT_EQ(velmora::compoundOf(9, 10, 52), 0);
    EXPECT_EQ(velmora::compoundOf(9999, 10, 52), 36);
}

TEST(MasterNumbers, thirtyThreeIsKeptAsADigitSumUnderCommonOnly)
{
    const velmora::Reduction common = velmora::reduceWithSteps(6999, velmora::commonSystem().masterReduction);
    EXPECT_EQ(common.sums, (std::vector<std::int64_t>{6999, 33}));
    EXPECT_TRUE(common.masterStop);
    EXPECT_EQ(velmora::reduce(6999, velmora::classicSystem().masterReduction), 6);
}

struct YCase {
    const char *name;
    std::vector<bool> vowels; // each Y of the name, in order
};

class YRule : public ::testing::TestWithParam<YCase>
{
};

// Y is a consonant after a vowel or beginning a word before one, a vowel elsewhere.
TEST_P(YRule, decidesByItsPlace)
{
    std::vector<bool> ys;
    velmora::forEachLetter(person(GetParam().name, "", "Lee"), velmora::commonSystem(),
                           [&](const velmora::CountedLetter &l) {
                               if (l.y != velmora::YPlace::Charted && l.part == 0)
                                   ys.push_back(l.vowel);
                           });
    EXPECT_EQ(ys, GetParam().vowels);
}

INSTANTIATE_TEST_SUITE_P(
    Names, YRule,
    ::testing::Values(YCase{"Bryan", {true}}, YCase{"Wyatt", {true}}, YCase{"Ryan", {true}}, YCase{"Lynn", {true}},
                      YCase{"Yvonne", {true}}, YCase{"Mary", {true}}, YCase{"Sydney", {true, false}},
                      YCase{"Murray", {false}}, YCase{"Joy", {false}}, YCase{"Taylor", {false}},
                      YCase{"Maloney", {false}}, YCase{"Yolanda", {false}}, YCase{"Yusuf", {false}},
                      // A word begins after a space, a hyphen or an apostrophe.
                      YCase{"Ann Yolanda", {false}}, YCase{"Lee-Yuen", {false}}, YCase{"O'Yates", {false}},
                      YCase{"Mary-Ann", {true}}),
    [](const auto &info) {
        std::string name;
        for (const char ch : std::string_view(info.param.name))
            if (std::isalpha(static_cast<unsigned char>(ch)))
                name += ch;
        return name;
    });

TEST(HiddenPassion, listsEveryTiedValueUnderCommon)
{
    // A1 B2 twice each: 1 and 2 tie.
    const velmora::Chart chart = chartUnder(velmora::commonSystem(), person("Ab", "", "Ab"));
    EXPECT_EQ(std::vector<int>(chart[NumberId::HiddenPassion].list().begin(), chart[NumberId::HiddenPassion].list().end()),
              (std::vector<int>{1, 2}));
    // L, l, l: the three carry 3 whatever their case.
    const velmora::Chart liam = chartUnder(velmora::commonSystem(), person("Liam", "Faye", "Hill"));
    EXPECT_EQ(liam.number(NumberId::HiddenPassion), 3);
}

TEST(PinnaclePeriods, followTheLifePathUnderCommonAndJoinUp)
{
    // Life Path 22 -> 4: first to 32, then 33-41, 42-50, 51 on.
    const velmora::Chart chart = chartUnder(velmora::commonSystem(), person("Ann", "", "Lee", 15, 7, 1980));
    const std::array<velmora::AgeRange, 4> expected = {velmora::AgeRange{0, 32}, velmora::AgeRange{33, 41},
                                                      velmora::AgeRange{42, 50}, velmora::AgeRange{51, -1}};
    EXPECT_EQ(chart.periods(), expected);
}

TEST(KarmicDebts, includeTheBirthDayUnderCommon)
{
    const velmora::BirthData data = person("Ann", "", "Lee", 16, 1, 2000);
    const velmora::Chart common = chartUnder(velmora::commonSystem(), data);
    const velmora::Chart classic = chartUnder(velmora::classicSystem(), data);
    const auto has16FromBirthday = [](const velmora::Chart &c) {
        for (std::size_t i = 0; i < c[NumberId::KarmicDebts].count; ++i)
            if (c[NumberId::KarmicDebts].values[i] == 16 && c.numbers().debtSources[i] == NumberId::Birthday)
                return true;
        return false;
    };
    EXPECT_TRUE(has16FromBirthday(common));
    EXPECT_FALSE(has16FromBirthday(classic));
}

TEST(Chaldean, hasOnlyItsOwnNumbers)
{
    const velmora::Chart chart = chartUnder(velmora::chaldeanSystem(), person("Ann", "", "Lee", 15, 7, 1980));
    for (const NumberId id : {NumberId::Destiny, NumberId::SoulUrge, NumberId::Personality, NumberId::Birthday,
                              NumberId::LifePath, NumberId::PersonalYear})
        EXPECT_TRUE(chart[id].defined) << velmora::describe(id).key;
    for (const NumberId id : {NumberId::Realization, NumberId::Pinnacle1, NumberId::HiddenPassion,
                              NumberId::Attitude, NumberId::Challenge1, NumberId::KarmicLessons, NumberId::KarmicDebts})
        EXPECT_FALSE(chart[id].defined) << velmora::describe(id).key;
    // Every root has its reading, and so has every compound.
    for (const NumberId id : {NumberId::Destiny, NumberId::LifePath, NumberId::Birthday})
        EXPECT_EQ(chart.reading(velmora::describe(id).section).plainText().find(velmora::kNotValidText),
                  std::string::npos);
}

// The Chaldean Life Path's explanation adds the digits of the person's own
// date, with or without the working kept; the other systems' explain no date.
TEST(Chaldean, lifePathExplanationWorksThePersonsOwnDate)
{
    const struct {
        int day, month, year;
        bool working;
        std::string_view worked;
    } cases[] = {
        {7, 3, 1985, false, "your date, 7 March 1985, gives 0 + 7 + 0 + 3 + 1 + 9 + 8 + 5 = 33."},
        {7, 3, 1985, true, "your date, 7 March 1985, gives 0 + 7 + 0 + 3 + 1 + 9 + 8 + 5 = 33."},
        {29, 9, 9999, false, "your date, 29 September 9999, gives 2 + 9 + 0 + 9 + 9 + 9 + 9 + 9 = 56."},
        {1, 1, 812, true, "your date, 1 January 812, gives 0 + 1 + 0 + 1 + 0 + 8 + 1 + 2 = 13."},
    };
    for (const auto &c : cases) {
        const velmora::BirthData born = person("Ann", "", "Lee", c.day, c.month, c.year);
        const std::string text =
            velmora::textSection(chartUnder(velmora::chaldeanSystem(), born, c.working), velmora::SectionId::LifePath).text;
        EXPECT_NE(text.find(c.worked), std::string::npos) << text;
        EXPECT_EQ(text.find("15 July 1980"), std::string::npos) << text;
        for (const velmora::System *other : {&velmora::classicSystem(), &velmora::commonSystem()})
            EXPECT_EQ(velmora::textSection(chartUnder(*other, born, c.working), velmora::SectionId::LifePath).text.find("your date"),
                      std::string::npos);
    }
}

TEST(Comparison, isTheSameEitherWayRoundUnderEverySystem)
{
    const velmora::BirthData one = person("Rahul", "", "Sharma", 15, 7, 1980);
    const velmora::BirthData other = person("Mary", "Ann", "Smith", 29, 2, 2000);
    for (const velmora::System *system : velmora::systems()) {
        const velmora::Comparison a = velmora::ComparePeople(chartUnder(*system, one), chartUnder(*system, other));
        const velmora::Comparison b = velmora::ComparePeople(chartUnder(*system, other), chartUnder(*system, one));
        EXPECT_EQ(a.lifePath.relation, b.lifePath.relation) << system->key;
        EXPECT_EQ(a.destiny.relation, b.destiny.relation) << system->key;
    }
}

TEST(Working, showsTheRulesDecisions)
{
    const velmora::Chart lynn = chartUnder(velmora::commonSystem(), person("Lynn", "", "Wynn", 15, 7, 1980), true);
    EXPECT_NE(velmora::workingText(lynn.working(NumberId::SoulUrge)).find("Y in Lynn: a vowel after a consonant"),
              std::string::npos);
    EXPECT_EQ(velmora::workingText(lynn.working(NumberId::LifePath)),
              "month 7, day 15 → 6, year 1980 → 18 → 9: 7 + 6 + 9 = 22 (master number, kept)");
    EXPECT_NE(velmora::workingText(lynn.working(NumberId::Pinnacle1)).find("first pinnacle to age 32"),
              std::string::npos);
    // The debt's working shows the total it was found in: the Life Path's reduced parts added.
    const velmora::Chart collins =
        chartUnder(velmora::commonSystem(), person("Collins", "Madalynne", "Lopez", 17, 5, 2001), true);
    EXPECT_EQ(velmora::workingText(collins.working(NumberId::KarmicDebts)), "16 in Life Path (16)");
    const velmora::Chart rahul = chartUnder(velmora::chaldeanSystem(), person("RAHUL", "", "SHARMA"), true);
    EXPECT_EQ(velmora::workingText(rahul.working(NumberId::Destiny)),
              "R2 A1 H5 U6 L3 S3 H5 A1 R2 M4 A1 = 33: compound 33 → root 6");
    // Under classic, a master number reduced as a starting total says why, when the rules are explained.
    const velmora::Chart aia = chartUnder(velmora::classicSystem(), person("Aia", "", ""), true);
    EXPECT_EQ(velmora::workingText(aia.working(NumberId::SoulUrge), true),
              "A1 I9 A1 = 11 → 2: a master number counts only as a digit sum");
    EXPECT_EQ(velmora::workingText(aia.working(NumberId::SoulUrge)), "A1 I9 A1 = 11 → 2");
}

} // namespace
