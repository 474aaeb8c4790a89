// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kInclusionTitle = "Inclusion";
inline constexpr std::string_view kPlanesTitle = "Planes of Expression";

// What the Inclusion table shows, in one sentence, and what each plane is.
[[nodiscard]] std::string_view inclusionExplanation();
[[nodiscard]] std::string_view planesExplanation();

// Every sentence the plane readings are made of: what each plane stands for
// and how it reads without letters (physical, mental, emotional, intuitive),
// and how each number 1-9 colours a plane, 1 first.
struct PlaneSentences {
    std::span<const std::string_view> meanings; // by plane
    std::span<const std::string_view> empty;    // by plane
    std::span<const std::string_view> colours;  // by number, 1 first
};
[[nodiscard]] PlaneSentences planeSentences();

} // namespace velmora
