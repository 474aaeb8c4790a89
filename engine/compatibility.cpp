// SPDX-License-Identifier: MIT
#include "compatibility.h"

#include <array>
#include <cassert>

#include "chart.h"
#include "paragraphrows.h"

namespace velmora {
namespace {

// Row and column are the numbers 1-9: N natural match, C compatible,
// X challenging. The table is symmetric.
constexpr std::array<std::string_view, 9> kGrouping = {
    //  123456789
    "NCCCNXNXC", // 1
    "CNCNXCXNC", // 2
    "CCNCCNXCN", // 3
    "CNCNXCCNC", // 4
    "NXCXNCNCC", // 5
    "XCNCCNCCN", // 6
    "NXXCNCNCC", // 7
    "XNCNCCCNC", // 8
    "CCNCCNCCN", // 9
};

constexpr std::string_view kLifePathExplanation =
    "Comparing Life Path Numbers shows how two people's roads through life run beside each other.";

constexpr std::string_view kDestinyExplanation =
    "Comparing Destiny Numbers shows how two people's talents and aims work together.";

constexpr std::string_view kNothingToCompare =
    "One of the two names has none of the letters A to Z, so its number is 0 and there is nothing "
    "to set beside the other.";

constexpr std::string_view kLifePathTexts[] = {
    // natural match
    "Your life paths belong to the same family of numbers. You want similar things from the "
    "years ahead and tend to understand each other's choices without long explanations; the risk "
    "is sharing the same blind spots.",
    // compatible
    "Your life paths differ but fit together. Each of you brings something the other lacks, and "
    "with a little goodwill the difference feels like support rather than friction.",
    // challenging
    "Your life paths pull in different directions. What one of you needs most, the other may "
    "find hard to give, so the partnership asks for open talk and generous compromise; couples "
    "who manage it often grow the most.",
    // nothing to compare
    kNothingToCompare,
};

constexpr std::string_view kDestinyTexts[] = {
    // natural match
    "Your Destiny Numbers share one group, so your gifts point the same way. Working together on "
    "a common project comes easily, though you may compete for the same role.",
    // compatible
    "Your Destiny Numbers complement each other. Your abilities cover different ground, and "
    "dividing tasks by strength lets you achieve more jointly than apart.",
    // challenging
    "Your Destiny Numbers tend to clash. Your ambitions and working styles rub, and clear roles, "
    "plain agreements and respect for each other's methods keep a joint venture on course.",
    // nothing to compare
    kNothingToCompare,
};

constexpr std::array<ReadingRow, 4> kLifePathRows = paragraphRows<4>(consecutiveNumbers<4>(0), kLifePathTexts);
constexpr std::array<ReadingRow, 4> kDestinyRows = paragraphRows<4>(consecutiveNumbers<4>(0), kDestinyTexts);

Pairing pairing(int first, int second, const ReadingTable &table)
{
    const Relation relation = RelationOf(first, second);
    return {first, second, relation, paragraphFor(table, static_cast<int>(relation))};
}

} // namespace

int groupedAs(int number)
{
    return number == 11 ? 2 : number == 22 ? 4 : number;
}

Relation RelationOf(int first, int second)
{
    const int a = groupedAs(first);
    const int b = groupedAs(second);
    if (a < 1 || a > 9 || b < 1 || b > 9)
        return Relation::NothingToCompare;
    switch (kGrouping[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)]) {
    case 'N':
        return Relation::NaturalMatch;
    case 'X':
        return Relation::Challenging;
    default:
        return Relation::Compatible;
    }
}

std::string_view relationName(Relation relation)
{
    static constexpr std::array<std::string_view, 4> kNames = {"natural match", "compatible", "challenging",
                                                               "nothing to compare"};
    return kNames[static_cast<std::size_t>(relation)];
}

Comparison ComparePeople(const Chart &first, const Chart &second)
{
    using enum NumberId;
    return {
        pairing(first.number(LifePath), second.number(LifePath), lifePathRelationTable()),
        pairing(first.number(Destiny), second.number(Destiny), destinyRelationTable()),
    };
}

const ReadingTable &lifePathRelationTable()
{
    static constexpr ReadingTable table{kLifePathExplanation, kLifePathRows};
    return table;
}

const ReadingTable &destinyRelationTable()
{
    static constexpr ReadingTable table{kDestinyExplanation, kDestinyRows};
    return table;
}

} // namespace velmora
