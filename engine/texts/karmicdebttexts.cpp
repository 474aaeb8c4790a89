// SPDX-License-Identifier: MIT
#include "karmicdebttexts.h"

#include <array>

#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "A Karmic Debt appears when 13, 14, 16 or 19 turns up on the way to one of your core "
    "numbers. It points to a habit from the past that now asks to be paid off with effort.";

constexpr std::string_view kTexts[] = {
    // 13
    "Debt 13 is owed to work. Shortcuts, half-finished jobs and blaming circumstances tend to "
    "come back to you until you learn to carry a task through, one ordinary day after another. "
    "Steady, honest labour clears this debt, and it can leave you with real mastery of a trade.",
    // 14
    "Debt 14 is owed to freedom. Excess of one kind or another, in food, drink, spending or "
    "restless moving on, has to be brought under your own control. Moderation chosen freely, not "
    "imposed, turns your love of experience into a strength others can rely on.",
    // 16
    "Debt 16 is owed to humility. Pride or vanity may build a tower that sudden events knock "
    "down: a broken engagement, a lost post, a public mistake. Each fall strips away what was "
    "false, and rebuilding on honest ground brings a wisdom few people reach.",
    // 19
    "Debt 19 is owed to others. Having once used power only for yourself, you are now asked to "
    "stand on your own feet while still letting people help you. Independence balanced with "
    "gratitude lifts this debt and makes you a leader people follow willingly.",
};

constexpr std::array<ReadingRow, 4> kRows = paragraphRows<4>({13, 14, 16, 19}, kTexts);

} // namespace

const ReadingTable &karmicDebtTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
