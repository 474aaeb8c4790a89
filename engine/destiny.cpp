// SPDX-License-Identifier: MIT
#include "destiny.h"

#include "letters.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "This number describes your vibration in the world and the goals you are meant to reach in this life. "
    "Also called the Expression number, it shows the natural talents and abilities you were born with and "
    "the way you are most likely to use them to shape your own path.";

constexpr std::string_view kRow1[] = {
    "This tells you are a leader. You are independent, ambitious and full of drive, and you like to "
    "be the first to try something new. You have the courage to follow your own ideas even when "
    "others doubt them, and you do your finest work when you are in charge. Your originality and "
    "determination help you start projects and carry them through, and people often look to you for "
    "direction and strength.",
    "The negative trait of this number includes one that others soon notice: stubbornness. You can "
    "also be impatient and bossy, grow self-centred, and find it hard to take advice or share "
    "credit.",
};

constexpr std::string_view kRow2[] = {
    "This number gives you good people managing skills. You are tactful, gentle and patient, and you have a "
    "rare gift for bringing people together and helping them understand one another. You are a natural "
    "peacemaker and diplomat who works best in close partnership, and you notice the small details that "
    "others often miss. Your sensitivity and kindness make you a loyal friend and a trusted adviser, and "
    "you are happiest when you can offer support and create harmony around you.",
    "The negative trait of this number is that you can be overly sensitive and easily hurt. You may lack "
    "confidence, avoid conflict at any price and let others decide for you, and you can slip into worry or "
    "indecision when you feel unsupported.",
};

constexpr std::string_view kRow3[] = {
    "This number indicates a strong creativity in your nature and a real talent for "
    "self-expression. You are cheerful, witty and imaginative, and you can shine in writing, "
    "speaking, music, acting or any of the arts. People enjoy your company because you bring joy, "
    "humour and optimism wherever you go. You are sociable and inspiring, and your words have the "
    "power to lift the spirits of the people around you and to turn ordinary moments into something "
    "special.",
    "The negative trait of Destiny number 3 is a restless pull towards too many interests at once, "
    "so that much is begun and little finished. You can be moody, superficial or extravagant, and "
    "you may use gossip or criticism to hide your own insecurity when you feel unappreciated.",
};

constexpr std::string_view kRow4[] = {
    "You will have good management and organizational skills. You are practical, dependable and "
    "hard working, and you like to build things that last. Order, method and a steady routine come "
    "very naturally to you, and you can turn plans into reality one careful step at a time. You are "
    "honest and loyal, and others can always rely on you because you keep your promises and finish "
    "what you start. You value security and are willing to work patiently for it, laying strong "
    "foundations for your family and your career. Your sense of duty, your eye for detail and your "
    "persistence make you a pillar of any team, and your achievements are built on solid ground.",
    "All with Destiny 4, and especially the master number written as 22/4, carry the potential to "
    "leave behind work that endures. With 22/4 your practical skills are joined by vision, so that "
    "large dreams can become real achievements that serve whole communities, not just one "
    "household.",
    "The negative trait of 4 often produces arrogant and rigid behaviour. You can be stubborn and "
    "narrow minded, holding on to your own methods and refusing to consider other ways. You may "
    "become too serious, working so hard that you forget to rest or to enjoy life. At times you can "
    "be critical, bossy or harsh with those who do not meet your standards, and your fear of change "
    "may hold you back.",
};

constexpr std::string_view kRow5[] = {
    "You are gifted with multiple talents. You will love freedom, adventure and change, and you are always "
    "eager to explore new places, people and ideas. You are clever, quick thinking and adaptable, and you "
    "learn from experience more than from books. Your charm and curiosity make you a lively companion and a "
    "persuasive speaker, and you do well in work that offers variety and travel. You bring energy and "
    "enthusiasm to everything you do, and you have a gift for helping others see life's possibilities.",
    "The negative side of the number says that you can be restless and impulsive, and you may find it hard "
    "to commit to one path, one place or one person. You can lose interest quickly, act without thinking, "
    "and at times overindulge in food, drink or other pleasures.",
};

constexpr std::string_view kRow6[] = {
    "Your goal of life is to have the comfort of a loving home and to care for the people around you. You "
    "are responsible, kind and generous, and you feel a deep need to protect and nurture your family and "
    "friends. You have a strong sense of beauty and harmony, and you often bring balance to any group you "
    "belong to. Others come to you for advice, comfort and fairness, and you give your help gladly. You do "
    "well in work that serves others, such as teaching, healing, counselling or the creative arts. Your "
    "loyalty and devotion make you a trusted partner and parent, and your warmth turns any place where you "
    "live into a real home for all.",
    "The negative traits associated with this number, are a tendency to interfere in the lives of others "
    "and to worry far too much about them. You can be possessive, self-righteous or jealous, and you may "
    "take on so many burdens that you neglect your own needs.",
};

constexpr std::string_view kRow7[] = {
    "You will be interested in analysis and the search for truth. You have a sharp, thoughtful mind "
    "and a deep need to understand how things really work, beneath the surface. You are drawn to "
    "study, research, science, philosophy and the spiritual side of life, and you trust knowledge "
    "that you have tested yourself. You value quiet and solitude, since they give you the time and "
    "space you need to think and reflect. Your intuition is strong and reliable, and you often see "
    "what others overlook. You can become an expert in your chosen field, and your wisdom and "
    "insight earn you the respect of those who come to you for answers.",
    "The negative trait of this number is that solitude can harden into isolation. You may find it "
    "hard to trust others or to share your feelings, and you can seem cold or proud. When "
    "disappointed you may shut yourself away, becoming sceptical of people and critical of those "
    "who do not think as deeply as you do.",
};

constexpr std::string_view kRow8[] = {
    "You need to achieve material and financial comfort, and you have the ambition and drive to reach it. "
    "You are a natural executive with strong judgement, good business sense and the power to organise "
    "people and resources on a large scale. You are confident, determined and efficient, and you are not "
    "afraid of hard work or responsibility. Success, status and recognition matter to you, and you can "
    "build great wealth through your own effort. When you use your power wisely and fairly, you can become "
    "a respected leader who creates opportunities and lasting security for many others.",
    "A negative 8 can be very rigid and domineering. You may become obsessed with money or power and "
    "impatient with those who are slower.",
};

constexpr std::string_view kRow9[] = {
    "Your prime focus will be in activities of service to humanity. You are compassionate, generous "
    "and broad-minded, and you care deeply about the welfare of others. You have a gift for seeing "
    "the larger picture, and you are drawn to causes that ease suffering or widen justice. Your "
    "idealism, tolerance and creative talents can inspire people, and you give freely without "
    "expecting reward.",
    "The negative traits of 9 Destiny can be moodiness and a habit of dwelling on the past. You may "
    "feel let down when others fail your ideals, and your energy can spread far too thin.",
};

constexpr std::string_view kRow11[] = {
    "The Number Eleven is a highly charged number. It brings strong intuition, inspiration and spiritual "
    "insight, and you may often know things without being able to explain how. You are idealistic and "
    "sensitive, with a gift for inspiring and uplifting others through your example and your words. You "
    "have the potential to become a visionary, a teacher or a healer, bringing light and new ideas to the "
    "world.",
    "You may be unrealistic in your expectations. You can be nervous, tense and impractical, and you may "
    "swing between great confidence and deep doubt about your own worth and abilities.",
};

constexpr std::string_view kRow22[] = {
    "The Number 22 is a constructive and creative force, and it is known as the master builder. You combine "
    "great vision with the practical skills needed to make it real, and you can achieve things on a scale "
    "that few others would attempt. You are disciplined, capable and wise, and you think in terms of "
    "projects that benefit many people. With patience and effort you can leave a lasting mark on the world.",
    "However, twenty-twos can be very sensitive, falling victim to nervous strain under the weight of their "
    "own great plans. You may become controlling or overwhelmed, and you can doubt yourself or give up too "
    "soon on your dreams.",
};

constexpr ReadingRow kRows[] = {
    {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5}, {6, kRow6},
    {7, kRow7}, {8, kRow8}, {9, kRow9}, {11, kRow11}, {22, kRow22},
};

} // namespace

const ReadingTable &destinyTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

int DestinyNumber(const BirthDataView &data)
{
    return DestinyNumber(tallyLetters(data));
}

int DestinyNumber(const LetterTally &letters)
{
    return ReduceNumber(letters.sums.full, true);
}

Reading DestinyReading(int number)
{
    return ShowReading(destinyTable(), kDestinyHeading, number);
}

} // namespace velmora
