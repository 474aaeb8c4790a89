// SPDX-License-Identifier: MIT
// The tool under each numerology system: --system names the rules, and every
// output shows the numbers that system has, with their compounds and ties.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

#include "clirun.h"

using namespace Qt::StringLiterals;

class TestCliSystems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesASystemItDoesNotKnow()
    {
        const CliRun run = runTool({u"--first"_s, u"Ann"_s, u"--last"_s, u"Lee"_s, u"--date"_s, u"1980-07-15"_s,
                                    u"--system"_s, u"vedic"_s});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("unknown system 'vedic'; use classic, common or chaldean"), run.err.constData());
    }

    void namesTheSystemAndItsCompoundsInJson()
    {
        const CliRun run = runTool({u"--first"_s, u"RAHUL"_s, u"--last"_s, u"SHARMA"_s, u"--date"_s, u"1980-07-15"_s,
                                    u"--system"_s, u"chaldean"_s, u"--format"_s, u"json"_s, u"--on"_s,
                                    u"2026-01-01"_s});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root.value(u"system"_s).toString(), u"chaldean"_s);
        QCOMPARE(root.value(u"destiny"_s).toObject().value(u"number"_s).toInt(), 6);
        QCOMPARE(root.value(u"destiny"_s).toObject().value(u"compound"_s).toInt(), 33);
        QCOMPARE(root.value(u"lifePath"_s).toObject().value(u"compound"_s).toInt(), 31);
        QVERIFY(!root.contains(u"pinnacles"_s));
        QVERIFY(!root.contains(u"karmicDebts"_s));
    }

    void leavesTheJsonAsItWasWithoutTheOption()
    {
        const QStringList person = {u"--first"_s, u"Ann"_s, u"--last"_s, u"Lee"_s, u"--date"_s, u"1980-07-15"_s,
                                    u"--format"_s, u"json"_s, u"--on"_s, u"2026-01-01"_s};
        const QJsonObject plain = QJsonDocument::fromJson(runTool(person).out).object();
        QVERIFY(!plain.contains(u"system"_s));
        QJsonObject named = QJsonDocument::fromJson(runTool(person + QStringList{u"--system"_s, u"classic"_s}).out).object();
        QCOMPARE(named.take(u"system"_s).toString(), u"classic"_s);
        QCOMPARE(named, plain);
    }

    void writesTheColumnsEachSystemHas_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("chaldean") << u"chaldean"_s
                                  << QByteArray("first,middle,last,date,destiny,destiny_compound,personality,"
                                                "personality_compound,soul_urge,soul_urge_compound,life_path,"
                                                "life_path_compound,birthday,birthday_compound,personal_year,inclusion\r\n"
                                                "RAHUL,,SHARMA,1980-07-15,6,33,6,24,9,,4,31,6,15,5,3 2 2 1 2 1 0 0 0\r\n");
        QTest::newRow("common") << u"common"_s
                                << QByteArray("first,middle,last,date,destiny,personality,soul_urge,realization,"
                                              "pinnacle1,pinnacle2,pinnacle3,pinnacle4,hidden_passion,"
                                              "subconscious_self,attitude,life_path,birthday,challenge1,challenge2,"
                                              "challenge3,challenge4,personal_year,karmic_lessons,karmic_debts,inclusion\r\n"
                                              "RAHUL,,SHARMA,1980-07-15,3,6,6,7,4,6,1,7,1,5,22,22,15,1,3,2,2,5,2 5 6 7,,4 0 2 1 0 0 0 2 2\r\n");
    }

    void writesTheColumnsEachSystemHas()
    {
        QFETCH(QString, system);
        QFETCH(QByteArray, output);
        const CliRun run = runTool({u"--batch"_s, u"--system"_s, system, u"--on"_s, u"2026-01-01"_s},
                                   "first,middle,last,date\nRAHUL,,SHARMA,1980-07-15\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, output);
    }

    // Under common practice each word of a name is a part, reduced on its own:
    // Mary 3 + Ann 11 + Smith 6 = 20 -> 2 however the words are given.
    void countsEachWordAsAPart_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("two words in one field") << QStringList{u"--first"_s, u"Mary Ann"_s};
        QTest::newRow("a middle name") << QStringList{u"--first"_s, u"Mary"_s, u"--middle"_s, u"Ann"_s};
        QTest::newRow("a hyphen") << QStringList{u"--first"_s, u"Mary-Ann"_s};
    }

    void countsEachWordAsAPart()
    {
        QFETCH(QStringList, names);
        const CliRun run = runTool(names + QStringList{u"--last"_s, u"Smith"_s, u"--date"_s, u"1990-01-01"_s,
                                                       u"--system"_s, u"common"_s, u"--format"_s, u"json"_s});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root.value(u"destiny"_s).toObject().value(u"number"_s).toInt(), 2);
    }

    void listsATieInHiddenPassion()
    {
        const CliRun csv = runTool({u"--batch"_s, u"--system"_s, u"common"_s, u"--on"_s, u"2026-01-01"_s},
                                   "first,middle,last,date\nAb,,Ab,1980-07-15\n");
        QVERIFY2(csv.out.split('\n').value(1).split(',').value(12) == "1 2", csv.out.constData());
        const CliRun json = runTool({u"--first"_s, u"Ab"_s, u"--last"_s, u"Ab"_s, u"--date"_s, u"1980-07-15"_s,
                                     u"--system"_s, u"common"_s, u"--format"_s, u"json"_s});
        const QJsonObject passion = QJsonDocument::fromJson(json.out).object().value(u"hiddenPassion"_s).toObject();
        QCOMPARE(passion.value(u"numbers"_s).toArray().size(), 2);
    }

    void printsTheSystemOnTheDocument()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing");
        const CliRun pdf = runTool({u"--first"_s, u"RAHUL"_s, u"--last"_s, u"SHARMA"_s, u"--date"_s, u"1980-07-15"_s,
                                    u"--system"_s, u"chaldean"_s, u"--pdf"_s, u"-"_s});
        QCOMPARE(pdf.exitCode, 0);
        QProcess text;
        text.start(u"pdftotext"_s, {u"-"_s, u"-"_s});
        QVERIFY(text.waitForStarted());
        text.write(pdf.out);
        text.closeWriteChannel();
        QVERIFY(text.waitForFinished());
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(page.contains(u"Numerology system: Chaldean"_s), qPrintable(page.left(400)));
        QVERIFY(page.contains(u"Compound number 33"_s));
        QVERIFY(page.contains(u"compound 33 → root 6"_s));
        QVERIFY(!page.contains(u"Pinnacle Number"_s));
    }
};

QTEST_GUILESS_MAIN(TestCliSystems)
#include "tst_clisystems.moc"
