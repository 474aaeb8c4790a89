// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "clitest.h"
#include "watchdog.h"

using namespace Qt::StringLiterals;

// Report files read and written by the tool, with the window's refusals and the system's reasons.
class TestCliFiles : public CliTest
{
    Q_OBJECT

private Q_SLOTS:
    void savedReportOpensToTheSameReadings_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("text") << u"text"_s;
        QTest::newRow("json") << u"json"_s;
    }
    void savedReportOpensToTheSameReadings()
    {
        QFETCH(QString, format);
        const QString report = path(u"anna-%1.vlm"_s.arg(format));
        const QStringList person = personArguments(u"Anna"_s, u"Lee"_s, u"Smith"_s, u"1975-09-20"_s);
        const Outcome saved = runCli(QStringList(person) << u"--save"_s << report);
        QCOMPARE(saved.err, QByteArray());
        QCOMPARE(saved.exitCode, 0);
        QCOMPARE(saved.out, QByteArray());
        QVERIFY(QFile::exists(report));

        const Outcome direct = runCli(QStringList(person) << u"--format"_s << format);
        const Outcome opened = runCli({u"--open"_s, report, u"--format"_s, format});
        QCOMPARE(opened.err, QByteArray());
        QCOMPARE(opened.exitCode, 0);
        QCOMPARE(opened.out, direct.out);
        // The window reads the tool's report to the same readings.
        QCOMPARE(windowOpening(report).texts,
                 windowReadings(u"Anna"_s, u"Lee"_s, u"Smith"_s, QDate(1975, 9, 20)).texts);

        // With --format the save also prints.
        const Outcome both = runCli(QStringList(person) << u"--save"_s << report << u"--format"_s << format);
        QCOMPARE(both.exitCode, 0);
        QCOMPARE(both.out, direct.out);
    }

    void openRefusesWhatTheWindowRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray sound = [] {
            QTemporaryDir dir;
            const QString file = dir.filePath(u"sound.vlm"_s);
            runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--save"_s << file);
            QFile report(file);
            return report.open(QIODevice::ReadOnly) ? report.readAll() : QByteArray();
        }();
        QVERIFY(!sound.isEmpty());
        QTest::newRow("sound report named .txt") << u"report.txt"_s << sound << QString();
        QTest::newRow("sound report named .VLM") << u"report.VLM"_s << sound << QString();
        QTest::newRow("empty file") << u"empty.vlm"_s << QByteArray() << QString();
        QTest::newRow("three lines only") << u"short.vlm"_s << sound.left(sound.indexOf("\r\n", 0) + 2).repeated(3)
                                          << QString();
        QTest::newRow("no such file") << u"missing.vlm"_s << QByteArray("-")
                                      << QString::fromLocal8Bit(std::strerror(ENOENT));
        QTest::newRow("fifo") << u"fifo.vlm"_s << QByteArray("fifo") << u"not a regular file"_s;
    }
    // The window keeps its own message; the tool adds the system's reason.
    void openRefusesWhatTheWindowRefuses()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString file = path(name);
        if (content == "fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        } else if (content != "-") {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        const Outcome run = runCli({u"--open"_s, file}, {}, 10000);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(isOneLine(run.err), run.err);
        const QByteArray ending = reason.isEmpty() ? QByteArray(": Please Check The File.\n")
                                                   : ": Please Check The File. (" + reason.toUtf8() + ")\n";
        QVERIFY2(run.err.endsWith(ending), run.err);
        QStringList windowMessages;
        {
            const Watchdog watchdog(10);
            windowOpening(file, &windowMessages);
        }
        QCOMPARE(windowMessages, QStringList{u"Please Check The File."_s});
    }

    // --save and --pdf write by the same rules: what is there is replaced
    // only when it is a regular file, and anything else is left as it was.
    void saveGivesTheSystemsReason_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        const auto system = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
        for (const QString &option : {u"--save"_s, u"--pdf"_s}) {
            const auto row = [&](const char *name) { return &QTest::addRow("%s, %s", qPrintable(option), name); };
            *row("folder that does not exist") << option << u"missing folder"_s << system(ENOENT);
            *row("under a regular file") << option << u"under a file"_s << system(ENOTDIR);
            *row("folder") << option << u"folder"_s << system(EISDIR);
            *row("read-only folder") << option << u"read-only"_s << system(EACCES);
            *row("full disk") << option << u"full"_s << system(ENOSPC);
            *row("fifo") << option << u"fifo"_s << u"not a regular file"_s;
            *row("link to a fifo") << option << u"link to fifo"_s
                                   << (option == u"--pdf"_s ? u"a link to something other than a PDF file"_s
                                                            : u"a link to something other than a report file"_s);
        }
        QTest::newRow("--save, link to a text file") << u"--save"_s << u"link"_s
                                                     << u"a link to something other than a report file"_s;
    }
    void saveGivesTheSystemsReason()
    {
        QFETCH(QString, option);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QTemporaryDir dir;
        QString file = dir.filePath(option == u"--pdf"_s ? u"john.pdf"_s : u"john.vlm"_s);
        const QByteArray bytes = QFile::encodeName(file);
        const QByteArray fifo = QFile::encodeName(dir.filePath(u"pipe"_s));
        bool mounted = false;
        const QString leaf = QFileInfo(file).fileName();
        if (kind == u"missing folder"_s) {
            file = dir.filePath(u"no/such/"_s + leaf);
        } else if (kind == u"under a file"_s) {
            QFile(file).open(QIODevice::WriteOnly);
            file += u'/' + leaf;
        } else if (kind == u"folder"_s) {
            QVERIFY(QDir().mkdir(file));
        } else if (kind == u"read-only"_s) {
            if (::geteuid() == 0)
                QSKIP("root writes into every folder");
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else if (kind == u"full"_s) {
            // A tiny file system, filled up; only root can mount one.
            const QByteArray folder = QFile::encodeName(dir.path());
            if (::geteuid() != 0 || ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=4k") != 0)
                QSKIP("a full file system needs root and tmpfs");
            mounted = true;
            QFile fill(dir.filePath(u"fill"_s));
            QVERIFY(fill.open(QIODevice::WriteOnly));
            fill.write(QByteArray(64 * 1024, 'x'));
        } else if (kind == u"fifo"_s) {
            QVERIFY(::mkfifo(bytes.constData(), 0600) == 0);
        } else if (kind == u"link to fifo"_s) {
            QVERIFY(::mkfifo(fifo.constData(), 0600) == 0 && ::symlink("pipe", bytes.constData()) == 0);
        } else if (kind == u"link"_s) {
            QFile target(dir.filePath(u"target.txt"_s));
            QVERIFY(target.open(QIODevice::WriteOnly) && target.write("keep") == 4);
            QVERIFY(::symlink("target.txt", bytes.constData()) == 0);
        }
        const Outcome run =
            runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << option << file, {}, 30000);
        if (mounted)
            ::umount(QFile::encodeName(dir.path()).constData());
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(isOneLine(run.err), run.err);
        const QByteArray what = option == u"--pdf"_s ? "PDF" : "report";
        QVERIFY2(run.err.endsWith(": cannot write the " + what + " file: " + reason.toUtf8() + "\n"), run.err);
        struct stat info {};
        if (kind == u"fifo"_s)
            QVERIFY(::lstat(bytes.constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        if (kind == u"link to fifo"_s)
            QVERIFY(::lstat(bytes.constData(), &info) == 0 && S_ISLNK(info.st_mode) && ::lstat(fifo.constData(), &info) == 0
                    && S_ISFIFO(info.st_mode));
        if (kind == u"link"_s) {
            QFile target(dir.filePath(u"target.txt"_s));
            QVERIFY(target.open(QIODevice::ReadOnly));
            QCOMPARE(target.readAll(), QByteArray("keep"));
        }
    }

    // A file name that is not UTF-8 is refused: it is never taken for the
    // file whose name holds U+FFFD, which a decoy report here has.
    void fileNamesThatAreNotUtf8AreRefused_data()
    {
        QTest::addColumn<QString>("arguments");
        const QString john = u"--first John --last Smith --date 1980-07-15 "_s;
        QTest::newRow("open") << u"--open \"$(printf '\\377.vlm')\""_s;
        QTest::newRow("open with =") << u"--open=\"$(printf '\\377.vlm')\""_s;
        QTest::newRow("save") << john + u"--save \"$(printf '\\377.vlm')\""_s;
        QTest::newRow("save, another byte") << john + u"--save \"$(printf 'a\\376.vlm')\""_s;
        QTest::newRow("batch input") << u"--batch --input \"$(printf '\\377.vlm')\""_s;
    }
    void fileNamesThatAreNotUtf8AreRefused()
    {
        QFETCH(QString, arguments);
        const QTemporaryDir dir;
        const QString decoy = dir.filePath(u"\ufffd.vlm"_s);
        QVERIFY(runCli(personArguments(u"Anna"_s, QString(), u"Lee"_s, u"1975-09-20"_s) << u"--save"_s << decoy)
                    .exitCode
                == 0);
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        const Outcome run = runCliWithBytes(arguments, dir.path());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(isOneLine(run.err), run.err);
        QVERIFY2(run.err.contains("the file name is not valid UTF-8"), run.err);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        // A name that really holds U+FFFD is valid UTF-8 and opens.
        QCOMPARE(runCli({u"--open"_s, decoy}).exitCode, 0);
    }

    void saveRefusalsLeaveNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("first");
        QTest::newRow("name without vlm") << u"john.txt"_s << u"John"_s;
        QTest::newRow("characters a report cannot hold") << u"omega.vlm"_s << u"\u03a9mega"_s;
        QTest::newRow("folder that does not exist") << u"no/such/folder/john.vlm"_s << u"John"_s;
    }
    void saveRefusalsLeaveNoFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, first);
        const QString file = path(name);
        const Outcome run = runCli(personArguments(first, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--save"_s
                                                                                               << file);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(isOneLine(run.err), run.err);
        QVERIFY(!QFile::exists(file));
    }

    void refusedSaveKeepsTheExistingReport()
    {
        const QString file = path(u"kept.vlm"_s);
        QVERIFY(runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--save"_s << file)
                    .exitCode
                == 0);
        QFile before(file);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray content = before.readAll();
        before.close();
        const Outcome run =
            runCli(personArguments(u"\u03a9mega"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--save"_s << file);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(before.open(QIODevice::ReadOnly));
        QCOMPARE(before.readAll(), content);
    }
};

QTEST_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
