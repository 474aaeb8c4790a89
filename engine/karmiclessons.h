// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Karmic Lessons: the values 1-9, in order, that no letter of the name
// string carries; exactly the values the Subconscious Self number leaves
// uncounted.
[[nodiscard]] std::vector<int> KarmicLessonsOf(const BirthData &data);
[[nodiscard]] const ReadingTable &karmicLessonTable();

inline constexpr std::string_view kKarmicLessonsTitle = "Karmic Lessons";

} // namespace velmora
