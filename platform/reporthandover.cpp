// SPDX-License-Identifier: MIT
#include "reporthandover.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// A connection the running copy has accepted: it reads one line, answers,
// and ends; a sender that says nothing for this long is dropped.
constexpr int kConnectionTimeoutMs = 5000;

std::optional<sockaddr_un> socketAddress(const QString &serverName)
{
    const QByteArray path = QFile::encodeName(serverName);
    sockaddr_un address{};
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

// A path as only this program sends it: clean UTF-8, absolute, no NUL.
bool isSentPath(const QByteArray &line, const QString &fileName)
{
    return !fileName.isEmpty() && fileName.toUtf8() == line && !line.contains('\0') && QDir::isAbsolutePath(fileName);
}

class Connection : public QObject
{
public:
    Connection(int socket, const ReportReceiver &receiver, QObject *parent)
        : QObject(parent)
        , m_socket(socket)
        , m_receiver(receiver)
        , m_notifier(new QSocketNotifier(static_cast<qintptr>(socket), QSocketNotifier::Read, this))
    {
        connect(m_notifier, &QSocketNotifier::activated, this, &Connection::read);
        QTimer::singleShot(kConnectionTimeoutMs, this, [this] { finish(false); });
    }
    ~Connection() override { ::close(m_socket); }

private:
    void read()
    {
        char chunk[4096];
        const ssize_t count = ::read(m_socket, chunk, sizeof chunk);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count <= 0 || m_message.size() + count > ReportHandover::kMaxMessage + 1) {
            finish(false);
            return;
        }
        m_message.append(chunk, count);
        const qsizetype end = m_message.indexOf('\n');
        if (end < 0)
            return;
        const QByteArray line = m_message.left(end);
        const QString fileName = QString::fromUtf8(line);
        finish(isSentPath(line, fileName) && m_receiver(fileName));
    }

    void finish(bool taken)
    {
        if (m_done)
            return;
        m_done = true;
        m_notifier->setEnabled(false);
        (void)::send(m_socket, taken ? "1" : "0", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        deleteLater();
    }

    int m_socket;
    const ReportReceiver &m_receiver;
    QSocketNotifier *m_notifier;
    QByteArray m_message;
    bool m_done = false;
};

} // namespace

ReportHandover::ReportHandover(QString serverName, ReportReceiver receiver)
    : m_serverName(std::move(serverName))
    , m_receiver(std::move(receiver))
{
}

ReportHandover::~ReportHandover()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_serverName).constData());
}

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
    if (m_listener >= 0)
        return true;
    const std::optional<sockaddr_un> address = socketAddress(m_serverName);
    if (!address)
        return false;
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0)
        return false;
    // Only the copy that holds the single-instance lock gets here: whatever
    // is left at the path belongs to a copy that ended without cleaning up.
    ::unlink(address->sun_path);
    if (::bind(listener, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) != 0
        || ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener, 8) != 0) {
        ::close(listener);
        return false;
    }
    m_listener = listener;
    m_notifier = new QSocketNotifier(static_cast<qintptr>(listener), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ReportHandover::takeConnections);
    return true;
}

void ReportHandover::takeConnections()
{
    for (;;) {
        const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (socket < 0)
            return;
        // Only this user's own programs may hand a file over.
        ucred peer{};
        socklen_t size = sizeof peer;
        if (::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != getuid()) {
            ::close(socket);
            continue;
        }
        new Connection(socket, m_receiver, this);
    }
}

bool ReportHandover::send(const QString &serverName, const QString &fileName, int timeoutMs)
{
    const std::optional<sockaddr_un> address = socketAddress(serverName);
    QByteArray message = QFileInfo(fileName).absoluteFilePath().toUtf8();
    if (!address || message.size() > kMaxMessage)
        return false;
    message += '\n';
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    bool taken = false;
    if (::connect(socket, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) == 0) {
        qsizetype written = 0;
        while (written < message.size()) {
            const ssize_t count = ::send(socket, message.constData() + written,
                                         static_cast<std::size_t>(message.size() - written), MSG_NOSIGNAL);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                break;
            written += count;
        }
        char answer = 0;
        ssize_t count = -1;
        while (written == message.size() && (count = ::recv(socket, &answer, 1, 0)) < 0 && errno == EINTR) {
        }
        taken = count == 1 && answer == '1';
    }
    ::close(socket);
    return taken;
}

} // namespace velmora
