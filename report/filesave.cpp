// SPDX-License-Identifier: MIT
#include "filesave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <optional>

#include <sys/stat.h>

#include "systemreason.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

bool fail(QString *reason, const QString &why)
{
    if (reason != nullptr)
        *reason = why;
    return false;
}


// The file a save replaces; nothing (and the reason) when it is refused.
std::optional<QString> saveTarget(const QString &fileName, QString *reason,
                                  const std::function<bool(const QString &)> &linkTargetFits,
                                  const QString &linkRefusal)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        if (errno == ENOENT)
            return fileName;
        fail(reason, systemReason(errno));
        return std::nullopt;
    }
    if (S_ISREG(info.st_mode))
        return fileName;
    if (!S_ISLNK(info.st_mode)) {
        fail(reason, S_ISDIR(info.st_mode) ? systemReason(EISDIR) : u"not a regular file"_s);
        return std::nullopt;
    }
    const QString target = QFileInfo(fileName).canonicalFilePath();
    if (target.isEmpty() || ::stat(QFile::encodeName(target).constData(), &info) != 0 || !S_ISREG(info.st_mode)
        || (linkTargetFits && !linkTargetFits(target))) {
        fail(reason, linkRefusal);
        return std::nullopt;
    }
    return target;
}

} // namespace

bool saveWholeFile(const QString &fileName, const QByteArray &bytes, QString *reason,
                   const std::function<bool(const QString &target)> &linkTargetFits, const QString &linkRefusal)
{
    const std::optional<QString> target = saveTarget(fileName, reason, linkTargetFits, linkRefusal);
    if (!target)
        return false;
    QSaveFile file(*target);
    // commit() (Qt 6.4) misses an error that happens while it flushes the
    // write buffer and would put a cut-short file in place, so flush first.
    // Returning before commit() discards the temporary file.
    if (!file.open(QIODevice::WriteOnly))
        return fail(reason, file.errorString());
    // A write too large for Qt's buffer fails with "Unknown error" as its
    // string (Qt 6.4): the system's own reason is taken where there is one.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        const int error = errno;
        return fail(reason, error != 0 ? systemReason(error) : file.errorString());
    }
    return true;
}

} // namespace velmora
