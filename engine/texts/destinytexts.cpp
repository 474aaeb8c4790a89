// SPDX-License-Identifier: MIT
#include "destinytexts.h"


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "This number describes your vibration in the world and the goals you are meant to reach in this life. "
    "Also called the Expression number, it shows the natural talents and abilities you were born with and "
    "the way you are most likely to use them to shape your own path.";

constexpr std::string_view kRow1[] = {
    "This tells you that you are a leader. You are independent, ambitious and full of drive, and you like to "
    "be the first to try something new. You have the courage to follow your own ideas even when "
    "others doubt them, and you do your finest work when you are in charge. Your originality and "
    "determination help you start projects and carry them through, and people often look to you for "
    "direction and strength.",
    "The negative trait of this number includes one that others soon notice: stubbornness. You can "
    "also be impatient and bossy, grow self-centred, and find it hard to take advice or share "
    "credit.",
};

constexpr std::string_view kRow2[] = {
    "This number gives you good people managing skills. Tact and patience serve you well, and you "
    "have a rare gift for bringing people together and helping them understand one another. In any "
    "partnership you are the one who notices the unspoken worry, the tired face, the clause "
    "everyone else skimmed. A diplomat and peacemaker, you work best beside others rather than "
    "above them, and a team with you in it tends to quarrel less. Friends trust you with secrets, "
    "and you support them quietly.",
    "The negative trait of this number is that you can be overly sensitive and easily hurt. You may "
    "lack confidence, avoid conflict at any price and let others decide for you, and you can slip "
    "into worry or indecision when you feel unsupported.",
};

constexpr std::string_view kRow3[] = {
    "This number indicates a strong creativity in your nature and a real talent for "
    "self-expression. Writing, speaking, music and acting come to you as naturally as breathing, "
    "and an idea rarely stays in your head for long before it finds a voice. Wit and optimism make "
    "you welcome company, and a room tends to brighten when you walk in. At your best you can lift "
    "the spirits of a whole audience and turn an ordinary evening into something people remember "
    "for years.",
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
    "You are gifted with multiple talents. You will love freedom, adventure and change, and a map "
    "or a timetable can excite you more than a promotion. Quick thinking and adaptable, you learn "
    "from experience rather than from books, and you pick up languages, skills and friends wherever "
    "you go. Charm and curiosity make you a persuasive speaker, so selling, travel, journalism and "
    "any work that changes from week to week suit you. Energy follows you into every project, and "
    "you help others see how many doors life holds open.",
    "The negative side of the number says that you can be restless and impulsive, and you may find "
    "it hard to commit to one path, one place or one person. You can lose interest quickly, act "
    "without thinking, and at times overindulge in food, drink or other pleasures.",
};

constexpr std::string_view kRow6[] = {
    "Your goal of life is to have the comfort of a loving home and to care for the people around "
    "you. Responsibility sits easily on your shoulders, and you feel a deep need to protect and "
    "nurture your family and friends. A strong sense of beauty and harmony shows in the way you "
    "arrange a room, settle a dispute or set a table for guests. Others come to you for advice, "
    "comfort and fairness, and your help is given gladly. Teaching, healing, counselling and the "
    "creative arts suit you, as does any work that serves others. Your loyalty and devotion make "
    "you a trusted partner and parent, and your warmth turns any place where you live into a real "
    "home for all.",
    "The negative traits associated with this number, are a tendency to interfere in the lives of "
    "others and to worry far too much about them. You can be possessive, self-righteous or jealous, "
    "and you may take on so many burdens that you neglect your own needs.",
};

constexpr std::string_view kRow7[] = {
    "You will be interested in analysis and the search for truth. You have a sharp, thoughtful mind "
    "and a deep need to understand how things really work, beneath the surface. You are drawn to "
    "study, research, science, philosophy and the spiritual side of life, and you trust knowledge "
    "that you have tested yourself. You value quiet and solitude, since they give you the time and "
    "space you need to think and reflect. Your intuition is strong and reliable, and you often see "
    "what others overlook. You can become an expert in your chosen field, and your wisdom and "
    "insight earn you the respect of those who come to you for answers.",
    "The negative trait of this number is that solitude can harden into isolation. Trusting others "
    "or sharing your feelings may not come easily, and you can seem cold or proud. When "
    "disappointed you may shut yourself away, becoming sceptical of people and critical of those "
    "who do not think as deeply as you do.",
};

constexpr std::string_view kRow8[] = {
    "You need to achieve material and financial comfort, and you have the ambition and drive to "
    "reach it. A natural executive, you combine strong judgement with good business sense and the "
    "power to organise people and resources on a large scale. Budgets, targets and negotiations "
    "hold no fear for you; hard work is simply the price of the life you want. Success, status and "
    "recognition matter, and wealth built through your own effort is the kind you value most. Used "
    "wisely and fairly, your power can make you a respected leader who creates opportunities and "
    "lasting security for many others.",
    "A negative 8 can be very rigid and domineering. You may become obsessed with money or power "
    "and impatient with those who are slower.",
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
    "The Number Eleven is a highly charged number. It brings strong intuition, inspiration and "
    "spiritual insight, and you may often know things without being able to explain how. You are "
    "idealistic and sensitive, with a gift for inspiring and uplifting others through your example "
    "and your words. You have the potential to become a visionary, a teacher or a healer, bringing "
    "light and new ideas to the world.",
    "You may be unrealistic in your expectations. You can be nervous, tense and impractical, and "
    "you may swing between great confidence and deep doubt about your own worth and abilities.",
};

constexpr std::string_view kRow22[] = {
    "The Number 22 is a constructive and creative force, and it is known as the master builder. You "
    "combine great vision with the practical skills needed to make it real, and you can achieve "
    "things on a scale that few others would attempt. You are disciplined, capable and wise, and "
    "you think in terms of projects that benefit many people. With patience and effort you can "
    "leave a lasting mark on the world.",
    "However, twenty-twos can be very sensitive, falling victim to nervous strain under the weight "
    "of their own great plans. You may become controlling or overwhelmed, and you can doubt "
    "yourself or give up too soon on your dreams.",
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

} // namespace velmora
