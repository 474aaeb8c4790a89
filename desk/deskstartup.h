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

// What the desk's command line asks for.
struct DeskCommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    QString file;  // Run: a report file to open; empty for none
    QString error; // Error: what is wrong
    bool busActivated = false;
};

// --help (-h) and --version (-v) win wherever they stand; otherwise at most
// one report file and --bus-activated. Before QApplication has taken Qt's
// own options out, only Help and Version are to be trusted.
[[nodiscard]] DeskCommandLine parseDeskCommandLine(const QStringList &arguments);
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
