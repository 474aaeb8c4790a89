// SPDX-License-Identifier: MIT
#include "instancelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "systemreason.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {


bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A folder, not a link, owned by this user, that nobody else can enter.
bool isPrivateFolder(const QString &folder)
{
    struct stat info {};
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

InstanceLock::InstanceLock(QString fileName)
    : m_fileName(std::move(fileName))
{
}

InstanceLock::~InstanceLock() = default;

InstanceLock::Claim InstanceLock::unusable(QString reason)
{
    m_reason = std::move(reason);
    return Claim::Unusable;
}

std::optional<QString> InstanceLock::privateFolder(QString *reason)
{
    // The variable itself: Qt would fall back to a folder of a predictable
    // name in /tmp when it is not set.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return runtime;

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!QDir::isAbsolutePath(cache)) {
        if (reason != nullptr)
            *reason = u"no runtime or cache folder"_s;
        return std::nullopt;
    }
    const QString folder = QDir(cache).filePath(QCoreApplication::applicationName());
    const QByteArray path = QFile::encodeName(folder);
    if (!QDir().mkpath(cache) || (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)) {
        if (reason != nullptr)
            *reason = u"%1: %2"_s.arg(folder, systemReason(errno));
        return std::nullopt;
    }
    // A folder of ours that others can enter is closed; anything else is
    // not used.
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) != 0)
        ::chmod(path.constData(), 0700);
    if (!isPrivateFolder(folder)) {
        if (reason != nullptr)
            *reason = u"%1 is not a private folder of this user"_s.arg(folder);
        return std::nullopt;
    }
    return folder;
}

InstanceLock::Claim InstanceLock::claim()
{
    const QByteArray path = QFile::encodeName(m_fileName);
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0) {
        // Only a regular file is looked into: a FIFO would block the start, and
        // a link could lead anywhere.
        if (S_ISDIR(info.st_mode))
            return unusable(systemReason(EISDIR));
        if (!S_ISREG(info.st_mode))
            return unusable(u"not a regular file"_s);
        const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (descriptor < 0)
            return unusable(systemReason(errno));
        struct stat opened {};
        if (::fstat(descriptor, &opened) != 0 || !sameFile(info, opened)) {
            ::close(descriptor);
            return unusable(u"the lock file changed while it was looked at"_s);
        }
        // A live copy holds the lock on its file. Whoever takes it here is
        // free to remove the file, and holds the lock while doing so, so that
        // a copy starting at the same moment cannot judge it at the same time.
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(descriptor);
            if (error == EWOULDBLOCK)
                return Claim::HeldByLiveCopy;
            return unusable(systemReason(error));
        }
        const bool removed = ::unlink(path.constData()) == 0 || errno == ENOENT;
        const int error = errno;
        ::close(descriptor);
        if (!removed)
            return unusable(systemReason(error));
    } else if (errno != ENOENT) {
        return unusable(systemReason(errno));
    }

    m_lock = std::make_unique<QLockFile>(m_fileName);
    // Whether a lock is stale was judged above, by its lock; neither its age
    // nor the process it names says more.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Claim::Claimed;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        return Claim::HeldByLiveCopy; // a copy that started at the same moment
    case QLockFile::PermissionError:
        return unusable(systemReason(EACCES));
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return unusable(u"the lock file cannot be created"_s);
}

} // namespace velmora
