// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace velmora {

// The program's icon: a yellow seven-segment 7 with a sparkle on a dark
// rounded square, drawn as vectors at each size a desktop asks for.
[[nodiscard]] QIcon applicationIcon();

} // namespace velmora
