// SPDX-License-Identifier: MIT
#include "personalcycletexts.h"

#include <cassert>
#include <cstdint>

#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::string_view kYearExplanation =
    "Your Personal Year runs from January to December and sets the theme of the whole year. It "
    "moves through a cycle of nine, so each theme comes back exactly nine years later.";

constexpr std::string_view kYearTexts[] = {
    // 1
    "A year of beginnings. Plant seeds now: apply for the post, start the course, move if you "
    "must. What you begin this year will grow through the next eight, so choose with care.",
    // 2
    "A year of patience and partnership. Growth goes on underground; progress comes through "
    "cooperation, contracts and quiet diplomacy rather than bold moves.",
    // 3
    "A year of expression and friendship. Invitations multiply and creative work flows. Enjoy it, "
    "but watch your spending and do not scatter your energy over every offer.",
    // 4
    "A year of work and foundations. Repairs, savings, health routines and steady effort pay off "
    "now. It can feel heavy; it is building the floor you will stand on later.",
    // 5
    "A year of change and movement. Travel, a new job or a new circle may arrive suddenly. Say "
    "yes to what frees you, but keep promises you have already made.",
    // 6
    "A year of home and responsibility. Family matters, marriage, children or an ageing parent "
    "ask for your care, and the community may call on you too.",
    // 7
    "A year of reflection. Slow down, study, rest and take stock. Answers come from within "
    "rather than from pushing; a retreat or a course of reading serves you well.",
    // 8
    "A year of reward and authority. Effort from earlier years can bring promotion, a better "
    "income or a larger say. Handle money and power with a clear head.",
    // 9
    "A year of completion. Finish old business, clear out the cupboards, forgive and let go. "
    "Endings now make room for the new cycle that opens next January.",
};

constexpr std::string_view kMonthExplanation =
    "Your Personal Month colours a single calendar month within your Personal Year.";

constexpr std::string_view kMonthTexts[] = {
    // 1
    "A month to take the first step on a plan and to act on your own initiative.",
    // 2
    "A month for listening, negotiating and waiting for others to reply.",
    // 3
    "A month for letters, visits, parties and any work that needs imagination.",
    // 4
    "A month for paperwork, tidying and the dull tasks that keep life running.",
    // 5
    "A month of surprises and short journeys; stay flexible and keep your diary loose.",
    // 6
    "A month when home and family need attention, and a kindness repays itself.",
    // 7
    "A month to read, rest and think things over before you commit.",
    // 8
    "A month for business decisions, asking for a rise and settling accounts.",
    // 9
    "A month for finishing, giving away what you no longer need and saying goodbye.",
};

constexpr std::string_view kDayExplanation =
    "Your Personal Day gives the tone of one day within your Personal Month.";

constexpr std::string_view kDayTexts[] = {
    // 1
    "A day to begin: send the first message, make the first cut, take the first step.",
    // 2
    "A day to listen more than you speak and to let someone else set the pace.",
    // 3
    "A day for conversation, a note to a friend and a little play.",
    // 4
    "A day to clear the desk, pay the bills and get through the chores.",
    // 5
    "A day when plans may change by noon; leave room for a detour.",
    // 6
    "A day to visit, cook for or telephone someone who needs you.",
    // 7
    "A day for a quiet walk, a good book and an early night.",
    // 8
    "A day to sign, buy, sell or ask for what your work is worth.",
    // 9
    "A day to tie up loose ends and return what you borrowed.",
};

constexpr std::array<ReadingRow, 9> kYearRows = paragraphRows<9>(consecutiveNumbers<9>(1), kYearTexts);
constexpr std::array<ReadingRow, 9> kMonthRows = paragraphRows<9>(consecutiveNumbers<9>(1), kMonthTexts);
constexpr std::array<ReadingRow, 9> kDayRows = paragraphRows<9>(consecutiveNumbers<9>(1), kDayTexts);

} // namespace

const ReadingTable &personalYearTable()
{
    static constexpr ReadingTable table{kYearExplanation, kYearRows};
    return table;
}

const ReadingTable &personalMonthTable()
{
    static constexpr ReadingTable table{kMonthExplanation, kMonthRows};
    return table;
}

const ReadingTable &personalDayTable()
{
    static constexpr ReadingTable table{kDayExplanation, kDayRows};
    return table;
}

} // namespace velmora
