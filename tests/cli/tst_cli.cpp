// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QStandardPaths>

#include <array>
#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cliapplication.h"
#include "fakeplatform.h"
#include "version.h"
#include "frmmain.h"
#include "watchdog.h"

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Outcome runProcess(QProcess &process, const QByteArray &input, int timeoutMs)
{
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

Outcome runCli(const QStringList &arguments, const QByteArray &input = {}, int timeoutMs = 60000,
              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_CLI_PATH), arguments);
    return runProcess(process, input, timeoutMs);
}

// Runs the tool through the shell, so that an argument may hold bytes that
// are not UTF-8 (written as printf escapes, such as \\377): QProcess would
// pass them as U+FFFD.
Outcome runCliWithBytes(const QString &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(u"/bin/sh"_s, {u"-c"_s, u"exec \"$0\" "_s + arguments, QStringLiteral(VELMORA_CLI_PATH)});
    return runProcess(process, {}, 10000);
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
                                 "karmic_lessons,karmic_debts\r\n";
// The batches below run on 1 January 2026.
const QStringList kBatchOn = {u"--on"_s, u"2026-01-01"_s, u"--batch"_s};
// Worked by hand: Life Path, Birthday, the four challenges, the Personal Year
// on 1 January 2026, the Karmic Lessons and Debts. John Smith: 15 + 7 + 1980 =
// 2002 → 4; m 7, d 15 → 6, y 1980 → 9; 15 + 7 + 2026 = 2048 → 14 → 5; no letter
// is 3 or 7. Anna Smith: 2004 → 6; m 9, d 20 → 2, y 1975 → 22 → 4; 2055 → 12 → 3.
const QByteArray kJohnSmithMore = "4,15,1,3,2,2,5,3 7,";
const QByteArray kAnnaSmithMore = "6,20,7,2,5,5,3,3 6 7,";
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
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void jsonGivesNumbersAndTheWindowsTexts_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("date");
        QTest::addColumn<Numbers>("numbers");
        QTest::addColumn<QByteArray>("warning");
        QTest::newRow("John Smith, 15 July 1980") << u"John"_s << QString() << u"Smith"_s << u"1980-07-15"_s
                                                  << kJohnSmith1980 << QByteArray();
        QTest::newRow("Anna Smith, 20 September 1975: master numbers")
            << u"Anna"_s << QString() << u"Smith"_s << u"1975-09-20"_s << kAnnaSmith1975 << QByteArray();
        QTest::newRow("Lynn Wynn, 1 January 2000: no vowels")
            << u"Lynn"_s << QString() << u"Wynn"_s << u"2000-01-01"_s << Numbers{6, 6, 0, 1, 2, 3, 5, 3, 5, 3, 2}
            << QByteArray();
        QTest::newRow("John Q Smith: a middle name counts")
            << u"John"_s << u"Q"_s << u"Smith"_s << u"1980-07-15"_s << Numbers{7, 1, 6, 2, 4, 6, 1, 7, 8, 7, 4}
            << QByteArray();
        QTest::newRow("characters outside A-Z are skipped, and said so")
            << u"  Jo-h'n 3\u00e9"_s << QString() << u"Smith "_s << u"1980-07-15"_s << kJohnSmith1980
            << QByteArray("tavi-velmora-cli: 3 and \u00e9 in Jo-h'n 3\u00e9 Smith do not count: only the letters "
                          "A\u2013Z do\n");
    }
    void jsonGivesNumbersAndTheWindowsTexts()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, date);
        QFETCH(Numbers, numbers);
        QFETCH(QByteArray, warning);

        const Outcome run = runCli(personArguments(first, middle, last, date) << u"--format"_s << u"json"_s);
        QCOMPARE(run.err, warning);
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
        QCOMPARE(root.size(), keys.size() + 1 + 8); // and the further numbers
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
        // The eight readings as before, then the further numbers.
        QVERIFY(QString::fromUtf8(run.out).startsWith(expected + u"\nMore numbers\n============\n"_s));
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
                                   << (option == u"--pdf"_s ? u"a link to something other than a regular file"_s
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
        if (kind == u"missing folder"_s) {
            file = dir.filePath(u"no/such/john.vlm"_s);
        } else if (kind == u"under a file"_s) {
            QFile(file).open(QIODevice::WriteOnly);
            file += u"/john.vlm"_s;
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

    // Through a link the PDF replaces the regular file it points to, and the link stays.
    void pdfThroughALinkReplacesItsFile()
    {
        const QTemporaryDir dir;
        QFile target(dir.filePath(u"target.txt"_s));
        QVERIFY(target.open(QIODevice::WriteOnly) && target.write("old") == 3);
        target.close();
        const QByteArray link = QFile::encodeName(dir.filePath(u"john.pdf"_s));
        QVERIFY(::symlink("target.txt", link.constData()) == 0);
        const Outcome run = runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s)
                                   << u"--pdf"_s << QFile::decodeName(link));
        QCOMPARE(run.exitCode, 0);
        struct stat info {};
        QVERIFY(::lstat(link.constData(), &info) == 0 && S_ISLNK(info.st_mode));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QVERIFY(target.readAll().startsWith("%PDF-"));
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

    // The PDF is drawn with no display at all, whatever platform is asked
    // for, and without a word from Qt on standard error.
    void pdfHoldsThePersonAndEveryReading_data()
    {
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<bool>("printsToo");
        QTest::addColumn<bool>("toStandardOutput");
        const QStringList paul = personArguments(u"John"_s, u"Paul"_s, u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("a person") << paul << false << false;
        QTest::newRow("a person, with text") << (QStringList(paul) << u"--format"_s << u"text"_s) << true << false;
        QTest::newRow("a report") << QStringList{u"--open"_s, u"report"_s} << false << false;
        QTest::newRow("a person, to standard output") << paul << false << true;
    }
    void pdfHoldsThePersonAndEveryReading()
    {
        QFETCH(QStringList, source);
        QFETCH(bool, printsToo);
        QFETCH(bool, toStandardOutput);
#ifndef VELMORA_PDFTOTEXT
        QSKIP("pdftotext (poppler-utils) is missing");
#else
        const QString report = path(u"paul.vlm"_s);
        if (!QFile::exists(report))
            QCOMPARE(runCli(personArguments(u"John"_s, u"Paul"_s, u"Smith"_s, u"1980-07-15"_s)
                            << u"--save"_s << report)
                         .exitCode,
                     0);
        source.replaceInStrings(u"report"_s, report);
        const QString pdf = path(u"paul.pdf"_s);
        QFile::remove(pdf);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"XDG_RUNTIME_DIR"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        const Outcome run =
            runCli(source << u"--pdf"_s << (toStandardOutput ? u"-"_s : pdf), {}, 60000, environment);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        if (toStandardOutput) {
            QVERIFY(run.out.startsWith("%PDF-"));
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(run.out) == run.out.size());
        } else {
            QCOMPARE(run.out.contains("Destiny Number"), printsToo);
        }

        QProcess reader;
        reader.start(QStringLiteral(VELMORA_PDFTOTEXT), {pdf, u"-"_s});
        QVERIFY(reader.waitForFinished(30000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(text.startsWith(u"John Paul Smith\nDate of birth: 15 July 1980\n"_s), qPrintable(text.left(80)));
        qsizetype from = 0;
        for (const char *caption : {"Destiny Number", "Personality Number", "Soul Urge Number", "Realization Number",
                                    "Pinnacle Number", "Hidden Passion Number", "Subconscious Self Number",
                                    "Attitude Number"}) {
            from = text.indexOf(QLatin1StringView(caption) + u'\n', from);
            QVERIFY2(from > 0, caption);
        }
        for (const char *part : {"More numbers", "Life Path Number: 4", "Appendix: how the numbers were found"}) {
            from = text.indexOf(QLatin1StringView(part) + u'\n', from);
            QVERIFY2(from > 0, part);
        }
#endif
    }

    // Worked by hand. David Brown: D4 A1 V4 I9 D4 B2 R9 O6 W5 N5 = 49, whose
    // digit sum 13 is a debt; his vowels A1 I9 O6 make exactly 16. Born on
    // 3 March his month and day reduce alike: a first challenge of 0.
    void moreNumbersWorkedByHand_data()
    {
        QTest::addColumn<QStringList>("person");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QList<int>>("single"); // life path, birthday, personal year, month, day
        QTest::addColumn<QList<int>>("challenges");
        QTest::addColumn<QList<int>>("lessons");
        QTest::addColumn<QList<int>>("debts");
        QTest::addColumn<QStringList>("debtsFrom");
        QTest::addColumn<QStringList>("headings");
        const QStringList john = personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        // 15 + 7 + 2025 = 2047 → 13 → 4; 4 + 12 = 16 → 7; 7 + 31 = 38 → 11 → 2
        QTest::newRow("John Smith on the last day of 2025")
            << john << u"2025-12-31"_s << QList<int>{4, 15, 4, 7, 2} << QList<int>{1, 3, 2, 2} << QList<int>{3, 7}
            << QList<int>{} << QStringList{}
            << QStringList{u"Life Path Number: 4"_s, u"Personal Year 2025: 4"_s,
                           u"Personal Month, December 2025: 7"_s, u"Personal Day, 31 December 2025: 2"_s,
                           u"Karmic Lessons: 3, 7"_s, u"Karmic Debts: none"_s};
        // 15 + 7 + 2026 = 2048 → 14 → 5; 5 + 1 = 6; 6 + 1 = 7
        QTest::newRow("John Smith on the first day of 2026")
            << john << u"2026-01-01"_s << QList<int>{4, 15, 5, 6, 7} << QList<int>{1, 3, 2, 2} << QList<int>{3, 7}
            << QList<int>{} << QStringList{}
            << QStringList{u"Personal Year 2026: 5"_s, u"Personal Day, 1 January 2026: 7"_s};
        // 3 + 3 + 1990 = 1996 → 25 → 7; m 3, d 3, y 1990 → 19 → 10 → 1; 3 + 3 + 2026 = 2032 → 7
        QTest::newRow("David Brown: debts in a digit sum and a starting total, a challenge of 0")
            << personArguments(u"David"_s, QString(), u"Brown"_s, u"1990-03-03"_s) << u"2026-06-15"_s
            << QList<int>{7, 3, 7, 4, 1} << QList<int>{0, 2, 2, 2} << QList<int>{3, 7, 8} << QList<int>{13, 16}
            << QStringList{u"destiny"_s, u"soulUrge"_s}
            << QStringList{u"Challenge Numbers: 0, 2, 2, 2"_s, u"Karmic Debts: 13 (Destiny), 16 (Soul Urge)"_s};
    }
    void moreNumbersWorkedByHand()
    {
        QFETCH(QStringList, person);
        QFETCH(QString, on);
        QFETCH(QList<int>, single);
        QFETCH(QList<int>, challenges);
        QFETCH(QList<int>, lessons);
        QFETCH(QList<int>, debts);
        QFETCH(QStringList, debtsFrom);
        QFETCH(QStringList, headings);

        const Outcome json = runCli(QStringList(person) << u"--on"_s << on << u"--format"_s << u"json"_s);
        QCOMPARE(json.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        const auto numbers = [&](const QString &key) {
            QList<int> list;
            for (const QJsonValue value : root.value(key).toObject().value(u"numbers"_s).toArray())
                list << value.toInt(-1);
            return list;
        };
        QList<int> found;
        for (const QString &key : {u"lifePath"_s, u"birthday"_s, u"personalYear"_s, u"personalMonth"_s,
                                   u"personalDay"_s})
            found << root.value(key).toObject().value(u"number"_s).toInt(-1);
        QCOMPARE(found, single);
        QCOMPARE(root.value(u"personalYear"_s).toObject().value(u"year"_s).toInt(), on.left(4).toInt());
        QCOMPARE(numbers(u"challenges"_s), challenges);
        QCOMPARE(numbers(u"karmicLessons"_s), lessons);
        QCOMPARE(numbers(u"karmicDebts"_s), debts);
        QStringList from;
        for (const QJsonValue value : root.value(u"karmicDebts"_s).toObject().value(u"from"_s).toArray())
            from << value.toString();
        QCOMPARE(from, debtsFrom);

        // The text gives the same numbers under their headings, each reading as in JSON.
        const Outcome text = runCli(QStringList(person) << u"--on"_s << on);
        QCOMPARE(text.exitCode, 0);
        const QString printed = QString::fromUtf8(text.out);
        for (const QString &heading : headings)
            QVERIFY2(printed.contains(u'\n' + heading + u'\n' + QString(heading.toUtf8().size(), u'-') + u'\n'),
                     qPrintable(heading));
        for (const QString &key : {u"lifePath"_s, u"challenges"_s, u"karmicLessons"_s, u"karmicDebts"_s})
            QVERIFY2(printed.contains(root.value(key).toObject().value(u"text"_s).toString()), qPrintable(key));
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
        QCOMPARE(QString::fromUtf8(fields.value(fields.size() - 2)), listed(u"karmicLessons"_s));
        QCOMPARE(QString::fromUtf8(fields.value(fields.size() - 1)), listed(u"karmicDebts"_s));
    }

    // Every working that adds terms adds them right, and every arrow is the
    // digit sum of the number before it.
    void explainedStepsAddUp_data()
    {
        QTest::addColumn<QStringList>("person");
        QTest::newRow("John Smith") << personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("Anna Lee Smith: master numbers")
            << personArguments(u"Anna"_s, u"Lee"_s, u"Smith"_s, u"1975-09-20"_s);
        QTest::newRow("David Brown") << personArguments(u"David"_s, QString(), u"Brown"_s, u"1990-03-03"_s);
    }
    void explainedStepsAddUp()
    {
        QFETCH(QStringList, person);
        const Outcome json =
            runCli(QStringList(person) << u"--on"_s << u"2026-01-01"_s << u"--explain"_s << u"--format"_s << u"json"_s);
        QCOMPARE(json.exitCode, 0);
        const QJsonObject working = QJsonDocument::fromJson(json.out).object().value(u"working"_s).toObject();
        QCOMPARE(working.size(), 21);
        const auto digitSum = [](qint64 n) {
            qint64 sum = 0;
            for (; n > 0; n /= 10)
                sum += n % 10;
            return sum;
        };
        static const QRegularExpression number(u"\\d+"_s);
        int sums = 0;
        for (auto it = working.begin(); it != working.end(); ++it) {
            const QString line = it.value().toString();
            const qsizetype equals = line.indexOf(u" = "_s);
            if (equals < 0 || line.contains(u'|') || line.contains(u':'))
                continue; // differences, counts and the most frequent letter
            // "J1 O6 H8" or "day 15 + month 7 + year 1980": each term's value is its last number.
            const QString left = line.left(equals);
            qint64 terms = 0;
            for (const QString &term : left.contains(u" + "_s) ? left.split(u" + "_s) : left.split(u' ')) {
                QString value;
                for (const QRegularExpressionMatch &match : number.globalMatch(term))
                    value = match.captured();
                terms += value.toLongLong();
            }
            QList<qint64> chain;
            for (const QString &step : line.mid(equals + 3).section(u" ("_s, 0, 0).split(u" → "_s))
                chain << step.toLongLong();
            QVERIFY2(chain.constFirst() == terms, qPrintable(it.key() + u": "_s + line));
            for (qsizetype k = 1; k < chain.size(); ++k)
                QVERIFY2(chain[k] == digitSum(chain[k - 1]), qPrintable(it.key() + u": "_s + line));
            ++sums;
        }
        QVERIFY(sums >= 10);

        const Outcome text = runCli(QStringList(person) << u"--on"_s << u"2026-01-01"_s << u"--explain"_s);
        QCOMPARE(text.exitCode, 0);
        const QString printed = QString::fromUtf8(text.out);
        QVERIFY(printed.contains(u"\nHow the numbers were found\n==========================\n"_s));
        QVERIFY(printed.contains(u"\nDestiny: "_s + working.value(u"destiny"_s).toString() + u'\n'));
    }

    void explainShowsTheLettersWithTheirValues()
    {
        const Outcome text = runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s)
                                    << u"--explain"_s);
        QCOMPARE(text.exitCode, 0);
        for (const char *line : {"Destiny: J1 O6 H8 N5 S1 M4 I9 T2 H8 = 44 → 8\n",
                                 "Personality: J1 H8 N5 S1 M4 T2 H8 = 29 → 11 (master number, kept)\n",
                                 "Life Path: day 15 + month 7 + year 1980 = 2002 → 4\n"})
            QVERIFY2(text.out.contains(line), line);
    }

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

    // One line per person on the error stream, and in a batch one line in all.
    void lettersThatDoNotCountAreSaid_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("warning");
        QTest::addColumn<QStringList>("sameAs"); // the person whose numbers these are
        const QStringList jose = personArguments(u"Jos\u00e9"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("é does not count") << jose
                                          << QByteArray("tavi-velmora-cli: \u00e9 in Jos\u00e9 Smith does not count: "
                                                        "only the letters A\u2013Z do\n")
                                          << personArguments(u"Jos"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("é counts as e when folded")
            << (QStringList(jose) << u"--fold-accents"_s) << QByteArray()
            << personArguments(u"Jose"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("ß counts as ss, Ø as O")
            << (personArguments(u"\u00d8rn"_s, QString(), u"Gro\u00df"_s, u"1980-07-15"_s) << u"--fold-accents"_s)
            << QByteArray() << personArguments(u"Orn"_s, QString(), u"Gross"_s, u"1980-07-15"_s);
        QTest::newRow("Cyrillic has no base letter")
            << (personArguments(u"\u0418\u0432\u0430\u043d"_s, QString(), u"Smith"_s, u"1980-07-15"_s)
                << u"--fold-accents"_s)
            << QByteArray("tavi-velmora-cli: \u0418, \u0432, \u0430 and \u043d in \u0418\u0432\u0430\u043d Smith do "
                          "not count: only the letters A\u2013Z do\n")
            << personArguments(u"."_s, QString(), u"Smith"_s, u"1980-07-15"_s); // a first name that counts nothing
    }
    void lettersThatDoNotCountAreSaid()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, warning);
        QFETCH(QStringList, sameAs);
        const QStringList json{u"--format"_s, u"json"_s, u"--on"_s, u"2026-01-01"_s};
        const Outcome run = runCli(QStringList(arguments) << json);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, warning);
        QJsonObject found = QJsonDocument::fromJson(run.out).object();
        QJsonObject expected = QJsonDocument::fromJson(runCli(QStringList(sameAs) << json).out).object();
        found.remove(u"input"_s);
        expected.remove(u"input"_s);
        QCOMPARE(found, expected);
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

    // Printing from the window gives the very document the tool writes, on
    // an ordinary printer and on one that cannot print near the edges.
    void windowPrintsWhatTheToolWrites_data()
    {
        QTest::addColumn<QMarginsF>("unprintable");
        QTest::newRow("printer that prints to the margins") << QMarginsF();
        QTest::newRow("printer with narrower edges than the margins") << QMarginsF(5, 5, 5, 5);
    }
    void windowPrintsWhatTheToolWrites()
    {
        QFETCH(QMarginsF, unprintable);
#ifndef VELMORA_PDFTOTEXT
        QSKIP("pdftotext (poppler-utils) is missing");
#else
        FakePlatform platform;
        platform.printerUnprintable = unprintable;
        platform.date = QDate(2027, 1, 1); // the window's today is the tool's date of interest
        const QString toolPdf = path(u"tool.pdf"_s);
        QCOMPARE(runCli(personArguments(u"John"_s, u"Paul"_s, u"Smith"_s, u"1980-07-15"_s)
                        << u"--pdf"_s << toolPdf << u"--on"_s << u"2027-01-01"_s)
                     .exitCode,
                 0);
        frmMain window(platform);
        window.findChild<QLineEdit *>(u"txtNameFirst"_s)->setText(u"John"_s);
        window.findChild<QLineEdit *>(u"txtNameMiddle"_s)->setText(u"Paul"_s);
        window.findChild<QLineEdit *>(u"txtNameLast"_s)->setText(u"Smith"_s);
        window.findChild<QComboBox *>(u"cboDate"_s)->setCurrentIndex(14);
        window.findChild<QComboBox *>(u"cboMonth"_s)->setCurrentIndex(6);
        window.findChild<QComboBox *>(u"cboYear"_s)->setCurrentText(u"1980"_s);
        window.findChild<QPushButton *>(u"cmdProceed"_s)->click();
        window.printReport();
        QCOMPARE(platform.printJobs.size(), 1);
        QCOMPARE(platform.printJobs.constFirst().title, u"Velmora readings: John Paul Smith"_s);
        QCOMPARE(platform.printJobs.constFirst().creator, u"Tavi Velmora " VELMORA_VERSION ""_s);
        const QString windowPdf = path(u"window.pdf"_s);
        QFile file(windowPdf);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(platform.printedPdf) == platform.printedPdf.size());
        file.close();

        // Word by word, in the same place on the same page.
        const auto words = [](const QString &fileName) {
            QProcess reader;
            reader.start(QStringLiteral(VELMORA_PDFTOTEXT), {u"-bbox"_s, fileName, u"-"_s});
            reader.waitForFinished(30000);
            QByteArray text = reader.readAllStandardOutput();
            return text.mid(text.indexOf("<doc>"));
        };
        const QByteArray printed = words(windowPdf);
        QVERIFY(printed.count("<page ") > 1);
        QVERIFY(printed.contains(">2027:</word>")); // "Personal Year 2027: ..."
        QCOMPARE(printed, words(toolPdf));
#endif
    }

    void pdfThatCannotBeWrittenSaysSo()
    {
        const QString pdf = path(u"no-such-folder/out.pdf"_s);
        const Outcome run =
            runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--pdf"_s << pdf);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(isOneLine(run.err) && run.err.contains("out.pdf"), run.err);
        QCOMPARE(run.out, QByteArray());
        QVERIFY(!QFile::exists(pdf));
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

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
