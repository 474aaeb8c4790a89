// SPDX-License-Identifier: MIT
// What the tool writes, on the real file system: no output replaces an input
// or another output, a file goes through a link only to a file of its own
// kind, a failed write gives the system's reason, and the worst inputs run
// in bounded memory.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

#include "clirun.h"

using namespace Qt::StringLiterals;

namespace {

// Runs a shell command line in the folder, the tool as "$CLI".
CliRun runShell(const QString &folder, const QString &command, int timeoutMs = 60000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"CLI"_s, QStringLiteral(VELMORA_CLI_PATH));
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(u"bash"_s, {u"-c"_s, command});
    return finishRun(process, {}, timeoutMs);
}

QByteArray contents(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(absent)");
}

const QString kAnna = u"--first Anna --last Smith --date 1975-09-20"_s;

} // namespace

class TestCliOutputs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    // A folder with a report, a list of variants and a batch.
    QString freshFolder(const char *name)
    {
        const QString folder = m_folder.filePath(QString::fromLatin1(name).replace(u' ', u'_'));
        QDir().mkpath(folder + u"/sub"_s);
        const CliRun saved = runShell(folder, u"\"$CLI\" "_s + kAnna + u" --save anna.vlm && cp anna.vlm m.vlm"_s);
        QFile variants(folder + u"/v.csv"_s);
        variants.open(QIODevice::WriteOnly);
        variants.write("first,last,date\nAnn,Lee,1990-05-17\n");
        return saved.exitCode == 0 ? folder : QString();
    }

private Q_SLOTS:
    // Refused before anything is written, naming both files; the input (or
    // the first output) stays byte for byte, and the second is not made.
    void anOutputThatIsAnotherFileOfTheRunIsRefused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("absent");
        QTest::addColumn<QStringList>("named");
        const QString person = u"\"$CLI\" "_s + kAnna;
        QTest::newRow("PDF over the report read") << u"\"$CLI\" --open anna.vlm --pdf anna.vlm"_s << u"anna.vlm"_s
                                                  << QString() << QStringList{u"--pdf anna.vlm"_s, u"--open anna.vlm"_s};
        QTest::newRow("calendar over the report read")
            << u"\"$CLI\" --open anna.vlm --calendar 2027-03 --ics anna.vlm"_s << u"anna.vlm"_s << QString()
            << QStringList{u"--ics anna.vlm"_s, u"--open anna.vlm"_s};
        QTest::newRow("PDF over the variants read") << u"\"$CLI\" --variants v.csv --pdf v.csv"_s << u"v.csv"_s
                                                    << QString() << QStringList{u"--pdf v.csv"_s, u"--variants v.csv"_s};
        QTest::newRow("PDF over the report saved") << person + u" --save m.vlm --pdf m.vlm"_s << u"m.vlm"_s
                                                   << QString() << QStringList{u"--pdf m.vlm"_s, u"--save m.vlm"_s};
        QTest::newRow("calendar and PDF into one new file")
            << person + u" --calendar 2027-03 --ics F --pdf F"_s << QString() << u"F"_s
            << QStringList{u"--ics F"_s, u"--pdf F"_s};
        QTest::newRow("one new file by two paths")
            << person + u" --calendar 2027-03 --ics out.ics --pdf sub/../out.ics"_s << QString() << u"out.ics"_s
            << QStringList{u"--pdf sub/../out.ics"_s, u"--ics out.ics"_s};
        QTest::newRow("symbolic link to the report read")
            << u"ln -s anna.vlm link.pdf && \"$CLI\" --open anna.vlm --pdf link.pdf"_s << u"anna.vlm"_s << QString()
            << QStringList{u"--pdf link.pdf"_s, u"--open anna.vlm"_s};
        QTest::newRow("hard link to the variants read")
            << u"ln v.csv hard.pdf && \"$CLI\" --variants v.csv --pdf hard.pdf"_s << u"v.csv"_s << QString()
            << QStringList{u"--pdf hard.pdf"_s, u"--variants v.csv"_s};
        QTest::newRow("compared report") << u"\"$CLI\" --compare anna.vlm m.vlm --format json >> anna.vlm"_s
                                         << u"anna.vlm"_s << QString()
                                         << QStringList{u"standard output"_s, u"--compare anna.vlm"_s};
        QTest::newRow("batch printed onto its input") << u"\"$CLI\" --batch --input v.csv >> v.csv"_s << u"v.csv"_s
                                                      << QString() << QStringList{u"standard output"_s, u"--input v.csv"_s};
        QTest::newRow("variants read from standard input")
            << u"\"$CLI\" --variants - --pdf v.csv < v.csv"_s << u"v.csv"_s << QString()
            << QStringList{u"--pdf v.csv"_s, u"standard input"_s};
        QTest::newRow("a PDF under a report's name") << person + u" --pdf new.vlm"_s << QString() << u"new.vlm"_s
                                                     << QStringList{u"--pdf new.vlm"_s, u"only a report"_s};
    }
    void anOutputThatIsAnotherFileOfTheRunIsRefused()
    {
        QFETCH(QString, command);
        QFETCH(QString, kept);
        QFETCH(QString, absent);
        QFETCH(QStringList, named);
        const QString folder = freshFolder(QTest::currentDataTag());
        QVERIFY(!folder.isEmpty());
        const QByteArray before = kept.isEmpty() ? QByteArray() : contents(folder + u'/' + kept);
        const CliRun run = runShell(folder, command);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.count('\n') == 1, run.err.constData());
        for (const QString &name : named)
            QVERIFY2(QString::fromUtf8(run.err).contains(name), run.err.constData());
        if (!kept.isEmpty())
            QCOMPARE(contents(folder + u'/' + kept), before);
        if (!absent.isEmpty())
            QVERIFY(!QFile::exists(folder + u'/' + absent));
    }

    // A link is followed only to a regular file of the output's own kind, as a
    // report is saved; anything else is refused and left as it was.
    void aLinkLeadsOnlyToAFileOfItsKind_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("starts");
        const QString pdf = u"--pdf"_s;
        const QString ics = u"--calendar 2027-03 --ics"_s;
        QTest::newRow("PDF to a PDF") << pdf << u"old.pdf"_s << "%PDF-"_ba;
        QTest::newRow("PDF to a text") << pdf << u"notes.txt"_s << QByteArray();
        QTest::newRow("PDF to a report") << pdf << u"anna.vlm"_s << QByteArray();
        QTest::newRow("calendar to a calendar") << ics << u"old.ics"_s << "BEGIN:VCALENDAR"_ba;
        QTest::newRow("calendar to a PDF") << ics << u"old.pdf"_s << QByteArray();
    }
    void aLinkLeadsOnlyToAFileOfItsKind()
    {
        QFETCH(QString, option);
        QFETCH(QString, target);
        QFETCH(QByteArray, starts);
        const QString folder = freshFolder(QTest::currentDataTag());
        QVERIFY(!folder.isEmpty());
        if (!target.endsWith(u"vlm"_s)) {
            QFile file(folder + u'/' + target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        }
        const QByteArray before = contents(folder + u'/' + target);
        const CliRun run = runShell(folder, u"ln -s %1 out && \"$CLI\" %2 %3 out"_s.arg(target, kAnna, option));
        QVERIFY(QFileInfo(folder + u"/out"_s).isSymLink());
        if (starts.isEmpty()) {
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(": a link to something other than a "), run.err.constData());
            QCOMPARE(contents(folder + u'/' + target), before);
        } else {
            QCOMPARE(run.exitCode, 0);
            QVERIFY(contents(folder + u'/' + target).startsWith(starts));
        }
    }

    // A write the system refuses part way (here a file size limit, as a full
    // disk would) is named by the system's reason, and nothing is left behind.
    void aFailedWriteGivesTheSystemsReason_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("kilobytes"); // the largest file; a write past it fails
        QTest::newRow("report") << u"--save out.vlm"_s << u"report file"_s << 0;
        // Past the first kilobyte, where the write goes on from Qt's buffer to the system.
        QTest::newRow("PDF") << u"--pdf out.pdf"_s << u"PDF file"_s << 1;
        QTest::newRow("calendar") << u"--calendar 2027 --ics out.ics"_s << u"calendar file"_s << 1;
    }
    void aFailedWriteGivesTheSystemsReason()
    {
        QFETCH(QString, options);
        QFETCH(QString, kind);
        QFETCH(int, kilobytes);
        const QTemporaryDir folder;
        // Ignored, the signal leaves the write to fail with EFBIG.
        const CliRun run = runShell(folder.path(), u"trap '' XFSZ; ulimit -f %3; \"$CLI\" %1 %2"_s.arg(
                                                       kAnna, options, QString::number(kilobytes)));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(QString::fromUtf8(run.err), u"tavi-velmora-cli: out.%1: cannot write the %2: %3\n"_s.arg(
                                                  options.right(3), kind, QString::fromLocal8Bit(strerror(EFBIG))));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A name's controls and direction marks reach no terminal, calendar or
    // viewer as they are: each shows as '?'.
    void namesReachNoViewerRaw_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<QByteArray>("raw");
        QTest::newRow("calendar titles")
            << u"\"$CLI\" --first \"$(printf 'Ma\\302\\205ry\\342\\200\\256')\" --last Lee --date 1990-01-01 "
               "--calendar 2027-03-01 --ics - --ics-name"_s
            << "SUMMARY:Ma?ry?: Personal Day"_ba << "\xc2\x85"_ba;
        QTest::newRow("variants table")
            << u"printf 'first,last\\nMa\\233ry,Lee\\nAnn\\342\\201\\246x,Lee\\n' | "
               "\"$CLI\" --variants - --date 1990-01-01"_s
            << "Ann?x Lee"_ba << "Ma\x9bry"_ba;
        QTest::newRow("comparison")
            << u"\"$CLI\" --compare \"$(printf 'Ma\\302\\233ry\\342\\200\\256'),,Lee,1990-01-01\" Ann,,Lee,1990-01-01"_s
            << "Ma?ry? Lee, born"_ba << "\xe2\x80\xae"_ba;
        QTest::newRow("standard error") << u"\"$CLI\" --open \"$(printf 'x\\342\\200\\256y.vlm')\""_s
                                        << "x?y.vlm"_ba << "\xe2\x80\xae"_ba;
        QTest::newRow("PDF title") << u"\"$CLI\" --first \"$(printf 'Ma\\033ry\\a')\" --last Lee --date 1990-01-01 "
                                      "--pdf - | pdfinfo -"_s
                                   << "Velmora readings: Ma?ry? Lee"_ba << "\x1b"_ba;
    }
    void namesReachNoViewerRaw()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, shown);
        QFETCH(QByteArray, raw);
        const QTemporaryDir folder;
        const CliRun run = runShell(folder.path(), command);
        const QByteArray written = run.out + run.err;
        QVERIFY2(written.contains(shown), written.left(2000).constData());
        QVERIFY(!written.contains(raw));
    }

    // Under a 256 MB address space: a name too long for the variants is
    // refused at once; 10,000 variants with names at the limit (in
    // characters of four bytes each) and a calendar whose titles name a
    // person of a 120,000-letter name are written, within 64 bytes of output
    // per byte of input beyond what they document.
    void theWorstInputsRunInBoundedMemory_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<qint64>("largestOutput");
        const QString cli = u"ulimit -v 262144; \"$CLI\""_s;
        const QString longName = u"$(printf 'A%.0s' {1..120000})"_s;
        const QString lastNames = u"$(printf 'S%sth|' {a..j}{a..j})"_s;
        QTest::newRow("one long first name, 100 last names")
            << cli + u" --first \"%1\" --last \"%2\" --date 1990-05-17"_s.arg(longName, lastNames + u"Smith"_s)
            << 2 << qint64(0);
        const QString limit = u"python3 -c \"import sys; sys.stdout.write('first,last,date\\n' + ''.join("
                              "'\\U0001F600' * 500 + '%04d,' % i + '\\U0001F600' * 496 + ',1990-05-17\\n' "
                              "for i in range(10000)))\" > v.csv && "_s;
        QTest::newRow("10,000 names at the limit, text") << limit + cli + u" --variants v.csv"_s << 0
                                                         << qint64(2'000'000);
        QTest::newRow("10,000 names at the limit, JSON") << limit + cli + u" --variants v.csv --format json"_s
                                                         << 0 << qint64(45'000'000);
        QTest::newRow("10,000 names at the limit, PDF") << limit + cli + u" --variants v.csv --pdf out.pdf"_s << 0
                                                        << qint64(0);
        QTest::newRow("calendar titles with a long name")
            << cli + u" --first \"%1\" --last Lee --date 1990-05-17 --calendar 2027-01-01:2036-12-31 --ics-name "
                     "--ics -"_s.arg(longName)
            << 0 << qint64(2'000'000);
    }
    void theWorstInputsRunInBoundedMemory()
    {
        QFETCH(QString, command);
        QFETCH(int, status);
        QFETCH(qint64, largestOutput);
        if (qEnvironmentVariable("VELMORA_WORST_INPUTS") == u"skip"_s)
            QSKIP("the quick suite: tst_cli_outputs_long runs the worst inputs");
#ifdef __SANITIZE_ADDRESS__
        QSKIP("AddressSanitizer reserves far more address space than the limit gives");
#endif
        const QTemporaryDir folder;
        const CliRun run = runShell(folder.path(), command, 120000);
        QVERIFY2(run.exitCode == status, run.err.left(500).constData());
        QVERIFY2(run.out.size() <= largestOutput, QByteArray::number(run.out.size()).constData());
    }
};

QTEST_GUILESS_MAIN(TestCliOutputs)
#include "tst_cli_outputs.moc"
