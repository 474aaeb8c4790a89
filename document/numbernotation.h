// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "chart.h"

namespace velmora {

// A number as numerologists write it: the compound beside the root where
// there is one, and a master number with the digit it comes down to, every
// step apart by a slash: "7", "33/6", "29/2" (a compound), "29/11/2" (a day
// of 29 whose digit sum 11 is a master of the system). A digit sum that is no
// master of the system is left out ("19/1"). One value of a list: use list().
[[nodiscard]] QString numberNotation(int value, int compound, const System &system);
// The chart's number so written; "–" for a list's value where it has none.
[[nodiscard]] QString numberNotation(const Chart &chart, NumberId id);

} // namespace velmora
