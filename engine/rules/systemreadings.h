// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calendardate.h"
#include "numberid.h"
#include "reading.h"
#include "working.h"

namespace velmora {

// The reading tables of the common rules: the program's own, with a row for
// the master number 33 where the number can reach it; nullptr elsewhere.
[[nodiscard]] const ReadingTable *commonReadingTable(SectionId section);

// The reading tables of the Chaldean chart: the roots 1-9 under the
// explanation of each number as that chart finds it; nullptr for the
// personal cycles, which read as everywhere.
[[nodiscard]] const ReadingTable *chaldeanReadingTable(SectionId section);

// The Chaldean Life Path's explanation with the sum of the digits of born,
// from the number's working.
[[nodiscard]] std::string chaldeanLifePathExplanation(const CalendarDate &born, const Working &lifePath);

} // namespace velmora
