// SPDX-License-Identifier: MIT
#include "personality.h"

#include "letters.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "As the name suggests this number is associated with your personality: the nature you show to others, "
    "how at ease you feel in relationships, and how much of your inner self you let other people truly "
    "know.";

constexpr std::string_view kRow1[] = {
    "Great feeling of importance is what you love. You wish to be seen as strong, capable and in control, "
    "someone who leads rather than follows. You present yourself with confidence and determination, and "
    "others often see you as independent and ambitious. You like to be respected for your achievements, and "
    "you want to stand out as original and truly first.",
};

constexpr std::string_view kRow2[] = {
    "You dream about having close relationships with your loved ones and living in peace and harmony. You "
    "come across as gentle, modest and friendly, and people feel at ease in your company. You wish to be "
    "seen as kind and supportive, a good listener who cares. You prefer to work quietly in the background "
    "and are happiest when you feel needed.",
};

constexpr std::string_view kRow3[] = {
    "All forms of art are you dream roles. You wish to be admired for your talent, charm and wit, and you "
    "love to be at the centre of attention. Others see you as cheerful, lively and sociable, someone who "
    "brings fun and colour to any gathering. You enjoy dressing well and expressing yourself freely, and "
    "you like to think of yourself as creative, inspiring and always young at heart, whatever your age.",
};

constexpr std::string_view kRow4[] = {
    "You visualize of being someone rock-solid whom everyone can trust and lean on. You show yourself as "
    "practical, steady and reliable, and others see you as honest and hard working. You wish to be valued "
    "for your sense of order and duty, and you feel most secure when your life is well organized.",
};

constexpr std::string_view kRow5[] = {
    "You would love to be totally free and to live a life full of adventure, travel and new experiences. "
    "You come across as lively, charming and full of energy, and others find you exciting to be around. You "
    "wish to be seen as bold, modern and open-minded, and you dislike anything that ties you down or makes "
    "your days dull and predictable.",
};

constexpr std::string_view kRow6[] = {
    "You love your family and relations. You crave a warm, beautiful home filled with love and comfort. "
    "Others see you as caring, responsible and trustworthy, the one they turn to for help and advice. You "
    "wish to be valued as a loyal protector and a fair friend, and you feel fulfilled when those you love "
    "are safe and happy.",
};

constexpr std::string_view kRow7[] = {
    "You love to grab all opportunities you get to learn, study and understand the deeper meaning of life. "
    "Others see you as quiet, thoughtful and somewhat mysterious, and you reveal little of yourself. You "
    "wish to be respected for your wisdom and insight, and you see yourself as a seeker of truth who needs "
    "time alone to think and reflect.",
};

constexpr std::string_view kRow8[] = {
    "Your vision is success in the business or professional world, with the wealth and status it brings. "
    "You present yourself as confident, capable and in charge, and others see you as a person of power and "
    "authority. You wish to be admired for your achievements, and you take care to look prosperous and "
    "successful.",
};

constexpr std::string_view kRow9[] = {
    "You are kind and compassionate. You are creative and generous, and you dream of making the world a "
    "better place. Others see you as warm, tolerant and idealistic, someone with a big heart and broad "
    "interests. You wish to be respected for your wisdom and your service to others, and you see yourself "
    "as a friend to all people, whatever their background.",
};

constexpr std::string_view kRow11[] = {
    "You have the dream of casting the light of truth and inspiration on the lives of others. You come "
    "across as refined, sensitive and idealistic, with a quiet presence that people remember. You wish to "
    "be seen as a visionary and a guide, and you hold yourself to high standards, hoping your example will "
    "lift and encourage those around you.",
};

constexpr std::string_view kRow22[] = {
    "You have big dreams of being the pioneer who builds something great and lasting for the world. Others "
    "see you as capable, disciplined and wise, a person who can turn large ideas into real results. You "
    "wish to be respected for your vision and your practical strength, and you see yourself as a master "
    "builder whose work will serve many people for years to come.",
};

constexpr ReadingRow kRows[] = {
    {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5}, {6, kRow6},
    {7, kRow7}, {8, kRow8}, {9, kRow9}, {11, kRow11}, {22, kRow22},
};

} // namespace

const ReadingTable &personalityTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

int PersonalityNumber(const BirthDataView &data)
{
    return PersonalityNumber(tallyLetters(data));
}

int PersonalityNumber(const LetterTally &letters)
{
    return ReduceNumber(letters.sums.consonants, true);
}

Reading PersonalityReading(int number)
{
    return ShowReading(personalityTable(), kPersonalityHeading, number);
}

} // namespace velmora
