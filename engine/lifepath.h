// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Life Path: day + month + year of birth, reduced with master numbers; the
// same number the Realization reading adds to Destiny.
[[nodiscard]] int LifePathOf(const BirthData &data);
[[nodiscard]] const ReadingTable &lifePathTable();

inline constexpr std::string_view kLifePathTitle = "Life Path Number";

} // namespace velmora
