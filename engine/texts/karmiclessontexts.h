// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include <cstdint>

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &karmicLessonTable();

inline constexpr std::string_view kKarmicLessonsTitle = "Karmic Lessons";

} // namespace velmora
