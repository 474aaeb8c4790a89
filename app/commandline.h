// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "programarguments.h"

namespace velmora {

// The window program's --help and --version.
[[nodiscard]] QString helpText();
[[nodiscard]] QString versionText();

} // namespace velmora
