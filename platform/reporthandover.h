// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "platform.h"

class QSocketNotifier;

namespace velmora {

// Hands report files from a second copy of the program to the copy that
// runs, over a Unix socket only this user can reach (plain sockets: the
// network library would cost every start-up its loading time). The second copy sends
// the file's absolute path and a line end, in UTF-8; the running copy answers
// "1" when it takes the file and "0" when it cannot, and the connection ends.
class ReportHandover : public QObject
{
public:
    // The longest path a running copy reads; a longer message is refused.
    static constexpr qsizetype kMaxMessage = 16 * 1024;

    ReportHandover(QString serverName, ReportReceiver receiver);
    ~ReportHandover() override;

    // The socket of this user's running copy, in the user's runtime folder.
    [[nodiscard]] static QString userServerName();

    // Starts taking files. Only the copy that holds the single-instance lock
    // listens, so a socket left by a copy that crashed is removed first.
    bool listen();

    // Sends the file to the running copy and waits for its answer; false when
    // no copy answers "1" within the time given.
    [[nodiscard]] static bool send(const QString &serverName, const QString &fileName, int timeoutMs = 5000);

private:
    void takeConnections();

    QString m_serverName;
    ReportReceiver m_receiver;
    int m_listener = -1;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace velmora
