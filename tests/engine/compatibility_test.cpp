// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "compatibility.h"
#include "person.h"

using velmora::BirthData;
using velmora::Relation;
using velmora::RelationOf;

namespace {

constexpr int kNumbers[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};

} // namespace

TEST(Compatibility, isTheSameWhicheverNumberComesFirst)
{
    for (const int a : kNumbers)
        for (const int b : kNumbers)
            EXPECT_EQ(RelationOf(a, b), RelationOf(b, a)) << a << " and " << b;
}

struct RelationCase {
    const char *name;
    int first, second;
    Relation relation;
};

class Relations : public ::testing::TestWithParam<RelationCase>
{
};

TEST_P(Relations, followTheGrouping)
{
    EXPECT_EQ(RelationOf(GetParam().first, GetParam().second), GetParam().relation);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, Relations,
    ::testing::Values(RelationCase{"sameNumber", 7, 7, Relation::NaturalMatch},
                      RelationCase{"oneFiveSeven", 1, 5, Relation::NaturalMatch},
                      RelationCase{"twoFourEight", 8, 2, Relation::NaturalMatch},
                      RelationCase{"threeSixNine", 3, 9, Relation::NaturalMatch},
                      RelationCase{"elevenCountsAsTwo", 11, 4, Relation::NaturalMatch},
                      RelationCase{"twentyTwoCountsAsFour", 22, 5, Relation::Challenging},
                      RelationCase{"twoMasterNumbers", 11, 22, Relation::NaturalMatch},
                      RelationCase{"leaderAndNurturer", 6, 1, Relation::Challenging},
                      RelationCase{"outwardAndInward", 3, 7, Relation::Challenging},
                      RelationCase{"acrossGroupsOtherwise", 1, 9, Relation::Compatible},
                      RelationCase{"nameWithoutLetters", 0, 5, Relation::NothingToCompare}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Compatibility, comparesTwoPeopleTheSameBothWaysRound)
{
    // John Smith: Life Path 2002 -> 4, Destiny 44 -> 8. Ada Lee: Life Path 2009 -> 11, Destiny 19 -> 1.
    const BirthData john = person("John", "", "Smith", 15, 7, 1980);
    const BirthData ada = person("Ada", "", "Lee", 14, 5, 1990);
    const velmora::Comparison one = velmora::ComparePeople(chart(john), chart(ada));
    const velmora::Comparison other = velmora::ComparePeople(chart(ada), chart(john));

    EXPECT_EQ(one.lifePath.first, 4);
    EXPECT_EQ(one.lifePath.second, 11);
    EXPECT_EQ(one.lifePath.relation, Relation::NaturalMatch);
    EXPECT_EQ(one.destiny.first, 8);
    EXPECT_EQ(one.destiny.second, 1);
    EXPECT_EQ(one.destiny.relation, Relation::Challenging);

    EXPECT_EQ(other.lifePath.first, one.lifePath.second);
    EXPECT_EQ(other.lifePath.second, one.lifePath.first);
    EXPECT_EQ(other.lifePath.relation, one.lifePath.relation);
    EXPECT_EQ(other.lifePath.text, one.lifePath.text);
    EXPECT_EQ(other.destiny.relation, one.destiny.relation);
    EXPECT_EQ(other.destiny.text, one.destiny.text);
    EXPECT_NE(one.lifePath.text, one.destiny.text);
}
