// SPDX-License-Identifier: MIT
#include <QApplication>

#include "appicon.h"
#include "frmmain.h"
#include "qtplatform.h"
#include "uifonts.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    // The application name stays the executable's name: it names the
    // settings store and the single-instance lock.
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QString(velmora::kApplicationTitle));
    // Names the launcher entry, so that the desktop matches the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvex.tavivelmora"));
    QApplication::setWindowIcon(velmora::applicationIcon());
    // One face for every window and menu, so the fonts are matched once.
    QApplication::setFont(velmora::uifonts::windowFont());

    velmora::QtPlatform platform;
    const std::unique_ptr<frmMain> window = startApplication(platform);
    if (!window)
        return 0;
    return QApplication::exec();
}
