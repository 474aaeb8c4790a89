// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <functional>

namespace velmora {

// Takes a report file handed over by another copy of the program, named in
// the system's bytes (any Linux file name, not only text); an empty name asks
// only that the program come to the front. False when it cannot take it now.
using ReportReceiver = std::function<bool(const QByteArray &fileName)>;

// One copy of the program per user, and the hand-over of report files from a
// later copy to the one that runs.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;

    // False when another copy of the program already runs for this user.
    [[nodiscard]] virtual bool claimSingleInstance() = 0;
    // Hands a report file (the system's bytes of its name) to the copy that
    // already runs for this user, or asks that copy to come to the front when
    // the name is empty; false when no copy takes it.
    [[nodiscard]] virtual bool handOverReport(const QByteArray &fileName) = 0;
    // From now on, report files handed over by later copies go to receiver.
    virtual void receiveReports(ReportReceiver receiver) = 0;
};

} // namespace velmora
