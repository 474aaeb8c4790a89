// SPDX-License-Identifier: MIT
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "clitest.h"

using namespace Qt::StringLiterals;

// Two people compared, each a report or given on the command line.
class TestCliComparison : public CliTest
{
    Q_OBJECT

private Q_SLOTS:
    // Two reports, or two people on the command line, or one of each.
    void compareIsTheSameBothWaysRound()
    {
        const QString anna = path(u"anna-compare.vlm"_s);
        QCOMPARE(runCli(personArguments(u"Anna"_s, QString(), u"Smith"_s, u"1975-09-20"_s) << u"--save"_s << anna)
                     .exitCode,
                 0);
        const QString john = u"John,,Smith,1980-07-15"_s;
        const auto compare = [](const QString &first, const QString &second) {
            const Outcome run = runCli({u"--compare"_s, first, second, u"--format"_s, u"json"_s});
            return std::pair{run.exitCode, QJsonDocument::fromJson(run.out).object()};
        };
        const auto [status, forward] = compare(anna, john);
        QCOMPARE(status, 0);
        const auto [backStatus, backward] = compare(john, u"Anna,,Smith,1975-09-20"_s);
        QCOMPARE(backStatus, 0);
        QCOMPARE(forward.value(u"first"_s), backward.value(u"second"_s));
        for (const QString &key : {u"lifePath"_s, u"destiny"_s}) {
            const QJsonObject there = forward.value(key).toObject();
            const QJsonObject back = backward.value(key).toObject();
            QCOMPARE(there.value(u"relation"_s), back.value(u"relation"_s));
            QCOMPARE(there.value(u"text"_s), back.value(u"text"_s));
            QVERIFY(!there.value(u"text"_s).toString().isEmpty());
            const QJsonArray numbers = there.value(u"numbers"_s).toArray();
            QCOMPARE(numbers, (QJsonArray{back.value(u"numbers"_s).toArray()[1], back.value(u"numbers"_s).toArray()[0]}));
        }
        // Life Paths 6 and 4 (families 3-6-9 and 2-4-8): compatible; Destinies 9 and 8.
        QCOMPARE(forward.value(u"lifePath"_s).toObject().value(u"numbers"_s).toArray(), (QJsonArray{6, 4}));
        QCOMPARE(forward.value(u"lifePath"_s).toObject().value(u"relation"_s).toString(), u"compatible"_s);
        QCOMPARE(forward.value(u"destiny"_s).toObject().value(u"numbers"_s).toArray(), (QJsonArray{9, 8}));

        const Outcome text = runCli({u"--compare"_s, anna, john});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.startsWith("Two People Compared\n-------------------\nAnna Smith, born 20 September 1975\n"
                                     "John Smith, born 15 July 1980\n"),
                 text.out);
    }

    void compareRefusesWhatTheWindowRefuses_data()
    {
        QTest::addColumn<QString>("operand");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("a report that is not one") << u"bad.vlm"_s << QByteArray("bad.vlm: Please Check The File.");
        QTest::newRow("a missing report") << u"missing.vlm"_s << QByteArray("missing.vlm: Please Check The File.");
        QTest::newRow("three fields") << u"John,Smith,1980-07-15"_s
                                      << QByteArray("neither a report file (FILE.vlm) nor a person");
        QTest::newRow("a date that does not exist") << u"John,,Smith,1900-02-29"_s << QByteArray("1900-02-29");
    }
    void compareRefusesWhatTheWindowRefuses()
    {
        QFETCH(QString, operand);
        QFETCH(QByteArray, reason);
        QFile bad(path(u"bad.vlm"_s));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a report\n") > 0);
        bad.close();
        const QString name = operand.endsWith(u".vlm"_s) ? path(operand) : operand;
        for (const QStringList &arguments : {QStringList{u"--compare"_s, name, u"Ann,,Lee,1980-01-02"_s},
                                             QStringList{u"--compare"_s, u"Ann,,Lee,1980-01-02"_s, name}}) {
            const Outcome run = runCli(arguments);
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.out, QByteArray());
            QVERIFY2(isOneLine(run.err) && run.err.contains(reason), run.err);
        }
        if (operand == u"bad.vlm"_s) {
            QStringList messages;
            windowOpening(path(operand), &messages);
            QCOMPARE(messages, QStringList{u"Please Check The File."_s});
        }
    }
};

QTEST_MAIN(TestCliComparison)
#include "tst_cli_comparison.moc"
