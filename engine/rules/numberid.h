// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

// Every number a chart can hold, in the order the outputs list them: the
// eight readings' numbers first (the four pinnacles apart), then the others.
enum class NumberId : std::uint8_t {
    Destiny,
    Personality,
    SoulUrge,
    Realization,
    Pinnacle1,
    Pinnacle2,
    Pinnacle3,
    Pinnacle4,
    HiddenPassion,
    SubconsciousSelf,
    Attitude,
    LifePath,
    Birthday,
    Challenge1,
    Challenge2,
    Challenge3,
    Challenge4,
    PersonalYear,
    PersonalMonth,
    PersonalDay,
    KarmicLessons,
    KarmicDebts,
};

inline constexpr std::size_t kNumberCount = 22;

[[nodiscard]] constexpr std::size_t indexOf(NumberId id)
{
    return static_cast<std::size_t>(id);
}

// The readings a chart is shown as, in order: the window's eight tabs, then
// the part "More numbers". A reading shows one number or several (the four
// pinnacles, the four challenges).
enum class SectionId : std::uint8_t {
    Destiny,
    Personality,
    SoulUrge,
    Realization,
    Pinnacles,
    HiddenPassion,
    SubconsciousSelf,
    Attitude,
    LifePath,
    Birthday,
    Challenges,
    PersonalYear,
    PersonalMonth,
    PersonalDay,
    KarmicLessons,
    KarmicDebts,
};

inline constexpr std::size_t kSectionCount = 16;

[[nodiscard]] constexpr std::size_t indexOf(SectionId id)
{
    return static_cast<std::size_t>(id);
}

// The chart elements beside the numbers, tables drawn from the letters, in
// the order the outputs show them.
enum class ElementId : std::uint8_t {
    Inclusion, // how many letters carry each value 1-9
    Planes,    // the Planes of Expression
};

inline constexpr std::size_t kElementCount = 2;

[[nodiscard]] constexpr std::size_t indexOf(ElementId id)
{
    return static_cast<std::size_t>(id);
}

} // namespace velmora
