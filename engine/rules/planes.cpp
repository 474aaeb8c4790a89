// SPDX-License-Identifier: MIT
#include "planes.h"

#include <cassert>

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

std::string planeReading(Plane plane, const PlaneValue &value)
{
    const PlaneSentences sentences = planeSentences();
    std::string text(sentences.meanings[indexOf(plane)]);
    text += ' ';
    if (value.letters == 0)
        return text.append(sentences.empty[indexOf(plane)]);
    // A number above 9 (a master, should a system keep one here) reads as its root.
    const int root = value.number > 9 ? reduce(value.number, ReductionRule{}) : value.number;
    return text.append(sentences.colours[static_cast<std::size_t>(root - 1)]);
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

} // namespace velmora
