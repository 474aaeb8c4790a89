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

} // namespace velmora
