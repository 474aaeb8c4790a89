// SPDX-License-Identifier: MIT
#include "platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <linux/magic.h>
#include <sys/vfs.h>

using namespace Qt::StringLiterals;

namespace velmora {

bool isUsableFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return false;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    const QString canonical = info.canonicalFilePath();
    for (const QString &pseudo : {u"/proc"_s, u"/sys"_s, u"/dev"_s}) {
        if (canonical == pseudo || canonical.startsWith(pseudo + u'/'))
            return false;
    }
    // The kernel's own file systems, wherever they are mounted.
    struct statfs system {};
    if (::statfs(QFile::encodeName(canonical).constData(), &system) != 0)
        return false;
    return system.f_type != PROC_SUPER_MAGIC && system.f_type != SYSFS_MAGIC;
}

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return isUsableFolder(folder) ? folder : QDir::homePath();
}

void bringToFront(QWidget &window)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace velmora
