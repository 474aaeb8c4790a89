// SPDX-License-Identifier: MIT
#include "thirtythreetexts.h"

#include <cstddef>

namespace velmora {
namespace {

constexpr std::string_view kDestiny[] = {
    "Thirty-three is the rarest of the master numbers, known as the master teacher. Like the 6 it is "
    "concerned with care, but its care reaches past one household to a classroom, a ward or a whole "
    "neighbourhood. You have a gift for easing pain and for explaining hard things gently, and people "
    "grow braver in your company. Your talents are best spent where someone needs help to stand on "
    "their own feet, and the lessons you give are often handed on by your pupils to people you will "
    "never meet.",
    "The burden of 33 is self-sacrifice carried too far. You may take on everyone's troubles, feel "
    "guilty whenever you rest, and turn martyred or preachy when your help is not wanted or not "
    "thanked.",
};

constexpr std::string_view kSoulUrge[] = {
    "At the heart of a 33 Soul Urge lies the longing of the 6 for a loving home, widened until it "
    "takes in everyone who suffers. You need to feel that your kindness makes a real difference, "
    "whether you are nursing a friend, teaching a class or comforting a stranger on a train. Nothing "
    "satisfies you like seeing someone you helped go on to help another. Your deepest wish is to "
    "heal, and to do it without asking for thanks.",
};

constexpr std::string_view kPersonality[] = {
    "You long to be the one people turn to when things go wrong, and strangers seem to sense it: they "
    "tell you their troubles in queues and waiting rooms. Your manner is warm and unhurried, a little "
    "parental whatever your age. Others see a patient listener with a kind face and sensible advice. "
    "You would like to be remembered as the teacher who believed in them when nobody else did.",
};

constexpr std::string_view kRealization[] = {
    "You are a born teacher and healer, and these gifts ripen slowly. In later life you may find "
    "yourself mentoring the young, caring for the sick or speaking up for those who cannot. Your "
    "patience and understanding deepen with every year, and many will count you among the people who "
    "changed their lives for the better.",
};

constexpr std::string_view kLifePath[] = {
    "Yours is the road of the teacher and healer, a master number. Other people's pain reaches you "
    "quickly, and you are often asked to carry more than your share: a sick relative, a struggling "
    "class, a friend in debt. Give without keeping score, but learn to say no, or the gift will wear "
    "you out.",
};

constexpr std::string_view kPinnacle[] = {
    "This signifies the period when care for others becomes your calling on a wider scale than "
    "before. The master number 33 gives these years the spirit of the teacher and the healer: you may "
    "train younger colleagues, nurse a relative, run a charity or simply become the person your whole "
    "street trusts. The work is demanding and often unpaid, and it can drain you if you never rest. "
    "Shared fairly and offered without thought of reward, it leaves a warmth in many homes that "
    "outlasts the period itself.",
};

constexpr std::string_view kAttitude[] = {
    "You are the comforter of every group you join. People bring you their worries without being "
    "asked, and you answer with patience and practical kindness, though you sometimes forget that "
    "others must learn for themselves.",
};

constexpr ReadingRow kRows[] = {
    {33, kDestiny}, {33, kSoulUrge}, {33, kPersonality}, {33, kRealization},
    {33, kLifePath}, {33, kPinnacle}, {33, kAttitude},
};

} // namespace

const ReadingRow &thirtyThreeRow(ThirtyThreeFor table)
{
    return kRows[static_cast<std::size_t>(table)];
}

} // namespace velmora
