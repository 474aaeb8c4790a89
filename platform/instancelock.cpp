// SPDX-License-Identifier: MIT
#include "instancelock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qsizetype kMaxLockSize = 4096; // a lock file holds a few short lines

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The name of the program a process runs, as the system knows it; empty when
// it cannot be told.
QString programOf(long long pid)
{
    const QString exe = QFile::symLinkTarget(u"/proc/%1/exe"_s.arg(pid));
    QString name = QFileInfo(exe).fileName();
    if (name.endsWith(u" (deleted)"_s)) // the program was replaced while it ran
        name.chop(10);
    return name;
}

// True when the lock file's text (process id, program, host, one a line, as
// QLockFile writes them) names a process of this program that runs for this
// user on this machine, other than this one.
bool namesLiveCopy(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    bool ok = false;
    const long long pid = lines.value(0).toLongLong(&ok);
    if (!ok || pid <= 0 || pid == QCoreApplication::applicationPid())
        return false;
    const QString host = QString::fromUtf8(lines.value(2));
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    struct stat process {};
    if (::stat("/proc/self", &process) != 0) // no /proc: only the process id can be asked about
        return ::kill(static_cast<pid_t>(pid), 0) == 0;
    if (::stat(QFile::encodeName(u"/proc/%1"_s.arg(pid)).constData(), &process) != 0 || process.st_uid != ::geteuid())
        return false;
    const QString program = programOf(pid);
    return program.isEmpty() || program == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
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
        QByteArray text(kMaxLockSize, Qt::Uninitialized);
        struct stat opened {};
        const bool same = ::fstat(descriptor, &opened) == 0 && sameFile(info, opened);
        const ssize_t size = same ? ::read(descriptor, text.data(), static_cast<std::size_t>(text.size())) : -1;
        ::close(descriptor);
        if (!same)
            return unusable(u"the lock file changed while it was read"_s);
        text.truncate(size > 0 ? size : 0);
        if (namesLiveCopy(text))
            return Claim::HeldByLiveCopy;
        // No live copy holds it: replaced, unless another file took its place
        // meanwhile (a copy starting at the same moment).
        struct stat now {};
        if (::lstat(path.constData(), &now) == 0 && sameFile(info, now) && ::unlink(path.constData()) != 0
            && errno != ENOENT)
            return unusable(systemReason(errno));
    } else if (errno != ENOENT) {
        return unusable(systemReason(errno));
    }

    m_lock = std::make_unique<QLockFile>(m_fileName);
    // The age of a lock says nothing: only a live copy holds one, and that
    // was judged above.
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
