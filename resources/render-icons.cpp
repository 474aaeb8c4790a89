// SPDX-License-Identifier: MIT
// Draws the application icon as PNG files for the desktop's icon theme:
//   velmora-render-icons FOLDER SIZE...   writes FOLDER/SIZE/tavi-velmora.png
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>

#include <cstdio>

#include "appicon.h"

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: velmora-render-icons FOLDER SIZE...\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        bool ok = false;
        const int size = arguments.at(i).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "velmora-render-icons: not a size: %s\n", qPrintable(arguments.at(i)));
            return 2;
        }
        const QString path = folder.filePath(QString::number(size) + QStringLiteral("/tavi-velmora.png"));
        QDir().mkpath(QFileInfo(path).path());
        const QImage image = velmora::applicationIcon().pixmap(size, size).toImage();
        if (image.width() != size || !image.save(path)) {
            std::fprintf(stderr, "velmora-render-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
