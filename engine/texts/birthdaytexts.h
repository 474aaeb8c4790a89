// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "reading.h"

namespace velmora {

[[nodiscard]] const ReadingTable &birthdayTable();

inline constexpr std::string_view kBirthdayTitle = "Birthday Number";

} // namespace velmora
