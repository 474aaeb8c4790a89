// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <future>

#include "fakeplatform.h"
#include "commandline.h"
#include "frmmain.h"
#include "reporthandover.h"
#include "scrambler.h"
#include "startup.h"
#include "updatereminder.h"

using namespace Qt::StringLiterals;
using velmora::MessageAnswer;

namespace {

const QString kStoredKey = velmora::ScrambleText(u"Duration"_s);
const QString kDownloadPage = u"https://www.tavi-velmora.example/download-tavi-free-velmora.html"_s;
const velmora::Message kReminderQuestion{velmora::MessageIcon::Information,
                                         u"There maybe an update to this software available\rDo you want to check "
                                         "for an update?"_s,
                                         u"Tavi Velmora"_s, velmora::MessageButtons::YesNo};

// John Smith, born 4 March 1980.
const QByteArray kSoundReport = "Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n";

QString writeFile(const QTemporaryDir &folder, const QString &name, const QByteArray &content)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

bool onResultPage(const frmMain &window)
{
    const auto *pages = window.findChild<QStackedWidget *>(u"pages"_s);
    return pages->currentWidget()->objectName() == u"fraResult"_s;
}

QString storedDate(FakePlatform &platform)
{
    return velmora::UnscrambleText(platform.settings.value({u"Settings"_s, kStoredKey}));
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void remindsAtMostEveryFifteenDays_data()
    {
        QTest::addColumn<QString>("stored"); // unscrambled; empty: nothing stored
        QTest::addColumn<bool>("asks");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("opensDownloadPage");

        const int yes = int(MessageAnswer::Yes);
        const int no = int(MessageAnswer::No);
        // Today is 2026-12-08 in the fake.
        QTest::newRow("firstRun") << "" << false << no << "2026-12-08" << false;
        QTest::newRow("sameDay") << "2026-12-08" << false << no << "2026-12-08" << false;
        QTest::newRow("fourteenDaysAgo") << "2026-11-24" << false << no << "2026-11-24" << false;
        QTest::newRow("fifteenDaysAgoYes") << "2026-11-23" << true << yes << "2026-12-08" << true;
        QTest::newRow("fifteenDaysAgoNo") << "2026-11-23" << true << no << "2026-12-08" << false;
        QTest::newRow("fourteenDaysAhead") << "2026-12-22" << false << no << "2026-12-22" << false;
        QTest::newRow("farFuture") << "2030-01-01" << true << no << "2026-12-08" << false;
        QTest::newRow("yearsAgo") << "1999-05-17" << true << yes << "2026-12-08" << true;
        // A value that reads as no date starts the count afresh.
        QTest::newRow("unreadable") << "soon" << false << no << "2026-12-08" << false;
    }

    void remindsAtMostEveryFifteenDays()
    {
        QFETCH(QString, stored);
        QFETCH(bool, asks);
        QFETCH(int, answer);
        QFETCH(QString, storedAfter);
        QFETCH(bool, opensDownloadPage);

        FakePlatform platform;
        if (!stored.isEmpty())
            platform.settings.insert({u"Settings"_s, kStoredKey}, velmora::ScrambleText(stored));
        platform.answers = {MessageAnswer(answer)};
        velmora::CheckForUpdateReminder(platform);

        QCOMPARE(platform.messages, asks ? QList<velmora::Message>{kReminderQuestion} : QList<velmora::Message>{});
        QCOMPARE(storedDate(platform), storedAfter);
        QCOMPARE(platform.openedUrls, opensDownloadPage ? QList<QUrl>{QUrl(kDownloadPage)} : QList<QUrl>{});
        // Neither the key nor the date is stored in plain text.
        QVERIFY(!platform.settings.contains({u"Settings"_s, u"Duration"_s}));
        QVERIFY(!platform.settings.value({u"Settings"_s, kStoredKey}).contains(u"2026"_s));
    }

    void readsTheLocaleShortDate()
    {
        const QDate date(2026, 11, 1);
        QCOMPARE(velmora::readReminderDate(QLocale::system().toString(date, QLocale::ShortFormat)).month(), 11);
        QCOMPARE(velmora::readReminderDate(u"2026-11-01"_s), date);
        QVERIFY(!velmora::readReminderDate(u"31/31/31"_s).isValid());
    }

    void refusesASecondCopy()
    {
        FakePlatform platform;
        platform.singleInstance = false;
        const std::unique_ptr<frmMain> window = startApplication(platform);
        QVERIFY(!window);
        const velmora::Message refusal{velmora::MessageIcon::Information, u"Application is already running"_s,
                                       u"Tavi Velmora"_s};
        QCOMPARE(platform.messages, QList<velmora::Message>{refusal});
        QCOMPARE(platform.quits, 1);
        QCOMPARE(platform.seeds, 0);
        QVERIFY(platform.settings.isEmpty());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");
        const int run = int(velmora::CommandLine::Action::Run);
        const int help = int(velmora::CommandLine::Action::Help);
        const int version = int(velmora::CommandLine::Action::Version);
        const int error = int(velmora::CommandLine::Action::Error);
        QTest::newRow("nothing") << QStringList{} << run << QString();
        QTest::newRow("a report") << QStringList{u"a.vlm"_s} << run << u"a.vlm"_s;
        QTest::newRow("help after a file") << QStringList{u"a.vlm"_s, u"--help"_s} << help << QString();
        QTest::newRow("help among Qt's options") << QStringList{u"-platform"_s, u"xcb"_s, u"-h"_s} << help << QString();
        QTest::newRow("version") << QStringList{u"-v"_s} << version << QString();
        QTest::newRow("after --, a file") << QStringList{u"--"_s, u"--help"_s} << run << u"--help"_s;
        QTest::newRow("unknown option") << QStringList{u"--colour"_s} << error << QString();
        QTest::newRow("two files") << QStringList{u"a.vlm"_s, u"b.vlm"_s} << error << QString();
        QTest::newRow("two files, one after --") << QStringList{u"a.vlm"_s, u"--"_s, u"b.vlm"_s} << error << QString();
        QTest::newRow("a lone dash is a file name") << QStringList{u"-"_s} << run << u"-"_s;
    }

    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, file);
        const velmora::CommandLine line = velmora::parseCommandLine(QStringList{u"tavi-velmora"_s} + arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.reportFile, file);
        QCOMPARE(line.error.isEmpty(), action != int(velmora::CommandLine::Action::Error));
    }

    void opensAReportGivenAtStartUp_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("sound") << kSoundReport << u"john.vlm"_s << true;
        QTest::newRow("upper-case extension") << kSoundReport << u"john.VLM"_s << false;
        QTest::newRow("three lines") << QByteArray("Mrkq\r\n\r\nVplwk\r\n") << u"short.vlm"_s << false;
    }

    void opensAReportGivenAtStartUp()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(bool, opens);
        QTemporaryDir folder;
        FakePlatform platform;
        const std::unique_ptr<frmMain> window = startApplication(platform, writeFile(folder, name, content));
        QVERIFY(window);
        QCOMPARE(onResultPage(*window), opens);
        QCOMPARE(window->birthData().LastName, opens ? std::string("Smith") : std::string());
        const QList<velmora::Message> refusal{
            {velmora::MessageIcon::Critical, u"Please Check The File."_s, u"Tavi Velmora"_s}};
        QCOMPARE(platform.messages, opens ? QList<velmora::Message>{} : refusal);
        QVERIFY(platform.handedOver.isEmpty());
    }

    void secondCopyHandsItsReportOver_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("refuses");
        QTest::newRow("taken") << u"/tmp/a.vlm"_s << true << false;
        QTest::newRow("not taken") << u"/tmp/a.vlm"_s << false << true;
        QTest::newRow("no file") << QString() << true << true;
    }

    void secondCopyHandsItsReportOver()
    {
        QFETCH(QString, file);
        QFETCH(bool, taken);
        QFETCH(bool, refuses);
        FakePlatform platform;
        platform.singleInstance = false;
        platform.runningCopyTakesReports = taken;
        QVERIFY(!startApplication(platform, file));
        QCOMPARE(platform.handedOver, file.isEmpty() ? QStringList{} : QStringList{file});
        const velmora::Message refusal{velmora::MessageIcon::Information, u"Application is already running"_s,
                                       u"Tavi Velmora"_s};
        QCOMPARE(platform.messages, refuses ? QList<velmora::Message>{refusal} : QList<velmora::Message>{});
        QCOMPARE(platform.quits, refuses ? 1 : 0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void runningCopyOpensHandedOverReports()
    {
        QTemporaryDir folder;
        FakePlatform platform;
        const std::unique_ptr<frmMain> window = startApplication(platform);
        QVERIFY(platform.reportReceiver);
        QVERIFY(!onResultPage(*window));
        window->showMinimized();
        QVERIFY(platform.reportReceiver(writeFile(folder, u"john.vlm"_s, kSoundReport)));
        QTRY_VERIFY(onResultPage(*window));
        QVERIFY(!window->isMinimized());
        QCOMPARE(window->birthData().FirstName, std::string("John"));
        // A closing window takes nothing; the other copy then says that this one runs.
        window->hide();
        QVERIFY(!platform.reportReceiver(folder.filePath(u"john.vlm"_s)));
    }

    // The real socket: a copy that listens, a copy that sends from another thread.
    void handOverReachesTheListeningCopy_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<bool>("takes");
        QTest::addColumn<bool>("staleSocket");
        QTest::newRow("taken") << true << true << false;
        QTest::newRow("refused") << true << false << false;
        QTest::newRow("left by a crashed copy") << true << true << true;
        QTest::newRow("nobody listens") << false << true << false;
    }

    void handOverReachesTheListeningCopy()
    {
        QFETCH(bool, listening);
        QFETCH(bool, takes);
        QFETCH(bool, staleSocket);
        QTemporaryDir folder;
        const QString name = folder.filePath(u"test.handover"_s);
        if (staleSocket)
            writeFile(folder, u"test.handover"_s, "left behind");
        QStringList received;
        velmora::ReportHandover server(name, [&](const QString &file) {
            received << file;
            return takes;
        });
        if (listening)
            QVERIFY(server.listen());
        const QString workingFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        auto answer = std::async(std::launch::async, [name] { return velmora::ReportHandover::send(name, u"a.vlm"_s, 3000); });
        QTRY_VERIFY_WITH_TIMEOUT(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 5000);
        QDir::setCurrent(workingFolder);
        QCOMPARE(answer.get(), listening && takes);
        // The running copy gets an absolute path: the two copies' working folders differ.
        QCOMPARE(received, listening ? QStringList{folder.filePath(u"a.vlm"_s)} : QStringList{});
    }

    void startsWithReminderThenWindowThenPromotion()
    {
        FakePlatform platform;
        platform.settings.insert({u"Settings"_s, kStoredKey}, velmora::ScrambleText(u"2026-01-01"_s));
        platform.randomValues = {0.1}; // 1.6 -> 2: the fully branded offer
        const std::unique_ptr<frmMain> window = startApplication(platform);
        QVERIFY(window);
        QCOMPARE(platform.seeds, 1);
        QCOMPARE(platform.messages, QList<velmora::Message>{kReminderQuestion});
        QCOMPARE(platform.visibleWindowsAtMessages, QList<int>{0});
        QCOMPARE(storedDate(platform), u"2026-12-08"_s);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), u"Tavi Velmora v1.0"_s);
        auto *strip = window->findChild<QFrame *>(u"fraFullBrand"_s);
        QCOMPARE(strip->childAt(strip->rect().center())->objectName(), u"lblFullBrand"_s);
        QVERIFY(platform.randomValues.empty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
