// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <functional>

namespace velmora {

// Takes a report file handed over by another copy of the program, named in
// the system's bytes (any Linux file name, not only text); an empty name asks
// only that the program come to the front. False when it cannot take it now.
using ReportReceiver = std::function<bool(const QByteArray &fileName)>;

// What became of a report file (or of a request to come to the front) handed
// to the copy that runs: taken; refused by that copy (it cannot take it
// now, or there is no way to hand it over); not answered within the time
// (stopped, hung, or a process that holds the program's name and serves
// nothing), in which case it is never followed later; or no copy runs any
// more (it ended in between).
enum class HandOver { Taken, Refused, NoAnswer, NoRunningCopy };

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
    // the name is empty.
    [[nodiscard]] virtual HandOver handOverReport(const QByteArray &fileName) = 0;
    // From now on, report files handed over by later copies go to receiver.
    virtual void receiveReports(ReportReceiver receiver) = 0;
};

} // namespace velmora
