// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <array>
#include <optional>
#include <span>

#include "singleinstance.h"

namespace velmora::handover {

// The program's name on the session bus, its component id, and the object
// path that name gives; the running copy answers org.freedesktop.Application
// there, as desktop launchers and file managers expect.
inline constexpr QLatin1StringView kBusName{"example.orvex.tavivelmora"};
inline constexpr QLatin1StringView kObjectPath{"/example/orvex/tavivelmora"};
inline constexpr QLatin1StringView kInterface{"org.freedesktop.Application"};
// The error a running copy answers with when it cannot take a file now.
inline constexpr QLatin1StringView kBusyError{"example.orvex.tavivelmora.Error.Busy"};
// The error it answers a call with whose caller has given up waiting.
inline constexpr QLatin1StringView kCallerGoneError{"example.orvex.tavivelmora.Error.CallerGone"};
// A copy of the program that hands a report over marks its call with this
// platform-data key: should the running copy not answer in time, the caller
// leaves the bus before it tells the person that nothing was opened, and a
// call so marked whose caller has left is not followed any more.
inline constexpr QLatin1StringView kCallerWaitsKey{"example.orvex.tavivelmora.caller-waits"};

// A desktop action of a program's launcher entry that starts another
// program of the package: a launcher asks for it by name (ActivateAction),
// and the program asks the other to come to the front by its bus name, which
// the session bus starts when it does not run.
struct BusAction {
    QLatin1StringView name;
    QLatin1StringView busName;
    QLatin1StringView objectPath;
};

// Who a program of the package is on the session bus: its component id as
// the bus name, the object path that gives, the names of its own errors and
// platform-data key, and the actions it offers launchers. Each program of the
// package has its own, so that each keeps one copy per user apart from the
// other.
struct BusIdentity {
    QLatin1StringView busName;
    QLatin1StringView objectPath;
    QLatin1StringView busyError;
    QLatin1StringView callerGoneError;
    QLatin1StringView callerWaitsKey;
    std::span<const BusAction> actions;
};

// The practitioner's window's.
inline constexpr BusIdentity kDeskIdentity{
    QLatin1StringView{"example.orvex.tavivelmora.desk"}, QLatin1StringView{"/example/orvex/tavivelmora/desk"},
    QLatin1StringView{"example.orvex.tavivelmora.desk.Error.Busy"},
    QLatin1StringView{"example.orvex.tavivelmora.desk.Error.CallerGone"},
    QLatin1StringView{"example.orvex.tavivelmora.desk.caller-waits"}, {}};

// The window program's launcher entry offers the desk as its action "desk".
inline constexpr std::array<BusAction, 1> kProgramActions{
    {{QLatin1StringView{"desk"}, kDeskIdentity.busName, kDeskIdentity.objectPath}}};

// The window program's.
inline constexpr BusIdentity kProgramIdentity{kBusName,         kObjectPath,    kBusyError,
                                              kCallerGoneError, kCallerWaitsKey, kProgramActions};

// The tokens a launcher gave this copy to bring a window to the front with:
// on Wayland an xdg-activation token, on X11 a startup-notification id.
// Qt removes them from the environment as it starts, so main() reads them
// first.
struct LaunchTokens {
    QByteArray activationToken;
    QByteArray startupId;

    [[nodiscard]] static LaunchTokens fromEnvironment();
    // As org.freedesktop.Application's platform-data carries them.
    [[nodiscard]] QVariantMap platformData() const;
    [[nodiscard]] static LaunchTokens fromPlatformData(const QVariantMap &data);
    // The time of the user's action the startup id carries ("..._TIME<n>"),
    // which an X11 window manager weighs before it lets a window come to
    // the front; nothing when it carries none.
    [[nodiscard]] std::optional<quint32> startupTime() const;
};

// A file's name as a file:// URI, every byte that is not plain ASCII
// percent-encoded, so that any Linux file name survives the trip; relative
// names are taken from the working folder.
[[nodiscard]] QString fileUri(const QByteArray &fileName);
// The name, as the system's bytes, of a local file:// URI; nothing for
// another kind of address, or one with a user, a port, a query or a fragment.
[[nodiscard]] std::optional<QByteArray> fileNameOf(const QString &uri);

// Asks the copy that owns the bus name to open the file (Open), or to come to
// the front when fileName is empty (Activate), over a connection of its own
// that is closed before a call left unanswered is reported.
[[nodiscard]] HandOver send(const QByteArray &fileName, const LaunchTokens &tokens, int timeoutMs = 5000,
                            const BusIdentity &identity = kProgramIdentity);

// The running copy's side of the bus. Open hands the file to the receiver,
// which answers whether it takes it; a file it cannot take is answered with
// kBusyError. A file that comes before there is a receiver (the bus started
// the program to open it, or a box at start-up is open) waits for the
// receiver; the last one that came wins.
class ApplicationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    enum class Registration { Owner, OtherOwner, Failed };

    explicit ApplicationService(const BusIdentity &identity = kProgramIdentity);
    ~ApplicationService() override;

    // Serves the object path, then asks for the bus name without queueing.
    Registration registerOn(QDBusConnection bus);
    // Why registerOn() failed, in the bus's words.
    [[nodiscard]] QString registrationError() const { return m_registrationError; }
    void setReceiver(ReportReceiver receiver);
    // Gives the name up, and takes no more calls: the program is ending, and
    // a later launch starts a new copy.
    void release();

public Q_SLOTS:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &actionName, const QVariantList &parameter, const QVariantMap &platformData);

private:
    bool deliver(const QByteArray &fileName, const QVariantMap &platformData);
    // False, with an error answered, for a call whose caller has given up.
    bool callerWaits(const QVariantMap &platformData);

    BusIdentity m_identity;
    ReportReceiver m_receiver;
    QString m_registrationError;
    std::optional<QByteArray> m_waiting;
    QVariantMap m_waitingPlatformData;
    std::optional<QDBusConnection> m_bus;
};

} // namespace velmora::handover
