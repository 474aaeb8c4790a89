// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "chart.h"

namespace velmora::desk {

// A number of the chart as numerologists write it (numberNotation: 33/6,
// 29/11/2, 30/3); a list (the Karmic Lessons and Debts, Hidden Passion by
// value) with each of its values so written, apart by commas, or a dash when
// it is empty.
[[nodiscard]] QString writtenNumber(const Chart &chart, NumberId id);

} // namespace velmora::desk
