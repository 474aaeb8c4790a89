// SPDX-License-Identifier: MIT
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <array>

#include "clitest.h"

using namespace Qt::StringLiterals;

namespace {

// The eleven numbers, then the further columns as written.
QByteArray csvRow(const QByteArray &inputColumns, const Numbers &numbers, const QByteArray &more)
{
    QByteArray row = inputColumns;
    for (const int number : numbers)
        row += ',' + QByteArray::number(number);
    return row + ',' + more + "\r\n";
}

const QByteArray kOutputHeader = "first,middle,last,date,destiny,personality,soul_urge,realization,pinnacle1,"
                                 "pinnacle2,pinnacle3,pinnacle4,hidden_passion,subconscious_self,attitude,"
                                 "life_path,birthday,challenge1,challenge2,challenge3,challenge4,personal_year,"
                                 "karmic_lessons,karmic_debts,inclusion\r\n";
// The batches below run on 1 January 2026.
const QStringList kBatchOn = {u"--on"_s, u"2026-01-01"_s, u"--batch"_s};
// Worked by hand: Life Path, Birthday, the four challenges, the Personal Year
// on 1 January 2026, the Karmic Lessons and Debts. John Smith: 15 + 7 + 1980 =
// 2002 → 4; m 7, d 15 → 6, y 1980 → 9; 15 + 7 + 2026 = 2048 → 14 → 5; no letter
// is 3 or 7. Anna Smith: 2004 → 6; m 9, d 20 → 2, y 1975 → 22 → 4; 2055 → 12 → 3.
// Last, how many letters carry each value 1-9: J S, T, -, M, N, O, -, H H, I;
// A A S, T, -, M, N N, -, -, H, I.
const QByteArray kJohnSmithMore = "4,15,1,3,2,2,5,3 7,,2 1 0 1 1 1 0 2 1";
const QByteArray kAnnaSmithMore = "6,20,7,2,5,5,3,3 6 7,,3 1 0 1 2 0 0 1 1";

} // namespace

// A CSV file of people in, a row of numbers per person out, and every refused row named by its line.
class TestCliBatch : public CliTest
{
    Q_OBJECT

private Q_SLOTS:
    void batchWritesGoodRowsAndReportsBadOnesByLine()
    {
        const QByteArray input = "first,middle,last,date\r\n"
                                 "John,,Smith,1980-07-15\r\n"
                                 "\"Jo,hn\",,\"Smi\"\"th\",1980-07-15\r\n"
                                 "\"Jo\r\nhn\",,Smith,1980-07-15\r\n"
                                 "John,Smith,1980-07-15\r\n"
                                 "Anna,,Smith,1900-02-29\r\n"
                                 "Anna,,   ,1975-09-20\r\n"
                                 "Anna,x\"y,Smith,1975-09-20\r\n"
                                 "Anna,,Smith,1975-09-20\r\n"
                                 "John,,Smith,1980-07-15,extra\r\n"
                                 " John ,,Smith,1980-07-15";
        const Outcome run = runCli(kBatchOn, input);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, kOutputHeader + csvRow("John,,Smith,1980-07-15", kJohnSmith1980, kJohnSmithMore)
                              + csvRow("\"Jo,hn\",,\"Smi\"\"th\",1980-07-15", kJohnSmith1980, kJohnSmithMore)
                              + csvRow("\"Jo\r\nhn\",,Smith,1980-07-15", kJohnSmith1980, kJohnSmithMore)
                              + csvRow("Anna,,Smith,1975-09-20", kAnnaSmith1975, kAnnaSmithMore)
                              + csvRow(" John ,,Smith,1980-07-15", kJohnSmith1980, kJohnSmithMore));
        const QList<QByteArray> errors = run.err.split('\n');
        QCOMPARE(errors.size(), 7);
        QVERIFY(errors.last().isEmpty());
        const std::array<QByteArray, 6> expected = {
            "tavi-velmora-cli: line 6: 3 fields, expected 4",
            "tavi-velmora-cli: line 7: the date is not a real date",
            "tavi-velmora-cli: line 8: the last name is empty",
            "tavi-velmora-cli: line 9: a quote inside an unquoted field",
            "tavi-velmora-cli: line 11: 5 fields, expected 4",
            // the comma and the quote of line 3, the line break of line 4
            "tavi-velmora-cli: 2 rows have characters in a name that do not count: only the letters A–Z do",
        };
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(errors[static_cast<qsizetype>(i)].startsWith(expected[i]), errors[static_cast<qsizetype>(i)]);
    }

    void batchOfSoundRowsSucceedsQuietly_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("LF line ends") << QByteArray("first,middle,last,date\nAnna,,Smith,1975-09-20\n");
        QTest::newRow("byte order mark, no final line break")
            << QByteArray("\xEF\xBB\xBF" "first,middle,last,date\r\nAnna,,Smith,1975-09-20");
        QTest::newRow("empty lines between rows")
            << QByteArray("first,middle,last,date\r\n\r\nAnna,,Smith,1975-09-20\r\n\r\n");
    }
    void batchOfSoundRowsSucceedsQuietly()
    {
        QFETCH(QByteArray, input);
        const Outcome run = runCli(kBatchOn, input);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kOutputHeader + csvRow("Anna,,Smith,1975-09-20", kAnnaSmith1975, kAnnaSmithMore));
    }

    void batchReadsAnInputFile()
    {
        QFile file(path(u"people.csv"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("first,middle,last,date\r\nJohn,,Smith,1980-07-15\r\n");
        file.close();
        const Outcome run = runCli(QStringList(kBatchOn) << u"--input"_s << file.fileName());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kOutputHeader + csvRow("John,,Smith,1980-07-15", kJohnSmith1980, kJohnSmithMore));

        const Outcome missing = runCli(QStringList(kBatchOn) << u"--input"_s << path(u"missing.csv"_s));
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(isOneLine(missing.err), missing.err);
    }

    void batchWithoutTheHeaderWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("empty input") << QByteArray();
        QTest::newRow("a person where the header belongs") << QByteArray("John,,Smith,1980-07-15\r\n");
        QTest::newRow("no date column") << QByteArray("first,middle,last\r\nJohn,,Smith\r\n");
        QTest::newRow("a column named twice") << QByteArray("first,middle,FIRST,last,date\r\n");
        QTest::newRow("a name with spaces around it") << QByteArray("first, middle,last ,date\r\n");
    }
    void batchWithoutTheHeaderWritesNothing()
    {
        QFETCH(QByteArray, input);
        const Outcome run = runCli(kBatchOn, input);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(isOneLine(run.err), run.err);
    }

    // A client list: the name columns in any order and case, apart from each
    // other, among columns of other data that must come back untouched.
    void batchMapsTheHeaderAndKeepsOtherColumns_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("row");
        QTest::newRow("reordered, upper case, extra columns")
            << QByteArray("ID,Last,E-mail,DATE,First,Middle") << QByteArray("7,Smith,\"j,s@x.example\",1980-07-15,John,");
        QTest::newRow("letters between the names, no middle")
            << QByteArray("\xEF\xBB\xBF" "First,Note,Last,Date") << QByteArray("John,zzq,Smith,1980-07-15");
        QTest::newRow("names together after other columns")
            << QByteArray("id,first,middle,last,date,city") << QByteArray("\"1\r\n2\",John,,Smith,1980-07-15,Oslo");
    }
    void batchMapsTheHeaderAndKeepsOtherColumns()
    {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, row);
        const QByteArray input = header + "\r\n" + row + "\r\n";
        const Outcome run = runCli(QStringList(kBatchOn) << u"--input"_s << u"-"_s, input);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        const QByteArray writtenHeader = header.startsWith("\xEF\xBB\xBF") ? header.mid(3) : header;
        const QByteArray numberColumns = kOutputHeader.mid(kOutputHeader.indexOf("destiny"));
        QCOMPARE(run.out, writtenHeader + ',' + numberColumns + csvRow(row, kJohnSmith1980, kJohnSmithMore));

        // Round trip: the output read again names the batch's own columns; with
        // --replace-columns it gives itself again.
        QCOMPARE(runCli(kBatchOn, run.out).exitCode, 2);
        const Outcome again = runCli(QStringList(kBatchOn) << u"--replace-columns"_s, run.out);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out, run.out);
    }

    void batchWritesJsonLines()
    {
        const QByteArray input = "Email,last,First,date\r\n"
                                 "j@x.example,Smith,John,1980-07-15\r\n"
                                 "a@x.example,,Anna,1975-09-20\r\n"
                                 "\"a,b\",Smith,Anna,1975-09-20\r\n";
        const Outcome run = runCli(QStringList(kBatchOn) << u"--format"_s << u"json"_s, input);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith("tavi-velmora-cli: line 3: the last name is empty\n"), run.err);
        QVERIFY2(isOneLine(run.err), run.err);
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.last().isEmpty());
        const std::array<std::pair<QStringList, QString>, 2> people = {{
            {personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s), u"j@x.example"_s},
            {personArguments(u"Anna"_s, QString(), u"Smith"_s, u"1975-09-20"_s), u"a,b"_s},
        }};
        for (std::size_t i = 0; i < people.size(); ++i) {
            const Outcome single =
                runCli(QStringList(people[i].first) << u"--format"_s << u"json"_s << u"--on"_s << u"2026-01-01"_s);
            QJsonObject expected = QJsonDocument::fromJson(single.out).object();
            QJsonObject input = expected.value(u"input"_s).toObject();
            input.insert(u"Email"_s, people[i].second);
            expected.insert(u"input"_s, input);
            const QByteArray line = lines[static_cast<qsizetype>(i)];
            QVERIFY2(!line.contains('\r'), line);
            QCOMPARE(QJsonDocument::fromJson(line).object(), expected);
        }

    }

    // JSON keeps the columns by name, as they read once converted to UTF-8.
    void batchJsonRefusesColumnsOfOneName_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("same name") << QByteArray("first,last,date,x,x");
        QTest::newRow("two different bytes that are not UTF-8") << QByteArray("first,last,date,\xff,\xfe");
        QTest::newRow("a byte that is not UTF-8 and U+FFFD") << QByteArray("first,last,date,\xff,\xef\xbf\xbd");
    }
    void batchJsonRefusesColumnsOfOneName()
    {
        QFETCH(QByteArray, header);
        const Outcome twice =
            runCli(QStringList(kBatchOn) << u"--format"_s << u"json"_s, header + "\nAnn,Lee,1980-01-02,one,two\n");
        QCOMPARE(twice.exitCode, 1);
        QCOMPARE(twice.out, QByteArray());
        QVERIFY2(isOneLine(twice.err) && twice.err.contains("' twice"), twice.err);
    }

    // The batch's last two columns list, apart by spaces, the lessons and debts
    // the single-person JSON gives: none, one or several of each.
    void batchListsLessonsAndDebtsAsJsonDoes_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("date");
        QTest::newRow("David Brown: two debts, three lessons") << u"David"_s << u"Brown"_s << u"1990-03-03"_s;
        QTest::newRow("Abcdefghi Smith: every value, no lessons") << u"Abcdefghi"_s << u"Smith"_s << u"1980-07-15"_s;
        QTest::newRow("Bbbb Kkkk: one value, eight lessons") << u"Bbbb"_s << u"Kkkk"_s << u"2001-01-01"_s;
    }
    void batchListsLessonsAndDebtsAsJsonDoes()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, date);
        const Outcome json = runCli(personArguments(first, QString(), last, date) << u"--format"_s << u"json"_s);
        QCOMPARE(json.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        const auto listed = [&](const QString &key) {
            QStringList list;
            for (const QJsonValue value : root.value(key).toObject().value(u"numbers"_s).toArray())
                list << QString::number(value.toInt(-1));
            return list.join(u' ');
        };
        const Outcome batch =
            runCli({u"--batch"_s}, u"first,last,date\r\n%1,%2,%3\r\n"_s.arg(first, last, date).toUtf8());
        QCOMPARE(batch.exitCode, 0);
        const QList<QByteArray> lines = batch.out.split('\n');
        QCOMPARE(lines.size(), 3);
        const QList<QByteArray> fields = lines[1].trimmed().split(',');
        QCOMPARE(QString::fromUtf8(fields.value(fields.size() - 3)), listed(u"karmicLessons"_s));
        QCOMPARE(QString::fromUtf8(fields.value(fields.size() - 2)), listed(u"karmicDebts"_s));
        QStringList inclusion;
        for (const QJsonValue value : root.value(u"inclusion"_s).toArray())
            inclusion << QString::number(value.toInt(-1));
        QCOMPARE(QString::fromUtf8(fields.value(fields.size() - 1)), inclusion.join(u' '));
    }

    void batchSaysOnceHowManyRowsHaveLettersThatDoNotCount()
    {
        const QByteArray input = "first,last,date\n"
                                 "Jos\xc3\xa9,Smith,1980-07-15\n"
                                 "John,Smith,1980-07-15\n"
                                 "Ren\xc3\xa9\xc3\xa9,M\xc3\xbcller,1980-07-15\n";
        const Outcome plain = runCli(kBatchOn, input);
        QCOMPARE(plain.exitCode, 0);
        QCOMPARE(plain.err,
                 QByteArray("tavi-velmora-cli: 2 rows have characters in a name that do not count: only the letters "
                            "A\xe2\x80\x93Z do\n"));
        const Outcome folded = runCli(QStringList(kBatchOn) << u"--fold-accents"_s, input);
        QCOMPARE(folded.exitCode, 0);
        QCOMPARE(folded.err, QByteArray());
        // José folded counts as Jose: the row reads as Jose's does.
        const Outcome jose = runCli(kBatchOn, "first,last,date\nJose,Smith,1980-07-15\n");
        QCOMPARE(folded.out.split('\n').at(1).mid(folded.out.split('\n').at(1).indexOf(',')),
                 jose.out.split('\n').at(1).mid(jose.out.split('\n').at(1).indexOf(',')));
    }
};

QTEST_MAIN(TestCliBatch)
#include "tst_cli_batch.moc"
