// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "reading.h"

namespace velmora {

// The tables that read a master number 33 when a system keeps it. Each one's
// row has the shape of that table's other master rows: Destiny a reading and
// its negative side, every other table a single paragraph (the pinnacle's read
// by any of the four pinnacles).
enum class ThirtyThreeFor : std::uint8_t { Destiny, SoulUrge, Personality, Realization, LifePath, Pinnacle, Attitude };

// The row numbered 33 for `table`; its paragraphs are static text.
[[nodiscard]] const ReadingRow &thirtyThreeRow(ThirtyThreeFor table);

} // namespace velmora
