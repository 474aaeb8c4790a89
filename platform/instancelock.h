// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace velmora {

// The per-user lock that keeps a second copy of the program from starting
// where there is no session bus to tell. Only a live copy holds it: the copy
// that claims it keeps the file open with a lock on it, and the system lets
// go of that lock the moment the copy ends, however it ends. So a lock file
// whose lock nobody holds - left by a copy that crashed, empty or damaged by
// a power cut, written on another machine - is taken over, whatever process
// its text names. The file is never removed by a copy that does not hold it,
// so two copies starting at the same moment cannot each lock a file of their
// own. Nothing here waits: a lock place that cannot be used at all (a folder,
// a FIFO, a link, no permission) is reported as such, so that the program can
// start all the same.
class InstanceLock
{
public:
    enum class Claim : std::uint8_t { Claimed, HeldByLiveCopy, Unusable };

    explicit InstanceLock(QString fileName);
    // A copy that ends normally removes its lock file.
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    [[nodiscard]] Claim claim();
    [[nodiscard]] QString fileName() const { return m_fileName; }
    // Why the lock place cannot be used, after claim() gave Unusable.
    [[nodiscard]] QString reason() const { return m_reason; }
    // Whether this copy holds the lock. It may hold it though claim() gave
    // Unusable: a lock whose holder could not be written into it (a full
    // folder) still keeps out the copies that look there.
    [[nodiscard]] bool holdsLock() const { return m_descriptor >= 0; }

    // Whether a live copy holds the lock file of that name; false for a file
    // that is missing or is no regular file.
    [[nodiscard]] static bool isHeld(const QString &fileName);

    // The runtime folder when it is this user's and closed to others.
    [[nodiscard]] static std::optional<QString> runtimeFolder();
    // A private folder under the user's cache, made when missing. Nothing,
    // with the reason in *reason, when there is none.
    [[nodiscard]] static std::optional<QString> cacheFolder(QString *reason = nullptr);
    // Where that folder is or would be, for a look that makes nothing.
    [[nodiscard]] static QString cacheFolderName();
    // A folder that this user alone owns and reaches, for the lock: the
    // runtime folder when it is usable, otherwise the cache folder. Never a
    // shared folder such as /tmp.
    [[nodiscard]] static std::optional<QString> privateFolder(QString *reason = nullptr);

private:
    Claim unusable(QString reason);

    QString m_fileName;
    int m_descriptor = -1;
    QString m_reason;
};

} // namespace velmora
