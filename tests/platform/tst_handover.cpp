// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include "frmmain.h"
#include "qtplatform.h"
#include "reporthandover.h"
#include "startup.h"

using namespace Qt::StringLiterals;
namespace handover = velmora::handover;

namespace {

// John Smith, born 4 March 1980.
const QByteArray kSoundReport = "Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n";

// Writes the report under a name given in bytes, which QTemporaryDir may not
// be able to spell; the guard removes it.
auto writeReport(const QByteArray &path)
{
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0 || ::write(descriptor, kSoundReport.constData(), std::size_t(kSoundReport.size())) != kSoundReport.size())
        qFatal("cannot write the report");
    ::close(descriptor);
    return qScopeGuard([path] { ::unlink(path.constData()); });
}

bool nameHasOwner()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(handover::kBusName).value();
}

} // namespace

class TestHandover : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
    }

    void fileNamesSurviveAsUris_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("plain") << QByteArray("/home/a/john.vlm");
        QTest::newRow("space and percent") << QByteArray("/home/a/50% off.vlm");
        QTest::newRow("URI characters") << QByteArray("/home/a/#1?x=y;z.vlm");
        QTest::newRow("line break") << QByteArray("/f/alice.vlm\nbob.vlm");
        QTest::newRow("byte 0xFF") << QByteArray("/f/bad\xff.vlm");
        QTest::newRow("UTF-8") << QByteArray("/f/J\xc3\xbcrgen.vlm");
    }

    void fileNamesSurviveAsUris()
    {
        QFETCH(QByteArray, name);
        const QString uri = handover::fileUri(name);
        QVERIFY(uri.startsWith(u"file:///"_s));
        for (const QChar c : uri)
            QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7f, qPrintable(uri));
        QCOMPARE(handover::fileNameOf(uri), std::optional<QByteArray>(name));
    }

    void readsTheLaunchTimeOfAStartupId_data()
    {
        QTest::addColumn<QByteArray>("id");
        QTest::addColumn<quint32>("time");
        QTest::newRow("launcher's id") << QByteArray("launcher-1234-host-tavi-velmora-0_TIME87654321") << 87654321u;
        QTest::newRow("no time") << QByteArray("launcher-1234-host") << 0u;
        QTest::newRow("not a number") << QByteArray("x_TIMEsoon") << 0u;
        QTest::newRow("too large") << QByteArray("x_TIME99999999999") << 0u;
        QTest::newRow("none") << QByteArray() << 0u;
    }

    void readsTheLaunchTimeOfAStartupId()
    {
        QFETCH(QByteArray, id);
        QFETCH(quint32, time);
        const handover::LaunchTokens tokens = handover::LaunchTokens::fromPlatformData(
            handover::LaunchTokens{{}, id}.platformData());
        QCOMPARE(tokens.startupId, id);
        QCOMPARE(tokens.startupTime(), time == 0 ? std::nullopt : std::optional<quint32>(time));
    }

    void takesOnlyLocalFileUris_data()
    {
        QTest::addColumn<QString>("uri");
        QTest::newRow("web address") << u"https://example.org/a.vlm"_s;
        QTest::newRow("another host") << u"file://elsewhere/a.vlm"_s;
        QTest::newRow("relative") << u"a.vlm"_s;
        QTest::newRow("NUL byte") << u"file:///tmp/a%00b.vlm"_s;
    }

    void takesOnlyLocalFileUris()
    {
        QFETCH(QString, uri);
        QCOMPARE(handover::fileNameOf(uri), std::nullopt);
    }

    // The real program, started a second time with a report, hands it to the
    // running copy, which opens exactly that file; a launcher calling Open as
    // gdbus does gets the same.
    void secondCopyHandsOverExactlyItsFile_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("byLauncher");
        for (const bool byLauncher : {false, true}) {
            const char *how = byLauncher ? "launcher" : "second copy";
            QTest::addRow("line break, %s", how) << QByteArray("alice.vlm\nbob.vlm") << byLauncher;
            QTest::addRow("byte 0xFF, %s", how) << QByteArray("bad\xff.vlm") << byLauncher;
        }
    }

    void secondCopyHandsOverExactlyItsFile()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, byLauncher);
        const QTemporaryDir folder;
        const QByteArray path = QFile::encodeName(folder.path()) + '/' + name;
        const auto remove = writeReport(path);

        velmora::QtPlatform platform;
        const std::unique_ptr<frmMain> window = startApplication(platform);
        QVERIFY(window);
        QVERIFY(nameHasOwner());

        QProcess sender;
        if (byLauncher) {
            sender.start(u"gdbus"_s, {u"call"_s, u"--session"_s, u"--dest"_s, handover::kBusName, u"--object-path"_s,
                                      handover::kObjectPath, u"--method"_s, u"org.freedesktop.Application.Open"_s,
                                      u"['%1']"_s.arg(handover::fileUri(path)), u"{}"_s});
        } else {
            // The name goes to the program as raw bytes, from its own folder.
            sender.setWorkingDirectory(folder.path());
            QString octal;
            for (const char byte : name)
                octal += u"\\%1"_s.arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
            sender.start(u"/bin/sh"_s, {u"-c"_s, u"exec \"$0\" \"$(printf \"$1\")\""_s, QStringLiteral(VELMORA_PROGRAM), octal});
        }
        QTRY_VERIFY_WITH_TIMEOUT(sender.state() == QProcess::NotRunning, 10000);
        QCOMPARE(sender.exitStatus(), QProcess::NormalExit);
        QVERIFY2(sender.exitCode() == 0, sender.readAllStandardError().constData());
        QTRY_COMPARE(window->birthData().FirstName, std::string("John"));
    }

    // Calls the running copy cannot follow are answered with an error, never
    // taken as done; a second service finds the name taken.
    void answersWhatItCannotDo()
    {
        handover::ApplicationService service;
        QCOMPARE(service.registerOn(QDBusConnection::sessionBus()), handover::ApplicationService::Registration::Owner);
        QList<QByteArray> received;
        bool takes = false;
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"other"_s);
        const auto disconnect = qScopeGuard([] { QDBusConnection::disconnectFromBus(u"other"_s); });
        handover::ApplicationService second;
        QCOMPARE(second.registerOn(other), handover::ApplicationService::Registration::OtherOwner);

        const auto call = [](const QStringList &arguments) {
            QProcess gdbus;
            gdbus.start(u"gdbus"_s, QStringList{u"call"_s, u"--session"_s, u"--dest"_s, handover::kBusName,
                                                u"--object-path"_s, handover::kObjectPath, u"--method"_s}
                                        + arguments);
            while (!gdbus.waitForFinished(10))
                QCoreApplication::processEvents();
            return gdbus.exitCode() == 0;
        };
        const QString open = u"org.freedesktop.Application.Open"_s;
        // Started by the bus to open a file, the program takes it once its
        // window is there; of files that come meanwhile the last one wins.
        QVERIFY(call({open, u"['file:///tmp/first.vlm']"_s, u"{}"_s}));
        QVERIFY(call({open, u"['file:///tmp/second.vlm']"_s, u"{}"_s}));
        service.setReceiver([&](const QByteArray &fileName) {
            received << fileName;
            return takes || fileName == "/tmp/second.vlm";
        });
        QCOMPARE(received, QList<QByteArray>{"/tmp/second.vlm"});
        QVERIFY(!call({open, u"['file:///tmp/a.vlm']"_s, u"{}"_s})); // busy
        QVERIFY(!call({open, u"['https://example.org/a.vlm']"_s, u"{}"_s}));
        QVERIFY(!call({open, u"['file:///tmp/a.vlm', 'file:///tmp/b.vlm']"_s, u"{}"_s}));
        QVERIFY(!call({u"org.freedesktop.Application.ActivateAction"_s, u"quit"_s, u"[]"_s, u"{}"_s}));
        takes = true;
        QVERIFY(call({u"org.freedesktop.Application.Activate"_s, u"{'activation-token': <'t1'>}"_s}));
        QCOMPARE(received, (QList<QByteArray>{"/tmp/second.vlm", "/tmp/a.vlm", QByteArray()}));
    }

    // The launcher entry's action "desk", asked of the window program, brings
    // the desk (under its own name) to the front with the launcher's token.
    void theDeskActionReachesTheDesk()
    {
        handover::ApplicationService program;
        QCOMPARE(program.registerOn(QDBusConnection::sessionBus()), handover::ApplicationService::Registration::Owner);
        QDBusConnection deskBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"desk"_s);
        const auto disconnect = qScopeGuard([] { QDBusConnection::disconnectFromBus(u"desk"_s); });
        handover::ApplicationService desk(handover::kDeskIdentity);
        QCOMPARE(desk.registerOn(deskBus), handover::ApplicationService::Registration::Owner);
        QList<QByteArray> received;
        desk.setReceiver([&](const QByteArray &fileName) {
            received << fileName;
            return true;
        });
        QProcess gdbus;
        gdbus.start(u"gdbus"_s, {u"call"_s, u"--session"_s, u"--dest"_s, handover::kBusName, u"--object-path"_s,
                                 handover::kObjectPath, u"--method"_s, u"org.freedesktop.Application.ActivateAction"_s,
                                 u"desk"_s, u"[]"_s, u"{'desktop-startup-id': <'launcher_TIME42'>}"_s});
        while (!gdbus.waitForFinished(10))
            QCoreApplication::processEvents();
        QCOMPARE(gdbus.exitCode(), 0);
        QTRY_COMPARE(received, QList<QByteArray>{QByteArray()});
    }
};

int main(int argc, char *argv[])
{
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication application(argc, argv);
    TestHandover test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_handover.moc"
