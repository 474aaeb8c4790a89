// SPDX-License-Identifier: MIT
#include "challengetexts.h"

#include <cassert>
#include <cstdint>
#include <cstdlib>

#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "Challenge Numbers name the weak spot you are asked to strengthen in each of the four periods "
    "of your life, the same periods your pinnacles cover. They come from the gaps between the "
    "digits of your date of birth.";

constexpr std::string_view kTexts[] = {
    // 0
    "The challenge of choice. No single weakness is marked, which means every one is possible: "
    "you must decide for yourself which talents to develop, and drifting between all of them is "
    "the real danger.",
    // 1
    "The challenge of standing up for yourself. Stronger personalities may push you around, or "
    "you may push back too hard. Practise saying what you want plainly, then hold to it without "
    "bullying.",
    // 2
    "The challenge of oversensitivity. A cool glance or a sharp remark can wound you for days. "
    "Learn to tell real slights from imagined ones, and to cooperate without losing yourself.",
    // 3
    "The challenge of self-expression. Shyness or self-criticism may stop you sharing your "
    "ideas, or you may hide behind chatter. Speak and create even when the result is not yet "
    "perfect.",
    // 4
    "The challenge of order. Either chores and schedules feel like a prison, or you cling to "
    "them too tightly. Build steady habits, but let a plan bend when life calls for it.",
    // 5
    "The challenge of freedom. Restlessness pulls you towards too many changes, or fear of "
    "change keeps you stuck. Find a pace of variety you can live with and commit to it.",
    // 6
    "The challenge of responsibility. You may carry other people's burdens until you resent "
    "them, or expect perfection at home. Accept help, and let loved ones make their own "
    "mistakes.",
    // 7
    "The challenge of faith. Doubt, suspicion or aloofness may cut you off from support. Trust "
    "the people who have earned it, and let study lead you towards belief rather than away.",
    // 8
    "The challenge of money and power. Either you chase wealth at any cost or you shy away from "
    "handling it at all. Learn to earn, spend and lead with a fair and steady hand.",
};

constexpr std::array<ReadingRow, 9> kRows = paragraphRows<9>(consecutiveNumbers<9>(0), kTexts);

} // namespace

const ReadingTable &challengeTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
