// SPDX-License-Identifier: MIT
#include "hiddenpassiontexts.h"


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "The Hidden Passion Number unleashes the special talents that lie within you. It is found from the "
    "letter that appears most often in your full name and shows the drive that quietly shapes your "
    "choices in life.";

constexpr std::string_view kRow1[] = {
    "Originality and individuality are the strong hidden senses that drive you. Inventing something "
    "no one has tried excites you more than improving what exists. A contest brings out your best, "
    "and you would rather set the pace than follow it. Beneath lies the wish to be wholly yourself.",
};

constexpr std::string_view kRow2[] = {
    "Your hidden passion is harmony and you are never so content as when the people around you get "
    "along. A natural peacemaker, you can see both sides of a quarrel and find the words that bring "
    "the two together. In a team you prize cooperation over competition and gladly work behind the "
    "scenes. Tact and sensitivity are your gifts, rarer than most people think.",
};

constexpr std::string_view kRow3[] = {
    "Your hidden passion is creative expression and joy. Words, art, music and performance are how "
    "your ideas find their way out, and your cheerful spirit lifts everyone nearby. A blank page is "
    "an invitation to you, never a threat to be avoided.",
};

constexpr std::string_view kRow4[] = {
    "You like the taste of hard work. Your hidden passion is order: a plan drawn up, a task done "
    "properly, every tool back in its place. Patient and practical, you earn trust by building "
    "things that last, and a job well finished pleases you more than any holiday could ever do.",
};

constexpr std::string_view kRow5[] = {
    "Adventure is the passion, says the number! You long for travel, change and new experiences, "
    "and routine bores you within days. You adapt easily, learn fast and enjoy meeting people from "
    "all walks of life. A packed suitcase by the door may be the truest picture of who you are.",
};

constexpr std::string_view kRow6[] = {
    "You want to love and be loved. Family and friends mean everything to you, and your greatest "
    "joy lies in caring for them. Warm, loyal and responsible, you are the one people turn to for "
    "comfort, and a full table at home is your own idea of happiness.",
};

constexpr std::string_view kRow7[] = {
    "Knowledge is power. You love to learn all you can about the world and the mysteries behind it. "
    "Study, research and quiet reflection feed your mind, and you are never content with easy "
    "answers. Solitude restores you, and you need time alone to think things through. Your insight "
    "and analytical skill make you a wise adviser, though your reserve can keep others at arm's "
    "length.",
};

constexpr std::string_view kRow8[] = {
    "You are a born leader and manager. You have a passion for organisation and a natural air of "
    "authority that others respect. Business, finance and large undertakings suit you, and you know "
    "how to turn plans into results. Recognition matters to you, and the power it brings is at its "
    "best in fair and generous hands.",
};

constexpr std::string_view kRow9[] = {
    "You have the passion for serving mankind. Generous and broad-minded, you feel the needs of "
    "others deeply. Helping people, whatever their background, gives your life its meaning, and you "
    "ask nothing in return. Your kindness travels further than you will ever know.",
};

constexpr ReadingRow kRows[] = {
    {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5},
    {6, kRow6}, {7, kRow7}, {8, kRow8}, {9, kRow9},
};

} // namespace

const ReadingTable &hiddenPassionTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
