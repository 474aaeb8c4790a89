// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "chart.h"

namespace velmora::desk {

// A number as numerologists write it: the compound (or the master number)
// first, then every master number met on the way down, then the root, apart
// by slashes: 33/6, 29/11/2, 30/3; a plain root alone (7); a list (the
// Karmic Lessons and Debts) apart by commas, each written so, or a dash when it is empty.
[[nodiscard]] QString writtenNumber(const NumberValue &number);

} // namespace velmora::desk
