// SPDX-License-Identifier: MIT
#include "instancelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "systemreason.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// How often a claim starts over when the lock file changed under it (a copy
// that ended removed it, another made it again) before it gives up.
constexpr int kAttempts = 100;

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

// Opens what lies at the lock place, making a lock file when there is none,
// without following a link or waiting on a FIFO. Gives the descriptor of a
// regular file, or -1 with errno set (EINVAL: something else lies there).
int openLockPlace(const QByteArray &path, int flags)
{
    struct stat seen {};
    if (::lstat(path.constData(), &seen) == 0 && !S_ISREG(seen.st_mode)) {
        // Only a regular file is opened: a device could react to it.
        errno = S_ISDIR(seen.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    const int descriptor = ::open(path.constData(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (descriptor < 0) {
        if (errno == ELOOP)
            errno = EINVAL;
        return -1;
    }
    struct stat opened {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(descriptor);
        errno = EINVAL;
        return -1;
    }
    return descriptor;
}

QString reasonOf(int error)
{
    return error == EINVAL ? u"not a regular file"_s : systemReason(error);
}

// What a person looking at the file learns of its holder, as QLockFile
// writes it: the process, the program and the machine.
bool writeHolder(int descriptor)
{
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(descriptor, 0) != 0)
        return false;
    const ssize_t written = ::pwrite(descriptor, text.constData(), std::size_t(text.size()), 0);
    if (written == text.size())
        return true;
    if (written >= 0)
        errno = ENOSPC;
    return false;
}

} // namespace

InstanceLock::InstanceLock(QString fileName)
    : m_fileName(std::move(fileName))
{
}

InstanceLock::~InstanceLock()
{
    if (m_descriptor < 0)
        return;
    // Removed while still locked, and only when the name still leads to the
    // file this copy holds.
    const QByteArray path = QFile::encodeName(m_fileName);
    struct stat named {};
    struct stat held {};
    if (::lstat(path.constData(), &named) == 0 && ::fstat(m_descriptor, &held) == 0 && sameFile(named, held))
        ::unlink(path.constData());
    ::close(m_descriptor);
}

InstanceLock::Claim InstanceLock::unusable(QString reason)
{
    m_reason = std::move(reason);
    return Claim::Unusable;
}

InstanceLock::Claim InstanceLock::claim()
{
    const QByteArray path = QFile::encodeName(m_fileName);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int descriptor = openLockPlace(path, O_RDWR | O_CREAT);
        // A file removed between the look and the open is made anew.
        if (descriptor < 0)
            return unusable(reasonOf(errno));
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(descriptor);
            if (error == EWOULDBLOCK)
                return Claim::HeldByLiveCopy;
            return unusable(systemReason(error));
        }
        // The lock is on the file opened; it counts only while the name still
        // leads there. A copy that ended may have removed that file after it
        // was opened here, and another copy may hold a new one by that name.
        struct stat named {};
        struct stat held {};
        if (::lstat(path.constData(), &named) != 0 || ::fstat(descriptor, &held) != 0 || !sameFile(named, held)) {
            ::close(descriptor);
            continue;
        }
        m_descriptor = descriptor;
        if (!writeHolder(descriptor))
            return unusable(systemReason(errno));
        return Claim::Claimed;
    }
    return unusable(u"the lock file keeps changing"_s);
}

bool InstanceLock::isHeld(const QString &fileName)
{
    const int descriptor = openLockPlace(QFile::encodeName(fileName), O_RDONLY);
    if (descriptor < 0)
        return false;
    const bool held = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return held;
}

std::optional<QString> InstanceLock::runtimeFolder()
{
    // The variable itself: Qt would fall back to a folder of a predictable
    // name in /tmp when it is not set.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return runtime;
    return std::nullopt;
}

QString InstanceLock::cacheFolderName()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir::isAbsolutePath(cache) ? QDir(cache).filePath(QCoreApplication::applicationName()) : QString();
}

std::optional<QString> InstanceLock::cacheFolder(QString *reason)
{
    const QString folder = cacheFolderName();
    if (folder.isEmpty()) {
        if (reason != nullptr)
            *reason = u"no runtime or cache folder"_s;
        return std::nullopt;
    }
    const QString cache = QFileInfo(folder).path();
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

std::optional<QString> InstanceLock::privateFolder(QString *reason)
{
    if (std::optional<QString> runtime = runtimeFolder())
        return runtime;
    return cacheFolder(reason);
}

} // namespace velmora
