// SPDX-License-Identifier: MIT
#include "relationtexts.h"

#include <array>

#include "paragraphrows.h"

namespace velmora {
namespace {

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

} // namespace

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
