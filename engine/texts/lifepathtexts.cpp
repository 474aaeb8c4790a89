// SPDX-License-Identifier: MIT
#include "lifepathtexts.h"

#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "The Life Path Number is drawn from the whole date of birth and describes the road you travel "
    "from youth to old age: the kind of work, people and trials that keep finding you.";

constexpr std::string_view kTexts[] = {
    // 1
    "Yours is the road of the pioneer. You learn by going first, often alone, and each time you "
    "stand by a decision of your own your confidence grows. Bosses chafe you; a business, a "
    "craft or a cause you can lead suits you better. Learn to ask for help before pride makes you "
    "pay for refusing it.",
    // 2
    "Yours is the road of the partner and go-between. Your gifts show in pairs and in small groups, "
    "where you notice the unspoken and settle differences before they harden. Music, counselling and "
    "diplomacy reward your patience. Your lesson is to value your own voice as much as the peace "
    "you keep.",
    // 3
    "Yours is the road of words, colour and laughter. Whether you write, teach, perform or simply "
    "tell a story at the kitchen table, expression keeps you well. Scattered effort is your old "
    "enemy: finish one piece before starting three more, and your talent will be taken seriously.",
    // 4
    "Yours is the road of the builder. You prove yourself through effort that others can see and "
    "touch: a house repaired, accounts that balance, a team that runs on time. Shortcuts rarely "
    "tempt you. Rigidity is the price of this strength, so leave room in every plan for the "
    "unexpected.",
    // 5
    "Yours is the road of change. Several careers, homes or countries may mark your years, and "
    "each move teaches you something a settled life could not. Selling, travel writing and any "
    "work with variety suit you. Freedom is your need; learning where it ends and recklessness "
    "begins is your task.",
    // 6
    "Yours is the road of care and duty. Family, neighbours and the sick tend to turn to you, and "
    "you rarely say no. Teaching, healing and making a home beautiful give you deep contentment. "
    "Take care that love does not become control, and keep some hours each week for yourself.",
    // 7
    "Yours is the road of the seeker. Questions matter more to you than easy answers, and you trust "
    "what you have tested. Research, science, faith or any craft that rewards deep study draws you. "
    "Solitude restores you, yet people you let close will help you far more than you expect.",
    // 8
    "Yours is the road of power and money. Sooner or later you find yourself managing budgets, "
    "staff or property, and you learn through gains and losses alike. Fairness is the test you are "
    "set: authority used honestly brings lasting prosperity, while greed tends to undo what it "
    "grabbed.",
    // 9
    "Yours is the road of the humanitarian. Your sympathy reaches past family and nation, and you "
    "are happiest giving time, skill or art to a wider cause. Endings come to you more often than "
    "to most, each clearing the way for work of larger scope. Forgiveness keeps your heart free.",
    // 11
    "Yours is the road of the inspired messenger, a master number. Flashes of insight arrive "
    "unbidden, and others sense a light in you before you trust it yourself. Nervous strain comes "
    "with the gift; rest, quiet and a steady routine let you pass on what you see to many people.",
    // 22
    "Yours is the road of the master builder. You can turn a large vision into something real and "
    "useful: an institution, a network, a body of work serving thousands. Such a calling asks for "
    "discipline over decades. When the scale frightens you, lay one plain brick at a time.",
};

constexpr std::array<ReadingRow, 11> kRows = paragraphRows<11>({1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}, kTexts);

} // namespace

const ReadingTable &lifePathTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
