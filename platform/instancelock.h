// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QLockFile;

namespace velmora {

// The per-user lock that keeps a second copy of the program from starting.
// Only a live copy of this program, run by this user on this machine, holds
// it: a lock file left by a copy that has ended, an empty or damaged one
// (what a power cut can leave) and one that names another machine are
// replaced. Nothing here waits: a lock place that cannot be used at all (a
// folder, a FIFO, no permission) is reported as such, so that the program
// can start all the same.
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

private:
    Claim unusable(QString reason);

    QString m_fileName;
    std::unique_ptr<QLockFile> m_lock;
    QString m_reason;
};

} // namespace velmora
