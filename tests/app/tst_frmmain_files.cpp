// SPDX-License-Identifier: MIT
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "mainwindowtest.h"
#include "watchdog.h"

using namespace Qt::StringLiterals;
using velmora::MessageIcon;

// Saving and opening reports through the dialogs, and every file that is refused.
class TestFrmMainFiles : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void savesAndOpensAReport()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(u"john.vlm"_s);
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        QStringList readings;
        for (int k = 0; k < 8; ++k)
            readings << rtb(k)->toPlainText();
        const velmora::BirthData saved = m_window->birthData();

        // What is saved is the data behind the readings, not what the input page holds now.
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        enter(u"Anna"_s, u"Lee"_s, u"Ross"_s, 3, 3, 1999);
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        proceed(); // refused: no names; the input page stays
        m_platform->messages.clear();
        m_window->findChild<QStackedWidget *>(u"pages"_s)->setCurrentIndex(1);
        m_platform->chosenFiles = {file};
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.last(),
                 (velmora::FileDialogRequest{velmora::FileDialogRequest::Mode::Save, u"Velmora"_s,
                                             u"Rich Text Format (*.vlm)"_s, u"vlm"_s, QString()}));
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(QFileInfo::exists(file));

        // Opening fills the readings from the file and leaves the input page alone.
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        enter(u"Lynn"_s, u""_s, u"Wynn"_s, 6, 5, 2001);
        proceed();
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        box(u"txtNameFirst"_s)->setText(u"Typed"_s);
        m_platform->chosenFiles = {file};
        QTest::mouseClick(child<QPushButton>(u"cmdOpen"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.last(),
                 (velmora::FileDialogRequest{velmora::FileDialogRequest::Mode::Open, u"Select the source file"_s,
                                             u"Velmora (*.vlm)"_s, u"vlm"_s, folder.path()}));
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(m_window->birthData() == saved);
        QCOMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
        QCOMPARE(child<QTabBar>(u"TS"_s)->currentIndex(), 0);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(rtb(k)->toPlainText(), readings[k]);
        QCOMPARE(box(u"txtNameFirst"_s)->text(), u"Typed"_s);
    }

    // A dialog that starts in a pseudo file system can hang reading its files:
    // such a folder, or one that is gone, gives way to the documents folder,
    // and is never remembered.
    void reportDialogsStartOnlyInUsableFolders_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("usable");
        QTest::newRow("proc") << u"/proc"_s << false;
        QTest::newRow("a folder in sys") << u"/sys/kernel"_s << false;
        QTest::newRow("dev") << u"/dev"_s << false;
        QTest::newRow("a folder since removed") << u"gone"_s << false;
        QTest::newRow("a regular file") << u"file"_s << false;
        QTest::newRow("a relative path") << u"some/folder"_s << false;
        QTest::newRow("a sound folder") << u"sound"_s << true;
    }
    void reportDialogsStartOnlyInUsableFolders()
    {
        QFETCH(QString, remembered);
        QFETCH(bool, usable);
        QTemporaryDir dir;
        if (remembered == u"gone"_s || remembered == u"file"_s)
            remembered = dir.filePath(remembered);
        else if (remembered == u"sound"_s)
            remembered = dir.path();
        if (remembered.endsWith(u"file"_s))
            QFile(remembered).open(QIODevice::WriteOnly);
        const QPair<QString, QString> key{u"Folders"_s, u"Reports"_s};
        m_platform->settings.insert(key, remembered);
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        m_platform->chosenFiles = {u"/proc/john.vlm"_s};
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.size(), 1);
        QCOMPARE(m_platform->fileRequests[0].folder,
                 usable ? remembered : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(m_platform->settings.value(key), remembered);
    }

    void refusesBadReportsAndChangesNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        const QByteArray sound = "Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nMxo|\r\n4<;3\r\n"; // John Smith
        QTest::newRow("upperCaseExtension") << u"john.VLM"_s << sound;
        QTest::newRow("textFile") << u"john.txt"_s << sound;
        QTest::newRow("threeLines") << u"short.vlm"_s << QByteArray("Mrkq\r\n\r\nVplwk\r\n");
        QTest::newRow("emptyLastName") << u"nolast.vlm"_s << QByteArray("Mrkq\r\n\r\n\r\n7\r\n6\r\nMxo|\r\n4<;3\r\n");
        QTest::newRow("monthThirteen") << u"month.vlm"_s << QByteArray("Mrkq\r\n\r\nVplwk\r\n7\r\n47\r\nMxo|\r\n4<;3\r\n");
        QTest::newRow("missingFile") << u"gone.vlm"_s << QByteArray();
    }

    void refusesBadReportsAndChangesNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString file = folder.filePath(fileName);
        if (!content.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        enter(u"Lee"_s, u""_s, u"Ross"_s, 20, 9, 1975);
        proceed();
        const velmora::BirthData before = m_window->birthData();
        const QString reading = rtb(4)->toPlainText();
        m_window->findChild<QStackedWidget *>(u"pages"_s)->setCurrentIndex(0);

        m_platform->chosenFiles = {file};
        QTest::mouseClick(child<QPushButton>(u"cmdOpen"_s), Qt::LeftButton);
        QCOMPARE(m_platform->messages, oneMessage(MessageIcon::Critical, u"Please Check The File."_s));
        QVERIFY(m_window->birthData() == before);
        QCOMPARE(rtb(4)->toPlainText(), reading);
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
    }

    void cancelledDialogsDoNothing()
    {
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton); // no file chosen: cancel
        QCOMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(u"cmdOpen"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.size(), 2);
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
    }

    void failedSaveSaysSoAndKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const QString blocker = folder.filePath(u"not-a-folder"_s);
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        m_platform->chosenFiles = {blocker + u"/john.vlm"_s};
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
        QCOMPARE(m_platform->messages, oneMessage(MessageIcon::Critical, u"The Reading Could Not Be Saved."_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }

    // Through a link to another kind of file, or onto a FIFO, a save writes
    // nothing and says so.
    void saveOntoALinkOrAFifoIsRefused()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath(u"target.txt"_s);
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        const QString link = folder.filePath(u"evil.vlm"_s);
        const QString fifo = folder.filePath(u"pipe.vlm"_s);
        QVERIFY(QFile::link(target, link));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        for (const QString &name : {link, fifo}) {
            m_platform->messages.clear();
            m_platform->chosenFiles = {name};
            {
                const Watchdog watchdog(5);
                QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
            }
            QCOMPARE(m_platform->messages, oneMessage(MessageIcon::Critical, u"The Reading Could Not Be Saved."_s));
        }
        QVERIFY(QFileInfo(link).isSymLink());
        struct stat info {};
        QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }
};

QTEST_MAIN(TestFrmMainFiles)
#include "tst_frmmain_files.moc"
