// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class frmMain;

namespace velmora {
class Platform;
}

// The start-up sequence: refuse a second copy, seed the random generator,
// run the update reminder before any window is visible, show the main
// window, and bring one promotion label to the front. Returns nothing when
// another copy already runs (the program then ends).
[[nodiscard]] std::unique_ptr<frmMain> startApplication(velmora::Platform &platform);
