// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QStandardPaths>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

#include "fakeplatform.h"
#include "commandline.h"
#include "frmmain.h"
#include "scrambler.h"
#include "startup.h"
#include "updatereminder.h"

using namespace Qt::StringLiterals;
using velmora::MessageAnswer;

Q_DECLARE_METATYPE(velmora::HandOver)

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
    // Settings and standard folders stay away from the user's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
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
        velmora::CheckForUpdateReminder(platform, platform, platform, platform);

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

    // The report file keeps the bytes of its name, whatever Qt's text makes
    // of them; options and "--" are not taken for it.
    void keepsTheBytesOfTheReportFileName_data()
    {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("byte 0xFF") << QList<QByteArray>{"bad\xff.vlm"} << QByteArray("bad\xff.vlm");
        QTest::newRow("line break") << QList<QByteArray>{"a.vlm\nb.vlm"} << QByteArray("a.vlm\nb.vlm");
        QTest::newRow("after --") << QList<QByteArray>{"--", "--"} << QByteArray("--");
        QTest::newRow("none") << QList<QByteArray>{} << QByteArray();
    }

    void keepsTheBytesOfTheReportFileName()
    {
        QFETCH(QList<QByteArray>, arguments);
        QFETCH(QByteArray, file);
        std::vector<const char *> argv{"tavi-velmora"};
        for (const QByteArray &argument : arguments)
            argv.push_back(argument.constData());
        const velmora::CommandLine line = velmora::parseCommandLine(int(argv.size()), argv.data());
        QCOMPARE(int(line.action), int(velmora::CommandLine::Action::Run));
        QCOMPARE(line.nativeReportFile, file);
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
        const std::unique_ptr<frmMain> window =
            startApplication(platform, QFile::encodeName(writeFile(folder, name, content)));
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
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<velmora::HandOver>("answer");
        QTest::addColumn<QString>("says"); // empty: nothing
        QTest::addColumn<bool>("starts");
        const QString running = u"Application is already running"_s;
        const QString silent = u"Another Copy Is Running But Does Not Answer."_s;
        const QByteArray file("/tmp/a.vlm");
        QTest::newRow("taken") << file << velmora::HandOver::Taken << QString() << false;
        QTest::newRow("not taken") << file << velmora::HandOver::Refused << running << false;
        // Given no file, the running copy is asked to come to the front, and
        // the second copy still says that it runs.
        QTest::newRow("no file") << QByteArray() << velmora::HandOver::Taken << running << false;
        // Stopped, hung, or a process that holds the name and serves nothing.
        QTest::newRow("no answer") << file << velmora::HandOver::NoAnswer << silent + u"\rThe Report Was Not Opened."_s
                                   << false;
        QTest::newRow("no answer, no file") << QByteArray() << velmora::HandOver::NoAnswer << silent << false;
        // The running copy ended in between: this copy starts with the file.
        QTest::newRow("running copy gone") << file << velmora::HandOver::NoRunningCopy << QString() << true;
    }

    void secondCopyHandsItsReportOver()
    {
        QFETCH(QByteArray, file);
        QFETCH(velmora::HandOver, answer);
        QFETCH(QString, says);
        QFETCH(bool, starts);
        FakePlatform platform;
        platform.singleInstance = starts;
        platform.instanceClaims = {false};
        platform.handOverAnswer = answer;
        const std::unique_ptr<frmMain> window = startApplication(platform, file);
        QCOMPARE(bool(window), starts);
        QCOMPARE(platform.handedOver, QList<QByteArray>{file});
        QList<velmora::Message> messages;
        if (!says.isEmpty()) {
            const bool silent = answer == velmora::HandOver::NoAnswer;
            messages << velmora::Message{silent ? velmora::MessageIcon::Critical : velmora::MessageIcon::Information,
                                         says, u"Tavi Velmora"_s};
        } else if (starts) {
            messages << velmora::Message{velmora::MessageIcon::Critical, u"Please Check The File."_s, u"Tavi Velmora"_s};
        }
        QCOMPARE(platform.messages, messages);
        QCOMPARE(platform.quits, says.isEmpty() ? 0 : 1);
        QCOMPARE(QApplication::topLevelWidgets().isEmpty(), !starts);
    }

    // Any Linux file name opens, at start-up and handed over: the bytes of the
    // name, not Qt's text for them, name the file.
    void opensExactlyTheFileNamed_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("handedOver");
        for (const bool handedOver : {false, true}) {
            const char *how = handedOver ? "handed over" : "at start-up";
            QTest::addRow("plain, %s", how) << QByteArray("john.vlm") << handedOver;
            QTest::addRow("line break, %s", how) << QByteArray("alice.vlm\nbob.vlm") << handedOver;
            QTest::addRow("byte 0xFF, %s", how) << QByteArray("bad\xff.vlm") << handedOver;
        }
    }

    void opensExactlyTheFileNamed()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, handedOver);
        QTemporaryDir folder;
        const QByteArray path = QFile::encodeName(folder.path()) + '/' + name;
        QFile file;
        const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        QVERIFY(descriptor >= 0 && file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        // QTemporaryDir cannot name a file that is not UTF-8 to remove it.
        const auto remove = qScopeGuard([&path] { ::unlink(path.constData()); });
        QVERIFY(file.write(kSoundReport) == kSoundReport.size());
        file.close();
        // Where Qt's text would lead: a different person, which must not open.
        const QByteArray lossy = QFile::encodeName(QFile::decodeName(path));
        const QByteArray firstLine = path.left(path.indexOf('\n'));
        for (const QByteArray &decoy : {lossy, firstLine}) {
            if (decoy != path && decoy.endsWith("vlm")) {
                QFile other(QFile::decodeName(decoy));
                QVERIFY(other.open(QIODevice::WriteOnly));
                other.write("Dqqd\r\n\r\nOhh\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n");
            }
        }

        FakePlatform platform;
        const std::unique_ptr<frmMain> window = startApplication(platform, handedOver ? QByteArray() : path);
        QVERIFY(window);
        if (handedOver)
            QVERIFY(platform.reportReceiver(path));
        QTRY_VERIFY(onResultPage(*window));
        QCOMPARE(window->birthData().FirstName, std::string("John"));
        QCOMPARE(platform.messages, QList<velmora::Message>{});
    }

    void runningCopyOpensHandedOverReports()
    {
        QTemporaryDir folder;
        FakePlatform platform;
        const std::unique_ptr<frmMain> window = startApplication(platform);
        QVERIFY(platform.reportReceiver);
        QVERIFY(!onResultPage(*window));
        window->showMinimized();
        const QByteArray john = QFile::encodeName(writeFile(folder, u"john.vlm"_s, kSoundReport));
        QVERIFY(platform.reportReceiver(john));
        QTRY_VERIFY(onResultPage(*window));
        QVERIFY(!window->isMinimized());
        QCOMPARE(window->birthData().FirstName, std::string("John"));
        // While the tell-a-friend window is up, a report brings the main
        // window back with it; the tell-a-friend window stays.
        const auto othersShown = [&window] {
            const QWidgetList shown = QApplication::topLevelWidgets();
            return std::count_if(shown.begin(), shown.end(),
                                 [&window](const QWidget *w) { return w != window.get() && w->isVisible(); });
        };
        window->close();
        QTRY_COMPARE(othersShown(), 1);
        QVERIFY(!window->isVisible());
        const QByteArray anna = QFile::encodeName(writeFile(folder, u"anna.vlm"_s, "Dqqd\r\n\r\nOhh\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n"));
        QVERIFY(platform.reportReceiver(anna));
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(window->birthData().FirstName, std::string("Anna"));
        QCOMPARE(othersShown(), 1);
        QCOMPARE(platform.quits, 0);
        for (QWidget *other : QApplication::topLevelWidgets()) {
            if (other != window.get() && other->isVisible())
                other->close();
        }
    }

    // A report handed over while a box or dialog is open waits for it to
    // close, and of several that came meanwhile the last one opens; reports
    // that come together open once, the last one.
    void handOversWaitForTheOpenDialog()
    {
        QTemporaryDir folder;
        FakePlatform platform;
        const std::unique_ptr<frmMain> window = startApplication(platform);
        const QByteArray bad = QFile::encodeName(writeFile(folder, u"bad.vlm"_s, "not a report"));
        const QByteArray john = QFile::encodeName(writeFile(folder, u"john.vlm"_s, kSoundReport));
        for (int k = 0; k < 8; ++k)
            QVERIFY(platform.reportReceiver(bad));
        QTRY_COMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.constFirst().text, u"Please Check The File."_s);
        QDialog dialog(window.get());
        dialog.setModal(true);
        dialog.show();
        QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
        QVERIFY(platform.reportReceiver(bad));
        QVERIFY(platform.reportReceiver(john));
        QVERIFY(platform.reportReceiver(QByteArray())); // coming to the front is never put off
        QCoreApplication::processEvents();
        QVERIFY(!onResultPage(*window));
        dialog.close();
        QTRY_VERIFY(onResultPage(*window));
        QCOMPARE(window->birthData().FirstName, std::string("John"));
        QCOMPARE(platform.messages.size(), 1);
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
