// SPDX-License-Identifier: MIT
#include "reporthandover.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

#include <utility>

using namespace Qt::StringLiterals;

namespace velmora::handover {
namespace {

// The platform-data keys org.freedesktop.Application defines for the tokens.
constexpr QLatin1StringView kActivationTokenKey{"activation-token"};
constexpr QLatin1StringView kStartupIdKey{"desktop-startup-id"};

QByteArray tokenOf(const QVariantMap &data, QLatin1StringView key)
{
    const QVariant value = data.value(key);
    // The interface names a string; some launchers send bytes.
    if (value.metaType().id() == QMetaType::QByteArray)
        return value.toByteArray();
    return value.metaType().id() == QMetaType::QString ? value.toString().toUtf8() : QByteArray();
}

// Asks the X11 window manager to bring the program's window to the front, as
// for the user action at that time; the window manager weighs the time
// against the user's later actions (Qt's own request carries the time of the
// program's last event, which is older than the launcher's click).
void activateOnX11(quint32 time)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    xcb_connection_t *connection = x11->connection();
    static constexpr char kAtom[] = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof(kAtom) - 1, kAtom), nullptr);
    if (atom == nullptr)
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (screen == nullptr || !window->isVisible() || window->type() != Qt::Window || window->transientParent())
            continue;
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = static_cast<xcb_window_t>(window->winId());
        event.type = atom->atom;
        event.data.data32[0] = 1; // from an application
        event.data.data32[1] = time;
        xcb_send_event(connection, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char *>(&event));
    }
    std::free(atom);
    xcb_flush(connection);
}

} // namespace

std::optional<quint32> LaunchTokens::startupTime() const
{
    const qsizetype at = startupId.lastIndexOf("_TIME");
    if (at < 0)
        return std::nullopt;
    bool ok = false;
    const quint32 time = startupId.mid(at + 5).toUInt(&ok);
    if (!ok || time == 0)
        return std::nullopt;
    return time;
}

LaunchTokens LaunchTokens::fromEnvironment()
{
    return {qgetenv("XDG_ACTIVATION_TOKEN"), qgetenv("DESKTOP_STARTUP_ID")};
}

QVariantMap LaunchTokens::platformData() const
{
    QVariantMap data;
    if (!activationToken.isEmpty())
        data.insert(kActivationTokenKey, QString::fromUtf8(activationToken));
    if (!startupId.isEmpty())
        data.insert(kStartupIdKey, QString::fromUtf8(startupId));
    return data;
}

LaunchTokens LaunchTokens::fromPlatformData(const QVariantMap &data)
{
    return {tokenOf(data, kActivationTokenKey), tokenOf(data, kStartupIdKey)};
}

QString fileUri(const QByteArray &fileName)
{
    QByteArray path = fileName;
    if (!path.startsWith('/'))
        path = QFile::encodeName(QDir::currentPath()) + '/' + path;
    return u"file://"_s + QString::fromLatin1(path.toPercentEncoding("/"));
}

std::optional<QByteArray> fileNameOf(const QString &uri)
{
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != u"file"_s || !(url.host().isEmpty() || url.host() == u"localhost"_s))
        return std::nullopt;
    // A local file's address has nothing more; what has is no file name.
    if (url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty() || url.port() != -1)
        return std::nullopt;
    // The path still encoded, then decoded to bytes: a name that is not
    // UTF-8 keeps its bytes, where QUrl would decode it to text.
    const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!path.startsWith('/') || path.contains('\0'))
        return std::nullopt;
    return path;
}

HandOver send(const QByteArray &fileName, const LaunchTokens &tokens, int timeoutMs, const BusIdentity &identity)
{
    // A connection of its own, closed before the caller says that nothing was
    // taken: a running copy that wakes later then finds its caller gone.
    static constexpr QLatin1StringView kConnection{"velmora-handover"};
    HandOver result = HandOver::NoAnswer;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection);
        QVariantMap platformData = tokens.platformData();
        platformData.insert(identity.callerWaitsKey, true);
        QDBusMessage call = QDBusMessage::createMethodCall(identity.busName, identity.objectPath, kInterface,
                                                           fileName.isEmpty() ? u"Activate"_s : u"Open"_s);
        // This copy is the one to start when none runs, not one the bus starts.
        call.setAutoStartService(false);
        if (fileName.isEmpty())
            call << platformData;
        else
            call << QStringList{fileUri(fileName)} << platformData;
        const QDBusMessage reply = bus.call(call, QDBus::Block, timeoutMs);
        const QString error = reply.errorName();
        if (reply.type() == QDBusMessage::ReplyMessage)
            result = HandOver::Taken;
        else if (error == identity.busyError)
            result = HandOver::Refused;
        else if (error == u"org.freedesktop.DBus.Error.ServiceUnknown"_s
                 || error == u"org.freedesktop.DBus.Error.NameHasNoOwner"_s)
            result = HandOver::NoRunningCopy;
    }
    QDBusConnection::disconnectFromBus(kConnection);
    return result;
}

ApplicationService::ApplicationService(const BusIdentity &identity)
    : m_identity(identity)
{
}

ApplicationService::~ApplicationService()
{
    release();
}

ApplicationService::Registration ApplicationService::registerOn(QDBusConnection bus)
{
    m_registrationError.clear();
    if (!bus.isConnected() || bus.interface() == nullptr) {
        m_registrationError = bus.lastError().message();
        return Registration::Failed;
    }
    // The object is served before the name is owned, so that no call made the
    // moment the name appears finds nothing there.
    if (!bus.registerObject(m_identity.objectPath, this, QDBusConnection::ExportAllSlots)) {
        m_registrationError = u"the object path %1 is taken"_s.arg(m_identity.objectPath);
        return Registration::Failed;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        m_identity.busName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_bus = bus;
        return Registration::Owner;
    }
    bus.unregisterObject(m_identity.objectPath);
    if (reply.isValid())
        return Registration::OtherOwner;
    m_registrationError = reply.error().message();
    return Registration::Failed;
}

void ApplicationService::release()
{
    m_receiver = {};
    if (!m_bus)
        return;
    m_bus->unregisterObject(m_identity.objectPath);
    m_bus->unregisterService(m_identity.busName);
    m_bus.reset();
}

void ApplicationService::setReceiver(ReportReceiver receiver)
{
    m_receiver = std::move(receiver);
    if (m_waiting && m_receiver) {
        const QByteArray fileName = *std::exchange(m_waiting, std::nullopt);
        deliver(fileName, std::exchange(m_waitingPlatformData, {}));
    }
}

bool ApplicationService::deliver(const QByteArray &fileName, const QVariantMap &platformData)
{
    if (!m_receiver) {
        // The window is not there yet: it opens the file once it is.
        if (!fileName.isEmpty()) {
            m_waiting = fileName;
            m_waitingPlatformData = platformData;
        }
        return true;
    }
    // On Wayland, Qt activates a window with the token it finds in the
    // environment when the window asks to come to the front.
    const LaunchTokens tokens = LaunchTokens::fromPlatformData(platformData);
    const bool wayland = QGuiApplication::platformName().startsWith(u"wayland"_s);
    if (wayland && !tokens.activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", tokens.activationToken);
    const bool taken = m_receiver(fileName);
    if (wayland && !taken)
        qunsetenv("XDG_ACTIVATION_TOKEN");
    // On X11, once the window has asked to come to the front (the receiver
    // asks at once or in a call already queued), the launch's time backs it.
    const std::optional<quint32> time = tokens.startupTime();
    if (taken && time && QGuiApplication::platformName() == u"xcb"_s)
        QTimer::singleShot(0, this, [time] { activateOnX11(*time); });
    return taken;
}

bool ApplicationService::callerWaits(const QVariantMap &platformData)
{
    if (!platformData.value(m_identity.callerWaitsKey).toBool())
        return true;
    const QDBusReply<bool> onBus = connection().interface()->isServiceRegistered(message().service());
    if (!onBus.isValid() || onBus.value())
        return true;
    sendErrorReply(m_identity.callerGoneError, u"the caller has given up waiting"_s);
    return false;
}

void ApplicationService::Activate(const QVariantMap &platformData)
{
    if (callerWaits(platformData))
        deliver({}, platformData);
}

void ApplicationService::Open(const QStringList &uris, const QVariantMap &platformData)
{
    if (!callerWaits(platformData))
        return;
    // One report at a time, as on the command line.
    const std::optional<QByteArray> fileName = uris.size() == 1 ? fileNameOf(uris.constFirst()) : std::nullopt;
    if (!fileName) {
        sendErrorReply(QDBusError::InvalidArgs, u"one local file:// address is expected"_s);
        return;
    }
    if (!deliver(*fileName, platformData))
        sendErrorReply(m_identity.busyError, u"the running copy cannot take a report now"_s);
}

void ApplicationService::ActivateAction(const QString &actionName, const QVariantList &, const QVariantMap &platformData)
{
    const auto action = std::ranges::find(m_identity.actions, actionName, &BusAction::name);
    if (action == m_identity.actions.end()) {
        // The name asked for is not repeated: it may be of any length.
        sendErrorReply(QDBusError::NotSupported, u"the program offers no such action"_s);
        return;
    }
    // The other program comes to the front with the launcher's tokens; the
    // bus starts it when it does not run. Nothing here waits for it.
    QDBusMessage call = QDBusMessage::createMethodCall(action->busName, action->objectPath, kInterface, u"Activate"_s);
    call << platformData;
    connection().asyncCall(call);
}

} // namespace velmora::handover
