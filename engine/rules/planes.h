// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "planetexts.h"

namespace velmora {

// The four Planes of Expression. A letter's plane goes by the letter, not by
// its value, so it is the same under every system.
enum class Plane : std::uint8_t { Physical, Mental, Emotional, Intuitive };

inline constexpr std::size_t kPlaneCount = 4;

[[nodiscard]] constexpr std::size_t indexOf(Plane plane)
{
    return static_cast<std::size_t>(plane);
}

struct PlaneDescriptor {
    Plane plane;
    std::string_view key;     // "physical": its name in JSON
    std::string_view name;    // "Physical"
    std::string_view letters; // "DEMW": the letters on it, upper case
};

[[nodiscard]] std::span<const PlaneDescriptor> planeDescriptors();
[[nodiscard]] const PlaneDescriptor &describe(Plane plane);

// The plane of a letter A-Z or a-z. Requires such a letter.
[[nodiscard]] Plane planeOf(char letter);

// One plane of a name: how many letters fall on it, the total of their values
// under the system's chart, and that total reduced by the system's digit
// reduction (0 when no letter falls on it).
struct PlaneValue {
    int letters = 0;
    std::int64_t total = 0;
    int number = 0;
};

using Planes = std::array<PlaneValue, kPlaneCount>;

// The reading of a plane with this number: what the plane stands for, then
// how the number colours it; a plane without letters reads as such.
[[nodiscard]] std::string planeReading(Plane plane, const PlaneValue &value);

// "Physical: 2 letters, total 8, number 8", or "Emotional: no letters".
[[nodiscard]] std::string planeSummary(Plane plane, const PlaneValue &value);

} // namespace velmora
