// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <array>

#include "fakeplatform.h"
#include "frmmain.h"

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome runCli(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(VELMORA_CLI_PATH), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QStringList personArguments(const QString &first, const QString &middle, const QString &last, const QString &date)
{
    QStringList arguments{u"--first"_s, first, u"--last"_s, last, u"--date"_s, date};
    if (!middle.isEmpty())
        arguments << u"--middle"_s << middle;
    return arguments;
}

// The eleven numbers in batch column order: destiny, personality, soul urge,
// realization, four pinnacles, hidden passion, subconscious self, attitude.
using Numbers = std::array<int, 11>;

// The captions and texts the real window shows for a person.
struct WindowReadings {
    QStringList captions;
    QStringList texts;
};

WindowReadings readingsShown(const frmMain &window)
{
    WindowReadings readings;
    const QTabBar *tabs = window.findChild<QTabBar *>(u"TS"_s);
    if (tabs == nullptr) // no reading shown yet: the result page is built when the first one is
        return readings;
    for (int k = 0; k < tabs->count(); ++k) {
        readings.captions << tabs->tabText(k);
        readings.texts << window.findChild<QTextEdit *>(u"RTB_%1"_s.arg(k))->toPlainText();
    }
    return readings;
}

WindowReadings windowReadings(const QString &first, const QString &middle, const QString &last, const QDate &date)
{
    FakePlatform platform;
    frmMain window(platform);
    window.findChild<QLineEdit *>(u"txtNameFirst"_s)->setText(first);
    window.findChild<QLineEdit *>(u"txtNameMiddle"_s)->setText(middle);
    window.findChild<QLineEdit *>(u"txtNameLast"_s)->setText(last);
    window.findChild<QComboBox *>(u"cboDate"_s)->setCurrentIndex(date.day() - 1);
    window.findChild<QComboBox *>(u"cboMonth"_s)->setCurrentIndex(date.month() - 1);
    window.findChild<QComboBox *>(u"cboYear"_s)->setCurrentText(QString::number(date.year()));
    window.findChild<QPushButton *>(u"cmdProceed"_s)->click();
    return readingsShown(window);
}

// Opens a report in the real window; the messages it showed go to messages.
WindowReadings windowOpening(const QString &fileName, QStringList *messages = nullptr)
{
    FakePlatform platform;
    frmMain window(platform);
    platform.chosenFiles.push_back(fileName);
    window.findChild<QPushButton *>(u"cmdOpen"_s)->click();
    if (messages != nullptr) {
        for (const velmora::Message &message : platform.messages)
            *messages << message.text;
    }
    return readingsShown(window);
}

QByteArray csvRow(const QByteArray &inputColumns, const Numbers &numbers)
{
    QByteArray row = inputColumns;
    for (const int number : numbers)
        row += ',' + QByteArray::number(number);
    return row + "\r\n";
}

const QByteArray kOutputHeader = "first,middle,last,date,destiny,personality,soul_urge,realization,pinnacle1,"
                                 "pinnacle2,pinnacle3,pinnacle4,hidden_passion,subconscious_self,attitude\r\n";
// Worked by hand from the letter chart and the reduction rules.
constexpr Numbers kJohnSmith1980 = {8, 11, 6, 3, 4, 6, 1, 7, 8, 7, 4};
constexpr Numbers kAnnaSmith1975 = {9, 7, 2, 6, 11, 6, 8, 22, 5, 6, 2};

bool isOneLine(const QByteArray &text)
{
    return text.endsWith('\n') && text.count('\n') == 1 && text.startsWith("tavi-velmora-cli: ");
}

} // namespace

Q_DECLARE_METATYPE(Numbers)

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void jsonGivesNumbersAndTheWindowsTexts_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("date");
        QTest::addColumn<Numbers>("numbers");
        QTest::newRow("John Smith, 15 July 1980") << u"John"_s << QString() << u"Smith"_s << u"1980-07-15"_s
                                                  << kJohnSmith1980;
        QTest::newRow("Anna Smith, 20 September 1975: master numbers")
            << u"Anna"_s << QString() << u"Smith"_s << u"1975-09-20"_s << kAnnaSmith1975;
        QTest::newRow("Lynn Wynn, 1 January 2000: no vowels")
            << u"Lynn"_s << QString() << u"Wynn"_s << u"2000-01-01"_s << Numbers{6, 6, 0, 1, 2, 3, 5, 3, 5, 3, 2};
        QTest::newRow("John Q Smith: a middle name counts")
            << u"John"_s << u"Q"_s << u"Smith"_s << u"1980-07-15"_s << Numbers{7, 1, 6, 2, 4, 6, 1, 7, 8, 7, 4};
        QTest::newRow("characters outside A-Z are skipped")
            << u"  Jo-h'n 3\u00e9"_s << QString() << u"Smith "_s << u"1980-07-15"_s << kJohnSmith1980;
    }
    void jsonGivesNumbersAndTheWindowsTexts()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, date);
        QFETCH(Numbers, numbers);

        const Outcome run = runCli(personArguments(first, middle, last, date) << u"--format"_s << u"json"_s);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);

        const QJsonObject input = root.value(u"input"_s).toObject();
        QCOMPARE(input.value(u"first"_s).toString(), first.trimmed());
        QCOMPARE(input.value(u"middle"_s).toString(), middle);
        QCOMPARE(input.value(u"last"_s).toString(), last.trimmed());
        QCOMPARE(input.value(u"date"_s).toString(), date);

        const QStringList keys = {u"destiny"_s,   u"personality"_s,   u"soulUrge"_s,         u"realization"_s,
                                  u"pinnacles"_s, u"hiddenPassion"_s, u"subconsciousSelf"_s, u"attitude"_s};
        QCOMPARE(root.size(), keys.size() + 1);
        const WindowReadings window = windowReadings(first, middle, last, QDate::fromString(date, Qt::ISODate));
        QList<int> found;
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const QJsonObject reading = root.value(keys[k]).toObject();
            if (keys[k] == u"pinnacles"_s) {
                QVERIFY(!reading.contains(u"number"_s));
                for (const QJsonValue value : reading.value(u"numbers"_s).toArray())
                    found << value.toInt(-1);
            } else {
                QVERIFY(!reading.contains(u"numbers"_s));
                found << reading.value(u"number"_s).toInt(-1);
            }
            QCOMPARE(reading.value(u"text"_s).toString(), window.texts[k]);
        }
        QCOMPARE(found, QList<int>(numbers.begin(), numbers.end()));
    }

    void textIsTheWindowsTextUnderEachTabCaption()
    {
        const Outcome run = runCli(personArguments(u"John"_s, u"Q"_s, u"Smith"_s, u"1980-07-15"_s));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        const WindowReadings window = windowReadings(u"John"_s, u"Q"_s, u"Smith"_s, QDate(1980, 7, 15));
        QString expected;
        for (qsizetype k = 0; k < window.texts.size(); ++k) {
            if (k > 0)
                expected += u'\n';
            expected += window.captions[k] + u'\n' + QString(window.captions[k].size(), u'-') + u'\n'
                + window.texts[k] + u'\n';
        }
        QCOMPARE(window.captions.size(), 8);
        QCOMPARE(QString::fromUtf8(run.out), expected);
    }

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
        const Outcome run = runCli({u"--batch"_s}, input);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, kOutputHeader + csvRow("John,,Smith,1980-07-15", kJohnSmith1980)
                              + csvRow("\"Jo,hn\",,\"Smi\"\"th\",1980-07-15", kJohnSmith1980)
                              + csvRow("\"Jo\r\nhn\",,Smith,1980-07-15", kJohnSmith1980)
                              + csvRow("Anna,,Smith,1975-09-20", kAnnaSmith1975)
                              + csvRow(" John ,,Smith,1980-07-15", kJohnSmith1980));
        const QList<QByteArray> errors = run.err.split('\n');
        QCOMPARE(errors.size(), 6);
        QVERIFY(errors.last().isEmpty());
        const std::array<QByteArray, 5> expected = {
            "tavi-velmora-cli: line 6: 3 fields, expected 4",
            "tavi-velmora-cli: line 7: the date is not a real date",
            "tavi-velmora-cli: line 8: the last name is empty",
            "tavi-velmora-cli: line 9: a quote inside an unquoted field",
            "tavi-velmora-cli: line 11: 5 fields, expected 4",
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
        const Outcome run = runCli({u"--batch"_s}, input);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kOutputHeader + csvRow("Anna,,Smith,1975-09-20", kAnnaSmith1975));
    }

    void batchReadsAnInputFile()
    {
        QFile file(path(u"people.csv"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("first,middle,last,date\r\nJohn,,Smith,1980-07-15\r\n");
        file.close();
        const Outcome run = runCli({u"--batch"_s, u"--input"_s, file.fileName()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kOutputHeader + csvRow("John,,Smith,1980-07-15", kJohnSmith1980));

        const Outcome missing = runCli({u"--batch"_s, u"--input"_s, path(u"missing.csv"_s)});
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
        const Outcome run = runCli({u"--batch"_s}, input);
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
        const Outcome run = runCli({u"--batch"_s, u"--input"_s, u"-"_s}, input);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        const QByteArray writtenHeader = header.startsWith("\xEF\xBB\xBF") ? header.mid(3) : header;
        const QByteArray numberColumns = kOutputHeader.mid(kOutputHeader.indexOf("destiny"));
        QCOMPARE(run.out, writtenHeader + ',' + numberColumns + csvRow(row, kJohnSmith1980));

        // Round trip: the output read again keeps every column, the numbers included, in place.
        const Outcome again = runCli({u"--batch"_s}, run.out);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out, writtenHeader + ',' + numberColumns.chopped(2) + ',' + numberColumns
                                + csvRow(csvRow(row, kJohnSmith1980).chopped(2), kJohnSmith1980));
    }

    void batchWritesJsonLines()
    {
        const QByteArray input = "Email,last,First,date\r\n"
                                 "j@x.example,Smith,John,1980-07-15\r\n"
                                 "a@x.example,,Anna,1975-09-20\r\n"
                                 "\"a,b\",Smith,Anna,1975-09-20\r\n";
        const Outcome run = runCli({u"--batch"_s, u"--format"_s, u"json"_s}, input);
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
            const Outcome single = runCli(QStringList(people[i].first) << u"--format"_s << u"json"_s);
            QJsonObject expected = QJsonDocument::fromJson(single.out).object();
            QJsonObject input = expected.value(u"input"_s).toObject();
            input.insert(u"Email"_s, people[i].second);
            expected.insert(u"input"_s, input);
            const QByteArray line = lines[static_cast<qsizetype>(i)];
            QVERIFY2(!line.contains('\r'), line);
            QCOMPARE(QJsonDocument::fromJson(line).object(), expected);
        }

        const Outcome twice = runCli({u"--batch"_s, u"--format"_s, u"json"_s}, "first,last,date,x,x\r\n");
        QCOMPARE(twice.exitCode, 1);
        QVERIFY2(isOneLine(twice.err) && twice.err.contains("'x' twice"), twice.err);
    }

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
        const QByteArray sound = [] {
            QTemporaryDir dir;
            const QString file = dir.filePath(u"sound.vlm"_s);
            runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--save"_s << file);
            QFile report(file);
            return report.open(QIODevice::ReadOnly) ? report.readAll() : QByteArray();
        }();
        QVERIFY(!sound.isEmpty());
        QTest::newRow("sound report named .txt") << u"report.txt"_s << sound;
        QTest::newRow("sound report named .VLM") << u"report.VLM"_s << sound;
        QTest::newRow("empty file") << u"empty.vlm"_s << QByteArray();
        QTest::newRow("three lines only") << u"short.vlm"_s << sound.left(sound.indexOf("\r\n", 0) + 2).repeated(3);
        QTest::newRow("no such file") << u"missing.vlm"_s << QByteArray("-");
    }
    void openRefusesWhatTheWindowRefuses()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString file = path(name);
        if (content != "-") {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        const Outcome run = runCli({u"--open"_s, file});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(isOneLine(run.err), run.err);
        QVERIFY2(run.err.endsWith(": Please Check The File.\n"), run.err);
        QStringList windowMessages;
        windowOpening(file, &windowMessages);
        QCOMPARE(windowMessages, QStringList{u"Please Check The File."_s});
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
                                   "--batch", "--input", "--version"})
            QVERIFY2(help.out.contains(option), option);
        const Outcome version = runCli({u"--version"_s});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("tavi-velmora-cli " VELMORA_VERSION "\n"));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
