// SPDX-License-Identifier: MIT
#include "realizationtexts.h"

#include <cassert>
#include <cstdint>


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "The Realization Number, which most calculators call the Maturity Number, describes your underlying "
    "wishes, desires, and goals that slowly come to the surface as you grow older. It shows what you will aim for in the second half of your life and what "
    "you may give back to the world once you have gathered the wisdom of experience.";

constexpr std::string_view kRow0[] = {
    "Your Realization Number is dependent on your Life Path Number and Destiny Number. Please calculate "
    "these two figures first.",
};

constexpr std::string_view kRow1[] = {
    "As you grow older, you will love being independent. Answering to no one but yourself becomes a "
    "quiet pleasure. Later life brings the courage to lead, to start new ventures and to trust your "
    "own judgement, and the work of these years will make you proud.",
    "Too many 1s among the core numbers signify a stubborn and domineering attitude.",
    "And on the other hand, if you don't have many 1s then you will lead an exciting and "
    "adventurous life.",
};

constexpr std::string_view kRow2[] = {
    "You will discover a unique in-built talent for understanding other people as the years pass by. "
    "With maturity you become a gentle peacemaker, a good listener and a trusted partner. You will "
    "find joy in cooperation, in close friendships and in quietly helping others to reach their own "
    "goals.",
    "Too many 2s will make you very sensitive.",
    "Few 2s may signify a peaceful life and the ability to work with different people will "
    "increase.",
};

constexpr std::string_view kRow3[] = {
    "Fame, relations and confidence are some of the key factors of your later years. Your creative gifts "
    "come forward with age, and you will enjoy expressing yourself and the admiration it brings.",
    "Many 3s in your chart will make you irresponsible about your work.",
    "Few 3s will signify a carefree and tension free life.",
    "But as a whole 3 brings close friends, new relations and most importantly happiness to your "
    "life.",
};

constexpr std::string_view kRow4[] = {
    "Remember you have the capability to think big and to build on a large scale. In the second "
    "half of life order, hard work and practical results will mean more each year. Progress comes "
    "steadily, not in leaps, and with patience you can create a secure and lasting foundation for "
    "yourself and your family, earning respect for your reliability.",
    "Many 4s can make you narrow-minded.",
    "Few 4s will take you through to a new peak of success.",
};

constexpr std::string_view kRow5[] = {
    "You will discover your true goal of life, often after many changes and adventures. Maturity "
    "brings you a love of freedom and a wish to see the world. You will enjoy travel, new "
    "experiences and the company of many kinds of people, and your versatility will help you turn "
    "every change into an opportunity to grow.",
    "Many 5s in your chart indicate a lack of concentration.",
    "And less 5s indicate that you will take up new challenges and may adopt some positive changes "
    "in the later part of your life.",
};

constexpr std::string_view kRow6[] = {
    "You have a golden heart. You love relations, family and home, and as you mature these become "
    "the centre of your life. In your later years you will take on responsibility for the people "
    "around you and give them care, comfort and wise counsel. You will seek harmony and beauty in "
    "your surroundings and find deep satisfaction in service to your community. Your kindness will "
    "be returned, and you will be loved and respected for your generosity.",
};

constexpr std::string_view kRow7[] = {
    "You start contemplating the life you lead as you grow older, and you turn inward in "
    "search of meaning. Study, reflection and spiritual questions become your companions. You will "
    "enjoy your own company, and your grasp of people will deepen. Others will come to you for "
    "thoughtful advice and a clear view of trouble.",
    "Several sevens may make you feel separated.",
    "Less 7s will land you in a particular field of study, which may be your goal.",
};

constexpr std::string_view kRow8[] = {
    "You are devoted and a determined person. You gain authority and material success with the "
    "years, and your skill in managing money and people grows along with them. The later decades "
    "can bring you wealth, recognition and the power to achieve your highest ambitions.",
    "Too many 8s may make you overconfident and greedy.",
    "Few 8s in your chart will give you a stable and secure position.",
};

constexpr std::string_view kRow9[] = {
    "Service to mankind is the vision of the years ahead. With age you will feel called to help "
    "others and to give back generously, and compassion and a wide view of the world will guide all "
    "of your choices.",
    "Several 9s indicate arrogance and isolation in your chart.",
    "Less 9s in your chart signify that you will achieve your goal of leaving behind something immortal "
    "for people to remember.",
};

constexpr std::string_view kRow11[] = {
    "You are highly spiritual and endowed with an intuition that grows stronger with age. In time "
    "you may become a source of inspiration for many others, sharing insight and ideals. You will "
    "seek a higher purpose, and your vision can light the way for those who walk beside you.",
};

constexpr std::string_view kRow22[] = {
    "You have the ability to overcome all obstacles and to turn great dreams into lasting reality. "
    "Year by year your plans grow bolder and your reach wider, until your work touches whole towns. "
    "Your practical wisdom and strong will can leave behind achievements that last long after you "
    "are gone.",
};

constexpr ReadingRow kRows[] = {
    {0, kRow0}, {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5},
    {6, kRow6}, {7, kRow7}, {8, kRow8}, {9, kRow9}, {11, kRow11}, {22, kRow22},
};

} // namespace

const ReadingTable &realizationTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
