// SPDX-License-Identifier: MIT
// The batch as a process: input that names the batch's own columns, an
// output that refuses writes, and inputs that never end.
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "clirun.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kOutputHeader =
    "destiny,personality,soul_urge,realization,pinnacle1,pinnacle2,pinnacle3,pinnacle4,hidden_passion,"
    "subconscious_self,attitude,life_path,birthday,challenge1,challenge2,challenge3,challenge4,personal_year,"
    "karmic_lessons,karmic_debts,inclusion";

// Runs the tool and writes the start and then the pattern, again and again,
// to its standard input, until it ends, its standard error holds the text
// awaited, or the time is up; then it is killed (exit code -1) if it still runs.
CliRun runFed(const QStringList &arguments, const QByteArray &start, const QByteArray &pattern, int timeoutMs,
              const QByteArray &awaited = {}, const QString &outputFile = {})
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(VELMORA_CLI_PATH), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(start);
    QByteArray block;
    while (block.size() < 64 * 1024)
        block += pattern;
    CliRun run;
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        if (process.bytesToWrite() < 1024 * 1024)
            process.write(block);
        process.waitForBytesWritten(50);
        run.err += process.readAllStandardError();
        if (!awaited.isEmpty() && run.err.contains(awaited))
            break;
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err += process.readAllStandardError();
    return run;
}

} // namespace

class TestCliBatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outputColumnsInTheInputAreRefused_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("named");
        QTest::newRow("destiny") << "first,last,date,destiny"_ba << QStringList() << "destiny"_ba;
        QTest::newRow("another case") << "first,Soul_Urge,last,date"_ba << QStringList() << "Soul_Urge"_ba;
        QTest::newRow("the last one") << "first,last,date,KARMIC_DEBTS"_ba << QStringList() << "KARMIC_DEBTS"_ba;
        QTest::newRow("first, after a byte order mark")
            << "\xEF\xBB\xBFpersonal_year,first,last,date"_ba << QStringList() << "personal_year"_ba;
        QTest::newRow("JSON Lines") << "first,last,date,pinnacle4"_ba << QStringList{u"--format"_s, u"json"_s}
                                    << "pinnacle4"_ba;
    }
    void outputColumnsInTheInputAreRefused()
    {
        QFETCH(QByteArray, header);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, named);
        QByteArray input = header + "\n";
        input += QByteArray(header).replace("\xEF\xBB\xBF", "").replace("first", "John").replace("last", "Smith")
                     .replace("date", "1980-07-15") + "\n";
        const CliRun run = runTool(QStringList{u"--batch"_s} + options, input);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, "tavi-velmora-cli: line 1: the input has a column " + named
                              + ", which the batch writes itself; rename it, or give --replace-columns to write the "
                                "batch's own in its place\n");
    }

    // The tool's own output read back gives itself again.
    void replacedColumnsTakeTheBatchsOwnValues()
    {
        const QByteArray people = "id,first,middle,last,date\r\n7,John,,Smith,1980-07-15\r\n8,Anna,Lee,Smith,1975-09-20\r\n";
        const QStringList batch{u"--batch"_s, u"--on"_s, u"2026-12-08"_s};
        const CliRun once = runTool(batch, people);
        QCOMPARE(once.exitCode, 0);
        QVERIFY(once.out.startsWith("id,first,middle,last,date," + kOutputHeader.toByteArray() + "\r\n"));
        const CliRun again = runTool(batch + QStringList{u"--replace-columns"_s}, once.out);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out, once.out);

        // A column of other values, in another place, leaves the output as it was.
        const QByteArray shuffled =
            "DESTINY,id,first,middle,last,date,life_path\r\n99,7,John,,Smith,1980-07-15,x\r\n99,8,Anna,Lee,Smith,1975-09-20,\r\n";
        const CliRun replaced = runTool(batch + QStringList{u"--replace-columns"_s}, shuffled);
        QCOMPARE(replaced.exitCode, 0);
        QCOMPARE(replaced.out, once.out);

        const CliRun json = runTool(batch + QStringList{u"--replace-columns"_s, u"--format"_s, u"json"_s}, shuffled);
        QCOMPARE(json.exitCode, 0);
        const QJsonObject first = QJsonDocument::fromJson(json.out.split('\n').constFirst()).object();
        QCOMPARE(first.value(u"destiny"_s).toObject().value(u"number"_s).toInt(), 8);
        const QJsonObject input = first.value(u"input"_s).toObject();
        QCOMPARE(input.keys(), (QStringList{u"date"_s, u"first"_s, u"id"_s, u"last"_s, u"middle"_s}));
    }

    // Output of one system read back under another keeps none of the old
    // system's numbers: the columns are those the other system writes alone.
    void replacedColumnsOfAnotherSystemGo_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("classic read under chaldean") << u"classic"_s << u"chaldean"_s;
        QTest::newRow("chaldean read under classic") << u"chaldean"_s << u"classic"_s;
        QTest::newRow("chaldean read under common") << u"chaldean"_s << u"common"_s;
    }
    void replacedColumnsOfAnotherSystemGo()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        const QByteArray people = "id,first,middle,last,date\r\n7,John,,Smith,1980-07-15\r\n";
        const QStringList batch{u"--batch"_s, u"--on"_s, u"2026-12-08"_s, u"--system"_s};
        const CliRun first = runTool(batch + QStringList{from}, people);
        const CliRun direct = runTool(batch + QStringList{to}, people);
        const CliRun again = runTool(batch + QStringList{to, u"--replace-columns"_s}, first.out);
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out, direct.out);
    }

    void replaceColumnsGoesWithTheBatchOnly()
    {
        const CliRun run = runTool({u"--first"_s, u"John"_s, u"--last"_s, u"Smith"_s, u"--date"_s, u"1980-07-15"_s,
                                    u"--replace-columns"_s});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, "tavi-velmora-cli: --replace-columns works only with --batch (see --help)\n"_ba);
    }

    // An input that never ends: the output's first refusal ends the run.
    void anOutputThatRefusesStopsTheRun_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("csv") << u"csv"_s;
        QTest::newRow("json") << u"json"_s;
    }
    void anOutputThatRefusesStopsTheRun()
    {
        QFETCH(QString, format);
        const CliRun run = runFed({u"--batch"_s, u"--format"_s, format}, "first,middle,last,date\n",
                                  "John,,Smith,1980-07-15\n", 20000, {}, u"/dev/full"_s);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, "tavi-velmora-cli: cannot write the output\n"_ba);
    }

    // Said as what it is, not as a header too long: no record ends in it.
    void anInputOfZeroBytesIsNoCsvText()
    {
        const CliRun run = runTool({u"--batch"_s, u"--input"_s, u"/dev/zero"_s}, {}, 20000);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, "tavi-velmora-cli: line 1: the header cannot be read: no record ends in the first 64 MiB of "
                          "the input; reading stops\n"_ba);
        QCOMPARE(run.out, QByteArray());
    }

    void emptyLinesWithoutEndStop()
    {
        const CliRun run = runFed({u"--batch"_s}, {}, "\n", 20000);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, "tavi-velmora-cli: line 67108866: the header cannot be read: no record ends in the first "
                          "64 MiB of the input; reading stops\n"_ba);
        QCOMPARE(run.out, QByteArray());
    }

    // A record that never ends after a sound header is refused as soon as it
    // passes the limit, while the tool reads on for its end.
    void anEndlessRecordIsReportedAtOnce()
    {
        const QByteArray expected = "tavi-velmora-cli: line 2: the record is too long\n";
        const CliRun run = runFed({u"--batch"_s}, "first,last,date\n", QByteArray(1, '\0'), 20000, expected);
        QCOMPARE(run.err, expected);
    }
};

QTEST_GUILESS_MAIN(TestCliBatch)
#include "tst_clibatch.moc"
