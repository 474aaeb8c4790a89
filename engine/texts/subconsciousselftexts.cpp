// SPDX-License-Identifier: MIT
#include "subconsciousselftexts.h"

#include <bit>


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "This number shows how you deal and respond to sudden situations, emergencies and unexpected "
    "trouble. It counts how many of the nine number values appear in your full name, and it "
    "reveals your first and instinctive reaction.";

// Fewer than three distinct letter values give no reading of their own.
constexpr std::string_view kNotValid[] = {kNotValidText};

constexpr std::string_view kRow3[] = {
    "You depend on others to take care of you when trouble comes your way. Your feelings run high "
    "in a crisis and you tend to exaggerate small issues until they seem much larger than they are. "
    "Try to pause, breathe and trust your own strength before you act.",
};

constexpr std::string_view kRow4[] = {
    "You are slow to react to issues. When something happens suddenly, you prefer to wait and "
    "study it before you take a step, and you often hesitate even after you have all the facts. "
    "This careful nature keeps you from rash mistakes, but indecision can cost you chances.",
};

constexpr std::string_view kRow5[] = {
    "You adapt to change very well. But you tend to rush at every part of a crisis at once instead "
    "of taking each problem in its turn. Cheerful and flexible under pressure, you shine brightest "
    "when you settle on a single thing to fix.",
};

constexpr std::string_view kRow6[] = {
    "You frequently help others, willing to sacrifice your own comfort to ease their troubles. In "
    "an emergency you take responsibility at once and look after the people around you. You do your "
    "best work when others encourage you, so let those close to you give their support.",
};

constexpr std::string_view kRow7[] = {
    "You are a well-balanced person. You are quite capable of handling most situations with calm good "
    "sense. When serious trouble arrives, however, you tend to retreat within yourself to think it "
    "over alone, and others may then find you distant.",
};

constexpr std::string_view kRow8[] = {
    "You love challenging tasks and like to play the role of the one who takes charge when things "
    "go wrong. You think tactically, weigh every move and stay calm while others panic. People "
    "trust you in a crisis because you accept responsibility without complaint, though the load you "
    "take on can grow heavy if nobody shares it.",
};

constexpr std::string_view kRow9[] = {
    "It's difficult for anyone to understand you. You keep a certain distance from people and face "
    "trouble in an impersonal, detached way. In a crisis you remain controlled and composed, "
    "weighing the whole while others react to one part. Let a few people see your warmer side.",
};

constexpr ReadingRow kRows[] = {
    {0, kNotValid}, {1, kNotValid}, {2, kNotValid}, {3, kRow3}, {4, kRow4},
    {5, kRow5},     {6, kRow6},     {7, kRow7},     {8, kRow8}, {9, kRow9},
};

} // namespace

const ReadingTable &subconsciousSelfTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
