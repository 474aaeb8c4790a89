// SPDX-License-Identifier: MIT
// The Inclusion table and the Planes of Expression in every output of a
// person: the text's grid, the working, JSON, a report read back and the batch.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "clirun.h"
#include "pdfwords.h"

using namespace Qt::StringLiterals;

namespace {

QStringList maryAnnSmith()
{
    return {u"--first"_s, u"Mary"_s, u"--middle"_s, u"Ann"_s, u"--last"_s, u"Smith"_s, u"--date"_s, u"1985-03-07"_s,
            u"--on"_s, u"2025-12-31"_s};
}

// The paragraph under the Inclusion table's explanation: the grid.
QByteArray gridOf(const QByteArray &text)
{
    const qsizetype heading = text.indexOf("\nInclusion\n---------\n");
    if (heading < 0)
        return {};
    const qsizetype start = text.indexOf("\n\n", heading + 1) + 2;
    return text.mid(start, text.indexOf("\n\n", start) + 1 - start);
}

QStringList countsOf(const QJsonArray &array)
{
    QStringList counts;
    for (const QJsonValue value : array)
        counts << QString::number(value.toInteger(-1));
    return counts;
}

} // namespace

class TestCliInclusion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // M4 A1 R9 Y7 A1 N5 N5 S1 M4 I9 T2 H8 under classic; M4 A1 R2 Y1 A1 N5 N5
    // S3 M4 I1 T4 H5 under chaldean.
    void drawsTheGridInTheText_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QByteArray>("grid");
        QTest::newRow("classic") << u"classic"_s
                                 << QByteArray("+------+------+------+\n"
                                               "| 1: 3 | 4: 2 | 7: 1 |\n"
                                               "+------+------+------+\n"
                                               "| 2: 1 | 5: 2 | 8: 1 |\n"
                                               "+------+------+------+\n"
                                               "| 3: \u2013 | 6: \u2013 | 9: 2 |\n"
                                               "+------+------+------+\n");
        QTest::newRow("chaldean, where nothing carries 9") << u"chaldean"_s
                                                          << QByteArray("+------+------+------+\n"
                                                                        "| 1: 4 | 4: 3 | 7: \u2013 |\n"
                                                                        "+------+------+------+\n"
                                                                        "| 2: 1 | 5: 3 | 8: \u2013 |\n"
                                                                        "+------+------+------+\n"
                                                                        "| 3: 1 | 6: \u2013 | 9:   |\n"
                                                                        "+------+------+------+\n");
    }
    void drawsTheGridInTheText()
    {
        QFETCH(QString, system);
        QFETCH(QByteArray, grid);
        const CliRun run = runTool(maryAnnSmith() << u"--system"_s << system);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(gridOf(run.out), grid);
        // After the part "More numbers", before nothing else.
        QVERIFY(run.out.indexOf("\nInclusion\n---------\n") > run.out.indexOf("\nKarmic Lessons: "));
    }

    // A value no letter of the system's chart carries is not on the chart,
    // not missing: in the JSON (null), the text's explanation and the PDF's grid.
    void marksAValueNoLetterCarriesAsNotOnTheChart_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("sentence"); // empty: every value is on the chart
        QTest::newRow("classic") << u"classic"_s << u"3 1 0 2 2 0 1 1 2"_s << QString();
        QTest::newRow("common") << u"common"_s << u"3 1 0 2 2 0 1 1 2"_s << QString();
        QTest::newRow("chaldean") << u"chaldean"_s << u"4 1 1 3 3 0 0 0 null"_s
                                  << u"No letter of the Chaldean chart carries 9, so 9 is not on the chart"_s;
    }
    void marksAValueNoLetterCarriesAsNotOnTheChart()
    {
        QFETCH(QString, system);
        QFETCH(QString, counts);
        QFETCH(QString, sentence);
        const CliRun json = runTool(maryAnnSmith() << u"--system"_s << system << u"--format"_s << u"json"_s);
        QCOMPARE(json.exitCode, 0);
        QStringList shown;
        for (const QJsonValue value : QJsonDocument::fromJson(json.out).object().value(u"inclusion"_s).toArray())
            shown << (value.isNull() ? u"null"_s : QString::number(value.toInteger(-1)));
        QCOMPARE(shown.join(u' '), counts);

        const CliRun text = runTool(maryAnnSmith() << u"--system"_s << system);
        QCOMPARE(QString::fromUtf8(text.out).contains(u"not on the chart"_s), !sentence.isEmpty());
        if (!sentence.isEmpty())
            QVERIFY2(QString::fromUtf8(text.out).contains(sentence), text.out.constData());

        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"mary.pdf"_s);
        QCOMPARE(runTool(maryAnnSmith() << u"--system"_s << system << u"--pdf"_s << pdf).exitCode, 0);
        const QString printed = QString::fromUtf8(programOutput(u"pdftotext"_s, {pdf, u"-"_s})).simplified();
        // The grid's cell says it on the summary page and in the Inclusion
        // section, and the reading under the section's grid again.
        QCOMPARE(printed.count(u"not on the chart"_s), sentence.isEmpty() ? 0 : 3);
    }

    void givesEachPlaneItsLettersTotalAndNumber()
    {
        const CliRun run = runTool(maryAnnSmith());
        QCOMPARE(run.exitCode, 0);
        for (const QByteArray line : {"Physical (D E M W): 2 letters, total 8, number 8\nThe physical plane is ",
                                      "Mental (A G H J L N P): 5 letters, total 20, number 2\n",
                                      "Emotional (B I O R S T X Z): 4 letters, total 21, number 3\n",
                                      "Intuitive (C F K Q U V Y): 1 letter, total 7, number 7\n"})
            QVERIFY2(run.out.contains("\n" + line), line.constData());
        QVERIFY(run.out.endsWith("the deeper reason behind what it meets.\n"));

        const CliRun none = runTool({u"--first"_s, u"John"_s, u"--last"_s, u"Smith"_s, u"--date"_s, u"1980-07-15"_s});
        QVERIFY(none.out.contains("\nIntuitive (C F K Q U V Y): no letters\nThe intuitive plane is "));
        // Twelve letters of one value widen every cell.
        const CliRun wide = runTool({u"--first"_s, u"Ajsajsajsajs"_s, u"--last"_s, u"Bo"_s, u"--date"_s, u"1980-07-15"_s});
        QVERIFY2(wide.out.contains("| 1: 12 | 4:  \u2013 | 7:  \u2013 |\n"), wide.out.constData());
    }

    void explainsWhichLettersMadeEachCount()
    {
        const CliRun run = runTool(maryAnnSmith() << u"--explain"_s);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.endsWith("Karmic Lessons: values no letter carries: 3, 6\n"
                                 "Inclusion 1: A A S \u2192 3\n"
                                 "Inclusion 2: T \u2192 1\n"
                                 "Inclusion 3: no letter \u2192 0\n"
                                 "Inclusion 4: M M \u2192 2\n"
                                 "Inclusion 5: N N \u2192 2\n"
                                 "Inclusion 6: no letter \u2192 0\n"
                                 "Inclusion 7: Y \u2192 1\n"
                                 "Inclusion 8: H \u2192 1\n"
                                 "Inclusion 9: R I \u2192 2\n"
                                 "Physical plane: M4 M4 = 8\n"
                                 "Mental plane: A1 A1 N5 N5 H8 = 20 \u2192 2\n"
                                 "Emotional plane: R9 S1 I9 T2 = 21 \u2192 3\n"
                                 "Intuitive plane: Y7 = 7\n"));
    }

    // One person, the same person read back from a report, and a batch row in
    // JSON Lines carry the same two keys.
    void givesTheSameKeysInEveryJson()
    {
        QTemporaryDir folder;
        const QString report = folder.filePath(u"mary.vlm"_s);
        QCOMPARE(runTool(maryAnnSmith() << u"--save"_s << report).exitCode, 0);
        const CliRun person = runTool(maryAnnSmith() << u"--format"_s << u"json"_s);
        const CliRun opened = runTool({u"--open"_s, report, u"--format"_s, u"json"_s, u"--on"_s, u"2025-12-31"_s});
        const CliRun batch = runTool({u"--batch"_s, u"--format"_s, u"json"_s, u"--on"_s, u"2025-12-31"_s},
                                     "first,middle,last,date\nMary,Ann,Smith,1985-03-07\n");
        for (const CliRun *run : {&person, &opened, &batch}) {
            QCOMPARE(run->exitCode, 0);
            const QJsonObject root = QJsonDocument::fromJson(run->out).object();
            QCOMPARE(countsOf(root.value(u"inclusion"_s).toArray()).join(u' '), u"3 1 0 2 2 0 1 1 2"_s);
            const QJsonArray planes = root.value(u"planes"_s).toArray();
            QCOMPARE(planes.size(), 4);
            const QJsonObject mental = planes[1].toObject();
            QCOMPARE(mental.keys(), QStringList({u"letters"_s, u"number"_s, u"plane"_s, u"text"_s, u"total"_s}));
            QCOMPARE(mental.value(u"plane"_s).toString(), u"mental"_s);
            QCOMPARE(mental.value(u"letters"_s).toInt(), 5);
            QCOMPARE(mental.value(u"total"_s).toInt(), 20);
            QCOMPARE(mental.value(u"number"_s).toInt(), 2);
            QVERIFY(mental.value(u"text"_s).toString().startsWith(u"The mental plane is how you think"_s));
        }
    }

    // The column comes last, so every other keeps its place; read back, it is
    // one of the batch's own.
    void writesTheCountsLastInTheBatch()
    {
        const QByteArray input = "first,middle,last,date\nMary,Ann,Smith,1985-03-07\n";
        const CliRun run = runTool({u"--batch"_s, u"--on"_s, u"2025-12-31"_s}, input);
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QVERIFY(lines[0].endsWith(",karmic_lessons,karmic_debts,inclusion\r"));
        QVERIFY(lines[1].endsWith(",3 6,,3 1 0 2 2 0 1 1 2\r"));

        const CliRun refused = runTool({u"--batch"_s}, "first,last,date,Inclusion\nMary,Smith,1985-03-07,x\n");
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains("the input has a column Inclusion, which the batch writes itself"),
                 refused.err.constData());
        const CliRun again = runTool({u"--batch"_s, u"--on"_s, u"2025-12-31"_s, u"--replace-columns"_s}, run.out);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out, run.out);
    }
};

QTEST_GUILESS_MAIN(TestCliInclusion)
#include "tst_cli_inclusion.moc"
