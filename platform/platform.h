// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "clock.h"
#include "desktop.h"
#include "dialogs.h"
#include "printing.h"
#include "randomnumbers.h"
#include "settingsstore.h"
#include "singleinstance.h"

class QWidget;

namespace velmora {

// Everything the program asks of the desktop, one small service per concern.
// The program reaches the desktop only through these services; each caller
// takes the ones it uses, so a test or benchmark stands in for just those.
// The start-up sequence takes them all.
class Platform : public Dialogs,
                 public Desktop,
                 public SettingsStore,
                 public Clock,
                 public RandomNumbers,
                 public SingleInstance,
                 public Printing
{
};

// True for a folder a file dialog may start in and the program may remember:
// an absolute path to a folder that can be read and entered, not on a
// pseudo file system (/proc, /sys, /dev), where a dialog reading the files
// can hang for ever.
[[nodiscard]] bool isUsableFolder(const QString &folder);

// The documents folder where it is usable (isUsableFolder), else the home
// folder: where a file the program proposes to write goes.
[[nodiscard]] QString documentsFolder();

// Brings a window to the front (a second start, a file handed over): shown,
// no longer minimised, raised and active.
void bringToFront(QWidget &window);

} // namespace velmora
