// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "reading.h"

namespace velmora {

// The Life Path number itself is LifePathNumber (realization.h): day + month
// + year of birth, reduced with master numbers, the number the Realization
// reading adds to Destiny. This is its reading table.
[[nodiscard]] const ReadingTable &lifePathTable();

inline constexpr std::string_view kLifePathTitle = "Life Path Number";

} // namespace velmora
