// SPDX-License-Identifier: MIT
#include "soulurgetexts.h"


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "This number tries to close the gap between how you believe you come across and how other people "
    "actually see you. Knowing it can help you understand the impression you leave on the world.";

constexpr std::string_view kRow1[] = {
    "You achieve a sense of gratification when you are out in front, leading the way and making "
    "your own decisions. Deep inside you need independence and the freedom to follow your own ideas "
    "without waiting for anyone's approval. You feel most satisfied when you can start something "
    "new, prove your abilities and see your plans succeed.",
};

constexpr std::string_view kRow2[] = {
    "You enclose a deep internal need for love and companionship, and you feel whole when "
    "you share your life with people who care for you. Harmony matters greatly to you; you are "
    "happiest when you can bring others together, settle quarrels and offer quiet support. A "
    "peaceful home and a loving partner satisfy you.",
};

constexpr std::string_view kRow3[] = {
    "You achieve a sense of pleasure when you can express yourself freely, whether through words, "
    "art, music or simply lively conversation with friends. Deep within you lies a need to create "
    "and to share your joy with others. You are happiest surrounded by people who appreciate your "
    "humour and imagination. Praise and attention lift your spirits, and a life full of colour, "
    "variety and good company brings you true satisfaction.",
};

constexpr std::string_view kRow4[] = {
    "At hand there is an ever-present need to build something solid and lasting. You long for "
    "order, stability and security, and you feel at ease when your life rests on firm ground. "
    "Careful planning and hard work bring you deep satisfaction, and you take pride in a job done "
    "well. You value loyalty and routine, and a steady home, a reliable income and people you can "
    "trust give you peace of mind.",
};

constexpr std::string_view kRow5[] = {
    "The yearning to have complete liberty to be yourself lies at the centre of your being. You "
    "need change, travel and fresh experiences, and you grow restless when life becomes "
    "predictable. New places, new faces and untried ideas feed your spirit, and an unopened door is "
    "hard to resist. Freedom of movement and of thought makes you feel truly alive.",
};

constexpr std::string_view kRow6[] = {
    "Having the knowledge of being wanted and respected by the people you love is what fulfils you "
    "most. You need a warm home and a close family, and you gladly take responsibility for their "
    "wellbeing. Caring for others, giving good advice and creating beauty around you bring you "
    "contentment, and gratitude touches you deeply.",
};

constexpr std::string_view kRow7[] = {
    "You encompass an in-built secret need to gain knowledge and to understand the deeper truths of "
    "life. Hours alone with a book or a question are never wasted on you. Satisfaction comes when "
    "you uncover answers hidden from others, and when you can rely on your own wisdom. Peace and "
    "inner calm matter to you.",
};

constexpr std::string_view kRow8[] = {
    "You have a focused drive to achieve in the material world and to be recognised for what you "
    "accomplish. At heart you need to feel in control of your life and your finances. Reaching a "
    "position of authority, steering a large project and seeing your efforts rewarded give you "
    "lasting contentment. Respect and financial security build your confidence, and you enjoy using "
    "your power wisely.",
};

constexpr std::string_view kRow9[] = {
    "You feel proud and satisfied, when you do something that leaves other lives better than you "
    "found them. You have a deep inner need to help and to serve a cause greater than yourself. "
    "Compassion guides your choices, and you give freely of your time and talents. You find "
    "fulfilment when your work touches many lives and leaves a lasting trace of kindness behind.",
};

constexpr std::string_view kRow11[] = {
    "Master number 11 has resemblance with number 2. Like the 2, you need love, harmony and close "
    "partnership, but your inner longing reaches further. You crave spiritual understanding and a "
    "sense of higher purpose. Inspiring others, sharing your intuition and bringing light to those "
    "around you satisfy you deeply. Living by your ideals and guiding people to the truth fulfils "
    "you.",
};

constexpr std::string_view kRow22[] = {
    "With a master number 22 Soul Urge, there is a powerful inner need to raise something that will "
    "stand long after you. Like the number 4, you long for order, stability and solid foundations, "
    "but your vision is far larger. Grand ideas draw you only when they can become practical "
    "reality for whole communities. You feel satisfied when your plans take shape on a wide scale "
    "and when your work serves humanity. Patience, discipline and a clear goal help you fulfil this "
    "promise.",
};

constexpr ReadingRow kRows[] = {
    {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5}, {6, kRow6},
    {7, kRow7}, {8, kRow8}, {9, kRow9}, {11, kRow11}, {22, kRow22},
};

} // namespace

const ReadingTable &soulUrgeTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
