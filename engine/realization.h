// SPDX-License-Identifier: MIT
#pragma once

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Realization: the life path (day + month + year, reduced) plus the Destiny
// number of the same run, reduced with master numbers. The Destiny number is
// an argument so that the order of the two calculations cannot be lost.
[[nodiscard]] int LifePathNumber(const BirthData &data);
[[nodiscard]] int RealizationNumber(const BirthData &data, int destinyNumber);
[[nodiscard]] Reading RealizationReading(int number);
[[nodiscard]] const ReadingTable &realizationTable();

inline constexpr std::string_view kRealizationHeading = "Your Realization Number is ";

} // namespace velmora
