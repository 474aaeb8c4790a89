// SPDX-License-Identifier: MIT
// The hand-over on a real session bus at the awkward moments: a box or
// dialog open, the program ending, a running copy that does not answer, a
// bus that refuses the program's name.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>

#include "frmmain.h"
#include "instancelock.h"
#include "qtplatform.h"
#include "reporthandover.h"
#include "scrambler.h"
#include "startup.h"
#include "updatereminder.h"

using namespace Qt::StringLiterals;
namespace handover = velmora::handover;

namespace {

constexpr auto kFirstCopyArgument = "--first-copy";

// John Smith and Anna Lee Smith.
const QByteArray kJohn = "Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n";
const QByteArray kAnna = "Dqqd\r\nOhh\r\nVplwk\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n";

QString writeFile(const QTemporaryDir &folder, const QString &name, const QByteArray &content)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

struct Run {
    int exitCode = -1;
    QByteArray errors;
};

// Runs a launcher to its end while this process answers on the bus.
Run runLauncher(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    while (!process.waitForFinished(10))
        QCoreApplication::processEvents();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

// gapplication launch: what a file manager's double-click does through D-Bus.
Run launch(const QString &file)
{
    return runLauncher(u"gapplication"_s, {u"launch"_s, handover::kBusName, file});
}

// Gives the text of the next box shown, and closes it; nothing when none
// shows within 15 s.
QString answerNextBox()
{
    QElapsedTimer timer;
    timer.start();
    QMessageBox *box = nullptr;
    while ((box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) == nullptr) {
        if (timer.hasExpired(15000))
            return {};
        QTest::qWait(10);
    }
    const QString text = box->text();
    box->done(QMessageBox::No);
    return text;
}

} // namespace

class TestHandoverBus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        if (QStandardPaths::findExecutable(u"gapplication"_s).isEmpty())
            QSKIP("gapplication is missing");
    }

    // A report handed over while the person answers a box or dialog, waits
    // behind the start-up question or takes leave in the tell-a-friend
    // window, is taken at once (the launcher ends with status 0) and opens
    // as soon as the program can show it; of several, the last one.
    void aReportHandedOverAtABusyMomentOpens_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::newRow("a dialog open") << u"dialog"_s;
        QTest::newRow("behind the start-up question") << u"reminder"_s;
        QTest::newRow("the tell-a-friend window up") << u"leaving"_s;
    }

    void aReportHandedOverAtABusyMomentOpens()
    {
        QFETCH(QString, moment);
        const QTemporaryDir folder;
        const QString john = writeFile(folder, u"john.vlm"_s, kJohn);
        const QString anna = writeFile(folder, u"anna.vlm"_s, kAnna);
        velmora::QtPlatform platform;
        const QString key = velmora::ScrambleText(QLatin1StringView(velmora::kReminderKey));
        const QString longAgo = velmora::ScrambleText(u"2000-01-01"_s);
        platform.setSettingsValue(QLatin1StringView(velmora::kReminderSection), key,
                                  moment == u"reminder"_s ? longAgo : QString());

        QList<Run> launches;
        if (moment == u"reminder"_s) {
            // Two reports come while the question waits for an answer.
            QTimer::singleShot(0, this, [&] {
                QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
                launches << launch(john) << launch(anna);
                answerNextBox();
            });
        }
        const std::unique_ptr<frmMain> window = startApplication(platform);
        QVERIFY(window);
        QDialog dialog(window.get());
        QWidget *leaving = nullptr;
        if (moment == u"dialog"_s) {
            dialog.setModal(true);
            dialog.show();
            QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
            launches << launch(john) << launch(anna);
            QTest::qWait(50);
            QCOMPARE(window->birthData().FirstName, std::string());
            dialog.close();
        } else if (moment == u"leaving"_s) {
            window->close();
            QTRY_VERIFY((leaving = QApplication::activeWindow()) != nullptr && leaving != window.get());
            launches << launch(anna);
        }
        for (const Run &run : launches)
            QVERIFY2(run.exitCode == 0, run.errors.constData());
        QTRY_COMPARE(window->birthData().FirstName, std::string("Anna"));
        QVERIFY(window->isVisible());
        if (leaving != nullptr) {
            QVERIFY(leaving->isVisible());
            leaving->close();
        }
    }

    // A running copy that does not answer - stopped, or a process that holds
    // the name and serves nothing - is named as such by the second copy, and
    // a file it was given is not opened when that copy wakes.
    void aRunningCopyThatDoesNotAnswerIsToldApart_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("a stopped copy") << true;
        QTest::newRow("the name held, nothing served") << false;
    }

    void aRunningCopyThatDoesNotAnswerIsToldApart()
    {
        QFETCH(bool, stopped);
        const QTemporaryDir folder;
        const QString john = writeFile(folder, u"john.vlm"_s, kJohn);
        QProcess first;
        QDBusConnection holder = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"holder"_s);
        const auto cleanUp = qScopeGuard([&] {
            if (first.state() != QProcess::NotRunning) {
                ::kill(pid_t(first.processId()), SIGCONT);
                first.kill();
                first.waitForFinished();
            }
            QDBusConnection::disconnectFromBus(u"holder"_s);
        });
        if (stopped) {
            first.start(QCoreApplication::applicationFilePath(), {QLatin1StringView(kFirstCopyArgument)});
            QVERIFY(first.waitForReadyRead(15000));
            QCOMPARE(first.readLine(), QByteArray("ready\n"));
            QVERIFY(::kill(pid_t(first.processId()), SIGSTOP) == 0);
        } else {
            QVERIFY(holder.interface()->registerService(handover::kBusName).isValid());
        }

        velmora::QtPlatform second;
        QString said;
        QTimer::singleShot(0, this, [&] { said = answerNextBox(); });
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!startApplication(second, QFile::encodeName(john)));
        qInfo("the second copy spoke after %lld ms", timer.elapsed());
        QCOMPARE(said, u"Another Copy Is Running But Does Not Answer.\nThe Report Was Not Opened."_s);
        if (!stopped)
            return;
        // Woken, the first copy finds the call of a caller that has left, and
        // opens nothing; a later call, answered, shows that it has read it.
        QVERIFY(::kill(pid_t(first.processId()), SIGCONT) == 0);
        const Run activate = runLauncher(
            u"gdbus"_s, {u"call"_s, u"--session"_s, u"--dest"_s, handover::kBusName, u"--object-path"_s,
                         handover::kObjectPath, u"--method"_s, u"org.freedesktop.Application.Activate"_s, u"{}"_s});
        QVERIFY2(activate.exitCode == 0, activate.errors.constData());
        first.waitForReadyRead(200);
        QCOMPARE(first.readAllStandardOutput(), QByteArray());
    }

    // Addresses that name more than a local file are refused, as other
    // malformed ones are; our own addresses never carry them.
    void refusesAddressesWithMoreThanAFile_data()
    {
        QTest::addColumn<QString>("uri");
        QTest::newRow("query") << u"file:///tmp/mary.vlm?x=1"_s;
        QTest::newRow("empty query") << u"file:///tmp/mary.vlm?"_s;
        QTest::newRow("fragment") << u"file:///tmp/mary.vlm#frag"_s;
        QTest::newRow("query and fragment") << u"file:///tmp/mary.vlm?x=1#frag"_s;
        QTest::newRow("user") << u"file://anna@localhost/tmp/mary.vlm"_s;
        QTest::newRow("user and password") << u"file://anna:secret@/tmp/mary.vlm"_s;
        QTest::newRow("port") << u"file://localhost:8080/tmp/mary.vlm"_s;
    }

    void refusesAddressesWithMoreThanAFile()
    {
        QFETCH(QString, uri);
        QCOMPARE(handover::fileNameOf(uri), std::nullopt);
        QCOMPARE(handover::fileNameOf(handover::fileUri("/tmp/mary.vlm?x=1#frag")),
                 std::optional<QByteArray>("/tmp/mary.vlm?x=1#frag"));
    }

    // An action asked for by a name of 10 MB is refused in a few words.
    void refusesAnActionWithoutRepeatingItsName()
    {
        handover::ApplicationService service;
        QCOMPARE(service.registerOn(QDBusConnection::sessionBus()), handover::ApplicationService::Registration::Owner);
        QDBusConnection caller = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"caller"_s);
        const auto disconnect = qScopeGuard([] { QDBusConnection::disconnectFromBus(u"caller"_s); });
        QDBusMessage call = QDBusMessage::createMethodCall(handover::kBusName, handover::kObjectPath,
                                                           handover::kInterface, u"ActivateAction"_s);
        call << QString(10 * 1024 * 1024, u'x') << QVariantList() << QVariantMap();
        QDBusPendingCall pending = caller.asyncCall(call, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(pending.isFinished(), 20000);
        QCOMPARE(pending.reply().type(), QDBusMessage::ErrorMessage);
        QVERIFY2(pending.reply().errorMessage().size() < 100, qPrintable(pending.reply().errorMessage().left(100)));
    }

    // A bus whose policy denies the program its name: a copy started by a
    // person keeps one copy by the lock file and says why; a copy the bus
    // started to serve the name ends at once, as its service file asks, and
    // the launcher hears so at once.
    void aBusThatRefusesTheNameIsSaidAndNotWaitedOn()
    {
        const QTemporaryDir folder;
        const QString services = folder.filePath(u"services"_s);
        const QString runtime = folder.filePath(u"runtime"_s);
        QVERIFY(QDir().mkpath(services) && QDir().mkdir(runtime));
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile service(QStringLiteral(VELMORA_SERVICE_FILE));
        QVERIFY(service.open(QIODevice::ReadOnly));
        writeFile(folder, u"services/example.orvex.tavivelmora.service"_s,
                  service.readAll().replace("@bindir@/tavi-velmora", VELMORA_PROGRAM));
        QFile base(QStringLiteral(VELMORA_BUS_CONFIG));
        QVERIFY(base.open(QIODevice::ReadOnly));
        const QByteArray denial = "    <deny own=\"" + handover::kBusName.toString().toUtf8() + "\"/>\n  </policy>\n  <servicedir>"
            + QFile::encodeName(services) + "</servicedir>\n";
        const QString config = writeFile(folder, u"bus.conf"_s, base.readAll().replace("  </policy>\n", denial));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        environment.insert(u"XDG_CONFIG_HOME"_s, folder.filePath(u"config"_s));
        environment.insert(u"XDG_CACHE_HOME"_s, folder.filePath(u"cache"_s));
        QProcess bus;
        bus.setProcessEnvironment(environment);
        bus.start(u"dbus-daemon"_s, {u"--config-file="_s + config, u"--nofork"_s, u"--print-address=1"_s});
        QVERIFY(bus.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(bus.readLine().trimmed());
        const auto stopBus = qScopeGuard([&bus] {
            bus.terminate();
            bus.waitForFinished();
        });
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, address);

        QProcess person;
        person.setProcessEnvironment(environment);
        person.start(QStringLiteral(VELMORA_PROGRAM), {});
        QVERIFY(person.waitForStarted());
        const QString lock = runtime + u"/tavi-velmora.lock"_s;
        QTRY_VERIFY_WITH_TIMEOUT(velmora::InstanceLock::isHeld(lock), 15000);
        person.kill();
        person.waitForFinished();
        const QByteArray said = person.readAllStandardError();
        QVERIFY2(said.startsWith("tavi-velmora: the session bus refuses the name example.orvex.tavivelmora (")
                     && said.contains("; a lock file keeps one copy instead\n"),
                 said.constData());

        QProcess launcher;
        launcher.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        launcher.start(u"gdbus"_s, {u"call"_s, u"--session"_s, u"--timeout"_s, u"60"_s, u"--dest"_s,
                                    handover::kBusName, u"--object-path"_s, handover::kObjectPath, u"--method"_s,
                                    u"org.freedesktop.Application.Activate"_s, u"{}"_s});
        QVERIFY(launcher.waitForFinished(70000));
        qInfo("the launcher heard after %lld ms: %s", timer.elapsed(), launcher.readAllStandardError().trimmed().constData());
        QCOMPARE_NE(launcher.exitCode(), 0);
        QCOMPARE_LT(timer.elapsed(), 10000);
        QByteArray busLog;
        QTRY_VERIFY2((busLog += bus.readAllStandardError())
                         .contains("tavi-velmora: the session bus refuses the name example.orvex.tavivelmora ("),
                     busLog.constData());
    }
};

int main(int argc, char *argv[])
{
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    if (argc == 2 && std::strcmp(argv[1], kFirstCopyArgument) == 0) {
        // The running copy, which says on its output each person it opens.
        QApplication application(argc, argv);
        velmora::QtPlatform platform;
        const std::unique_ptr<frmMain> window = startApplication(platform);
        if (!window)
            return 1;
        QTimer watch;
        std::string shown;
        QObject::connect(&watch, &QTimer::timeout, &application, [&] {
            if (window->birthData().FirstName != shown) {
                shown = window->birthData().FirstName;
                std::printf("opened %s\n", shown.c_str());
                std::fflush(stdout);
            }
        });
        watch.start(10);
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        return QApplication::exec();
    }
    QApplication application(argc, argv);
    TestHandoverBus test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_handoverbus.moc"
