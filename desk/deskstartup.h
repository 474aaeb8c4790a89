// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

#include "reporthandover.h"

namespace velmora {
class Platform;
}

namespace velmora::desk {

class DeskWindow;

// The desk's --help and --version; its command line is read as the main
// window's (parseCommandLine).
[[nodiscard]] QString deskHelpText();
[[nodiscard]] QString deskVersionText();

// The start-up: refuses a second copy (which hands its file over, or asks
// the running copy to come to the front, and ends), opens the client book at
// bookAddress (none when empty), shows the window as it was left, opens the
// file given, and takes the files later copies hand over. Nothing when
// another copy runs.
[[nodiscard]] std::unique_ptr<DeskWindow> startDesk(Platform &platform, const QByteArray &file = {},
                                                    const QString &bookAddress = {});

} // namespace velmora::desk
