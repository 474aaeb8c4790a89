// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "birthdata.h"
#include "reading.h"

namespace velmora {

// Birthday: the day of the month of birth itself, 1-31, unreduced.
[[nodiscard]] int BirthdayOf(const BirthData &data);
[[nodiscard]] const ReadingTable &birthdayTable();

inline constexpr std::string_view kBirthdayTitle = "Birthday Number";

} // namespace velmora
