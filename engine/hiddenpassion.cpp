// SPDX-License-Identifier: MIT
#include "hiddenpassion.h"

#include "letters.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "The Hidden Passion Number unleashes the special talents that lie within you. It is found from the "
    "letter that appears most often in your full name and shows the drive that quietly shapes your "
    "choices in life.";

constexpr std::string_view kRow1[] = {
    "Originality and individuality are the strong hidden senses that drive you. You love to create "
    "something new and be the first to try it. You are competitive and enjoy proving yourself, and you "
    "would rather lead than follow. Let your independence inspire others, not repel them.",
};

constexpr std::string_view kRow2[] = {
    "Your hidden passion is harmony and you are at your best when people around you get along. You are "
    "a natural peacemaker, able to see both sides of a quarrel and bring others together. As a team "
    "player you value cooperation over competition and gladly work behind the scenes. Your tact and "
    "sensitivity are true gifts; do not let others take them for granted.",
};

constexpr std::string_view kRow3[] = {
    "Your hidden passion is creative expression and joy. You love to share your ideas through words, "
    "art, music or performance, and your cheerful spirit lifts everyone around you. Let your "
    "imagination flow freely, but finish what you begin.",
};

constexpr std::string_view kRow4[] = {
    "You like the taste of hard work. Your hidden passion is order, and you are happiest when things "
    "are planned, organised and done properly. You are reliable, patient and practical, and others "
    "trust you to build things that last. Allow yourself some rest and flexibility as well.",
};

constexpr std::string_view kRow5[] = {
    "Adventure is the passion, says the number! You long for travel, change and new experiences, and "
    "routine quickly bores you. You adapt easily, learn fast and enjoy meeting people from all walks "
    "of life. Follow your curiosity, but try hard to see your commitments through to the end.",
};

constexpr std::string_view kRow6[] = {
    "You want to love and be loved. Family and friends mean everything to you, and you find your "
    "greatest joy in caring for them. You are warm, loyal and responsible, and people often turn to "
    "you for comfort. Remember to care for yourself as well as others.",
};

constexpr std::string_view kRow7[] = {
    "Knowledge is power. You love to learn all you can about the world and the mysteries behind it. "
    "Study, research and quiet reflection feed your mind, and you are never content with easy answers. "
    "You enjoy solitude and need some time alone to think things through. Your deep insight and "
    "analytical skill make you a wise adviser, but try not to let your reserve keep others at a "
    "distance.",
};

constexpr std::string_view kRow8[] = {
    "You are a born leader and manager. You have a passion for organisation and a natural sense of "
    "authority that others respect. Business, finance and large undertakings suit you well, and you "
    "know how to turn plans into results. Success and recognition matter to you, so use your power "
    "fairly and with a generous heart.",
};

constexpr std::string_view kRow9[] = {
    "You have the passion for serving the mankind. You are generous, compassionate and broad-minded, "
    "and you feel the needs of others deeply. Helping people, whatever their background, gives your "
    "life its meaning. Your kindness inspires many, so give freely, expecting no reward.",
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

int HiddenPassionNumber(const BirthDataView &data)
{
    return HiddenPassionNumber(tallyLetters(data));
}

// The chart value of the most frequent letter, upper-cased and not reduced;
// a name without letters gives 0.
int HiddenPassionNumber(const LetterTally &letters)
{
    return LetterValue(letters.mostFrequent).value;
}

Reading HiddenPassionReading(int number)
{
    return ShowReading(hiddenPassionTable(), kHiddenPassionHeading, number);
}

} // namespace velmora
