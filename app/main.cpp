// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QScreen>

#include "frmmain.h"
#include "qtplatform.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavi-velmora"));
    QApplication::setApplicationDisplayName(QString(velmora::kApplicationTitle));

    velmora::QtPlatform platform;
    platform.seedRandom();

    frmMain window(platform);
    window.adjustSize();
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
