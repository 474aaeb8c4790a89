// SPDX-License-Identifier: MIT
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdio>

#include "cliapplication.h"
#include "clitest.h"
#include "version.h"

using namespace Qt::StringLiterals;

// The command line itself: what the tool refuses before it reads anyone, its help, and the date it takes for today.
class TestCliOptions : public CliTest
{
    Q_OBJECT

private Q_SLOTS:
    // Today comes from the clock the tool is given, in one place.
    void theDateOfInterestIsTodayUnlessNamed()
    {
        const auto personalYear = [](const QStringList &extra) {
            std::FILE *out = std::tmpfile();
            std::FILE *err = std::tmpfile();
            velmora::CliApplication tool(out, err, [] { return QDate(2025, 12, 31); });
            const int status = tool.run(QStringList{u"tavi-velmora-cli"_s, u"--first"_s, u"John"_s, u"--last"_s,
                                                    u"Smith"_s, u"--date"_s, u"1980-07-15"_s, u"--format"_s,
                                                    u"json"_s}
                                        + extra);
            std::rewind(out);
            QByteArray bytes;
            for (int ch = std::fgetc(out); ch != EOF; ch = std::fgetc(out))
                bytes.append(static_cast<char>(ch));
            std::fclose(out);
            std::fclose(err);
            const QJsonObject year = QJsonDocument::fromJson(bytes).object().value(u"personalYear"_s).toObject();
            return std::pair{status, std::pair{year.value(u"year"_s).toInt(), year.value(u"number"_s).toInt()}};
        };
        QCOMPARE(personalYear({}), std::pair(0, std::pair(2025, 4)));
        QCOMPARE(personalYear({u"--on"_s, u"2026-01-01"_s}), std::pair(0, std::pair(2026, 5)));
    }

    void usageErrorsGiveOneLineAndStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList john = personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("no arguments") << QStringList();
        QTest::newRow("unknown option") << QStringList{u"--colour"_s};
        QTest::newRow("option without its value") << QStringList{u"--first"_s};
        QTest::newRow("stray argument") << (QStringList(john) << u"extra"_s);
        QTest::newRow("unknown format") << (QStringList(john) << u"--format"_s << u"xml"_s);
        QTest::newRow("date missing") << QStringList{u"--first"_s, u"John"_s, u"--last"_s, u"Smith"_s};
        QTest::newRow("last name missing") << QStringList{u"--first"_s, u"John"_s, u"--date"_s, u"1980-07-15"_s};
        QTest::newRow("option given twice") << (QStringList(john) << u"--first"_s << u"Jack"_s);
        QTest::newRow("batch with a person") << (QStringList(john) << u"--batch"_s);
        QTest::newRow("batch with the text format") << QStringList{u"--batch"_s, u"--format"_s, u"text"_s};
        QTest::newRow("csv format without batch") << (QStringList(john) << u"--format"_s << u"csv"_s);
        QTest::newRow("input without batch") << QStringList{u"--input"_s, u"people.csv"_s};
        QTest::newRow("open with a person") << (QStringList(john) << u"--open"_s << u"a.vlm"_s);
        QTest::newRow("open with save") << QStringList{u"--open"_s, u"a.vlm"_s, u"--save"_s, u"b.vlm"_s};
        QTest::newRow("save without a person") << QStringList{u"--save"_s, u"a.vlm"_s};
        QTest::newRow("pdf without a person") << QStringList{u"--pdf"_s, u"a.pdf"_s};
        QTest::newRow("batch with pdf") << QStringList{u"--batch"_s, u"--pdf"_s, u"a.pdf"_s};
        QTest::newRow("pdf of an empty name") << (QStringList(john) << u"--pdf"_s << QString());
        QTest::newRow("save to an empty name") << (QStringList(john) << u"--save"_s << QString());
        QTest::newRow("compare with one person") << QStringList{u"--compare"_s, u"a.vlm"_s};
        QTest::newRow("compare with three people") << QStringList{u"--compare"_s, u"a.vlm"_s, u"b.vlm"_s, u"c.vlm"_s};
        QTest::newRow("compare with a person's names") << (QStringList(john) << u"--compare"_s << u"a.vlm"_s << u"b.vlm"_s);
        QTest::newRow("date of interest that does not exist") << (QStringList(john) << u"--on"_s << u"2026-02-29"_s);
        QTest::newRow("date of interest alone") << QStringList{u"--on"_s, u"2026-01-01"_s};
        QTest::newRow("explain in a batch") << QStringList{u"--batch"_s, u"--explain"_s};
        QTest::newRow("pdf to standard output with text") << (QStringList(john) << u"--pdf"_s << u"-"_s << u"--format"_s << u"text"_s);
    }
    void usageErrorsGiveOneLineAndStatusTwo()
    {
        QFETCH(QStringList, arguments);
        const Outcome run = runCli(arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(isOneLine(run.err), run.err);
    }

    void refusedPersonGivesOneLineAndStatusOne_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("first name of spaces")
            << personArguments(u"   "_s, QString(), u"Smith"_s, u"1980-07-15"_s) << QByteArray("first name");
        QTest::newRow("empty last name")
            << personArguments(u"John"_s, QString(), QString(), u"1980-07-15"_s) << QByteArray("last name");
        QTest::newRow("29 February of a common year")
            << personArguments(u"John"_s, QString(), u"Smith"_s, u"1900-02-29"_s) << QByteArray("1900-02-29");
        QTest::newRow("date in another form")
            << personArguments(u"John"_s, QString(), u"Smith"_s, u"15/07/1980"_s) << QByteArray("15/07/1980");
        QTest::newRow("line break in the date")
            << personArguments(u"John"_s, QString(), u"Smith"_s, u"1980\n07-15"_s) << QByteArray("1980?07-15");
    }
    void refusedPersonGivesOneLineAndStatusOne()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, reason);
        const Outcome run = runCli(arguments);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(isOneLine(run.err), run.err);
        QVERIFY2(run.err.contains(reason), run.err);
    }

    void helpAndVersion()
    {
        const Outcome help = runCli({u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        for (const char *option : {"--first", "--middle", "--last", "--date", "--format", "--open", "--save",
                                   "--pdf", "--batch", "--input", "--on", "--explain", "--compare", "--fold-accents",
                                   "--version"})
            QVERIFY2(help.out.contains(option), option);
        const Outcome version = runCli({u"--version"_s});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("tavi-velmora-cli " VELMORA_VERSION "\n"));
    }
};

QTEST_MAIN(TestCliOptions)
#include "tst_cli_options.moc"
