// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFrame>
#include <QTest>

#include "fakeplatform.h"
#include "frmmain.h"
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
