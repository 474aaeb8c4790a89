// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "descriptors.h"

namespace velmora {

// The number a person names on a command line, however they write it: its
// JSON key (personalDay), its batch column (personal_day), the hyphenated form
// (personal-day) or with spaces (personal day), in any case; or a name readers
// know it by (expression for Destiny, maturity for Realization, heart's
// desire for Soul Urge). nullptr for a name that is none of these.
[[nodiscard]] const NumberDescriptor *findNumberByName(std::string_view name);

} // namespace velmora
