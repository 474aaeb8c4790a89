// SPDX-License-Identifier: MIT
#pragma once

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Attitude: day + month, reduced without master numbers.
[[nodiscard]] int AttitudeNumber(const BirthData &data);
[[nodiscard]] Reading AttitudeReading(int number);
[[nodiscard]] const ReadingTable &attitudeTable();

inline constexpr std::string_view kAttitudeHeading = "Your Attitude Number is ";

} // namespace velmora
