// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class QLockFile;

namespace velmora {

// The per-user lock that keeps a second copy of the program from starting
// where there is no session bus to tell. Only a live copy holds it: the copy
// that claims it keeps a QLockFile open and locked, and the system lets go of
// that lock the moment the copy ends, however it ends. So a lock file whose
// lock nobody holds - left by a copy that crashed, empty or damaged by a
// power cut, written on another machine - is replaced, whatever process its
// text names. Nothing here waits: a lock place that cannot be used at all (a
// folder, a FIFO, a link, no permission) is reported as such, so that the
// program can start all the same.
class InstanceLock
{
public:
    enum class Claim : std::uint8_t { Claimed, HeldByLiveCopy, Unusable };

    explicit InstanceLock(QString fileName);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    [[nodiscard]] Claim claim();
    [[nodiscard]] QString fileName() const { return m_fileName; }
    // Why the lock place cannot be used, after claim() gave Unusable.
    [[nodiscard]] QString reason() const { return m_reason; }

    // A folder that this user alone owns and reaches, for the lock: the
    // runtime folder when it is the user's and private, otherwise a private
    // folder under the user's cache, made when missing. Never a shared folder
    // such as /tmp. Nothing, with the reason in *reason, when there is none.
    [[nodiscard]] static std::optional<QString> privateFolder(QString *reason = nullptr);

private:
    Claim unusable(QString reason);

    QString m_fileName;
    std::unique_ptr<QLockFile> m_lock;
    QString m_reason;
};

} // namespace velmora
