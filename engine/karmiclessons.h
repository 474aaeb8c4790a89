// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include <cstdint>

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Karmic Lessons: the values 1-9, in order, that no letter of the name
// string carries; exactly the values the Subconscious Self number leaves
// uncounted.
[[nodiscard]] std::vector<int> KarmicLessonsOf(const BirthData &data);
// The same as bits (bit v set: v is a lesson), from the values present as
// LetterTally::values holds them.
[[nodiscard]] constexpr std::uint16_t karmicLessonBits(std::uint16_t valuesPresent)
{
    return static_cast<std::uint16_t>(~valuesPresent & 0x3FEU);
}
[[nodiscard]] const ReadingTable &karmicLessonTable();

inline constexpr std::string_view kKarmicLessonsTitle = "Karmic Lessons";

} // namespace velmora
