// SPDX-License-Identifier: MIT
#include "reporthandover.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace velmora {

ReportHandover::ReportHandover(QString serverName, ReportReceiver receiver)
    : m_serverName(std::move(serverName))
    , m_receiver(std::move(receiver))
{
}

ReportHandover::~ReportHandover() = default;

QString ReportHandover::userServerName()
{
    // The runtime folder belongs to the user alone; the user id in the name
    // keeps users apart where the temporary folder stands in for it.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(u"%1-%2.handover"_s.arg(QCoreApplication::applicationName()).arg(getuid()));
}

bool ReportHandover::listen()
{
    if (m_server == nullptr) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &ReportHandover::takeConnection);
    }
    if (m_server->isListening())
        return true;
    QLocalServer::removeServer(m_serverName);
    return m_server->listen(m_serverName);
}

void ReportHandover::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        if (socket->bytesAvailable() > 0)
            readMessage(socket);
    }
}

void ReportHandover::readMessage(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxMessage)
            socket->abort();
        return;
    }
    QByteArray line = socket->readLine(kMaxMessage + 1);
    bool taken = false;
    if (line.endsWith('\n')) {
        line.chop(1);
        const QString fileName = QString::fromUtf8(line);
        // A path that is not clean UTF-8 or not absolute is not a file name this program sent.
        if (!fileName.isEmpty() && fileName.toUtf8() == line && !line.contains('\0') && QDir::isAbsolutePath(fileName))
            taken = m_receiver(fileName);
    }
    socket->write(taken ? "1" : "0");
    socket->disconnectFromServer();
}

bool ReportHandover::send(const QString &serverName, const QString &fileName, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return false;
    QByteArray message = QFileInfo(fileName).absoluteFilePath().toUtf8();
    if (message.size() > kMaxMessage)
        return false;
    message += '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() == 0) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    return socket.read(1) == "1";
}

} // namespace velmora
