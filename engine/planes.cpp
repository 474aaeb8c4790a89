// SPDX-License-Identifier: MIT
#include "planes.h"

#include <cassert>

#include "letters.h"
#include "reduction.h"

namespace velmora {
namespace {

constexpr std::array<PlaneDescriptor, kPlaneCount> kPlanes = {{
    {Plane::Physical, "physical", "Physical", "DEMW"},
    {Plane::Mental, "mental", "Mental", "AGHJLNP"},
    {Plane::Emotional, "emotional", "Emotional", "BIORSTXZ"},
    {Plane::Intuitive, "intuitive", "Intuitive", "CFKQUVY"},
}};

// The plane of each letter, A first, made from the descriptors' letters.
constexpr std::array<Plane, 26> kPlaneOfLetter = [] {
    std::array<Plane, 26> planes{};
    std::array<bool, 26> placed{};
    for (const PlaneDescriptor &plane : kPlanes)
        for (const char letter : plane.letters) {
            planes[static_cast<std::size_t>(letter - 'A')] = plane.plane;
            placed[static_cast<std::size_t>(letter - 'A')] = true;
        }
    for (const bool done : placed)
        if (!done)
            throw "every letter lies on one plane";
    return planes;
}();

constexpr std::array<std::string_view, kPlaneCount> kMeanings = {
    "The physical plane is how you meet the material world: the body and the senses, work done with the hands, "
    "money and the practical tasks of each day.",
    "The mental plane is how you think: how you take in facts, weigh them, make plans and put your ideas into words.",
    "The emotional plane is how you feel and how you show it: your moods, your sympathies and the warmth or "
    "reserve you bring to the people close to you.",
    "The intuitive plane is how you know without being told: hunches, inner vision, faith and a sense of what "
    "lies beneath the surface.",
};

constexpr std::array<std::string_view, kPlaneCount> kEmpty = {
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

char upper(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace

std::span<const PlaneDescriptor> planeDescriptors()
{
    return kPlanes;
}

const PlaneDescriptor &describe(Plane plane)
{
    return kPlanes[indexOf(plane)];
}

Plane planeOf(char letter)
{
    const char capital = upper(letter);
    assert(capital >= 'A' && capital <= 'Z');
    return kPlaneOfLetter[static_cast<std::size_t>(capital - 'A')];
}

Planes planesOf(const BirthData &person, const System &system, LetterWorking *working)
{
    Planes planes{};
    forEachLetter(person, system, [&](const CountedLetter &letter) {
        const std::size_t plane = indexOf(planeOf(letter.letter));
        ++planes[plane].letters;
        planes[plane].total += letter.value;
        if (working != nullptr) {
            const std::string capital(1, upper(letter.letter));
            std::string &carriers = working->inclusion[static_cast<std::size_t>(letter.value)];
            carriers += (carriers.empty() ? "" : " ") + capital;
            working->planes[plane].terms.push_back({capital, letter.value, {}});
        }
    });
    for (std::size_t p = 0; p < planes.size(); ++p) {
        planes[p].number = reduce(planes[p].total, system.digitReduction);
        if (working != nullptr) {
            working->planes[p].kind = WorkingKind::Sum;
            working->planes[p].total = reduceWithSteps(planes[p].total, system.digitReduction);
        }
    }
    return planes;
}

std::string_view inclusionExplanation()
{
    return kInclusionExplanation;
}

std::string_view planesExplanation()
{
    return kPlanesExplanation;
}

std::string planeReading(Plane plane, const PlaneValue &value)
{
    std::string text(kMeanings[indexOf(plane)]);
    text += ' ';
    if (value.letters == 0)
        return text.append(kEmpty[indexOf(plane)]);
    // A number above 9 (a master, should a system keep one here) reads as its root.
    const int root = value.number > 9 ? reduce(value.number, ReductionRule{}) : value.number;
    return text.append(kColours[static_cast<std::size_t>(root - 1)]);
}

std::string planeSummary(Plane plane, const PlaneValue &value)
{
    const PlaneDescriptor &descriptor = describe(plane);
    std::string text(descriptor.name);
    text += " (";
    for (std::size_t i = 0; i < descriptor.letters.size(); ++i)
        text += (i == 0 ? "" : " ") + std::string(1, descriptor.letters[i]);
    text += "): ";
    if (value.letters == 0)
        return text + "no letters";
    return text + std::to_string(value.letters) + (value.letters == 1 ? " letter" : " letters") + ", total "
        + std::to_string(value.total) + ", number " + std::to_string(value.number);
}

PlaneSentences planeSentences()
{
    return {kMeanings, kEmpty, kColours};
}

} // namespace velmora
