// SPDX-License-Identifier: MIT
#include "planetexts.h"

#include <array>

namespace velmora {
namespace {

constexpr std::array<std::string_view, 4> kMeanings = {
    "The physical plane is how you meet the material world: the body and the senses, work done with the hands, "
    "money and the practical tasks of each day.",
    "The mental plane is how you think: how you take in facts, weigh them, make plans and put your ideas into words.",
    "The emotional plane is how you feel and how you show it: your moods, your sympathies and the warmth or "
    "reserve you bring to the people close to you.",
    "The intuitive plane is how you know without being told: hunches, inner vision, faith and a sense of what "
    "lies beneath the surface.",
};

constexpr std::array<std::string_view, 4> kEmpty = {
    "No letter of your name lies on it, so the body and the practical side of life may get attention only when "
    "they demand it; plain routines help.",
    "None of your letters fall here: you tend to decide by feeling, hunch or experience rather than by argument, "
    "and it pays to slow down and reason a matter through.",
    "Your name places nothing on this plane, so feelings are held at a distance and dealt with through action or "
    "reason, which can leave others unsure of what you feel.",
    "Not one letter of yours belongs to this plane: you trust what you can see and test, and inner promptings "
    "carry little weight until they are proved.",
};

constexpr std::array<std::string_view, 9> kColours = {
    "Coloured by the 1, this side of you is independent and direct, and it prefers its own way to anyone else's.",
    "Coloured by the 2, it is gentle and receptive, at its best in partnership and quick to sense what others need.",
    "Coloured by the 3, it is expressive and playful, and it wants an audience for what it makes.",
    "Coloured by the 4, it is steady and methodical, building step by step on what has been proved.",
    "Coloured by the 5, it is restless and curious, and it craves variety and freedom of movement.",
    "Coloured by the 6, it is caring and responsible, turned towards home, family and the wish to put things right.",
    "Coloured by the 7, it is reflective and private, and it looks for the deeper reason behind what it meets.",
    "Coloured by the 8, it is ambitious and practical, measuring itself by results and by the control it gains.",
    "Coloured by the 9, it is generous and broad-minded, giving freely and thinking of the wider world.",
};

constexpr std::string_view kInclusionExplanation =
    "The Inclusion table counts how many letters of your name carry each value from 1 to 9: a value many letters "
    "carry is a strength you lean on, and a dash marks a value none carries, one you have yet to develop.";

constexpr std::string_view kPlanesExplanation =
    "Every letter of your name lies on one of four planes, whatever value it carries. The more letters fall on a "
    "plane, the more you live through it; the values on it, added and reduced, give the plane its number.";

} // namespace

std::string_view inclusionExplanation()
{
    return kInclusionExplanation;
}

std::string_view planesExplanation()
{
    return kPlanesExplanation;
}

PlaneSentences planeSentences()
{
    return {kMeanings, kEmpty, kColours};
}

} // namespace velmora
