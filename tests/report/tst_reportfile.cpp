// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "reportfile.h"
#include "scrambler.h"
#include "watchdog.h"

using namespace Qt::StringLiterals;
using velmora::BirthData;

Q_DECLARE_METATYPE(velmora::BirthData)

namespace velmora {

char *toString(const BirthData &data)
{
    return QTest::toString(u"%1|%2|%3|%4|%5|%6|%7"_s.arg(QString::fromStdString(data.FirstName),
                                                         QString::fromStdString(data.MiddleName),
                                                         QString::fromStdString(data.LastName))
                               .arg(data.BirthDay)
                               .arg(data.BirthMonth)
                               .arg(QString::fromStdString(data.BirthMonthName))
                               .arg(data.BirthYear));
}

} // namespace velmora

namespace {

BirthData birthData(const std::string &first, const std::string &middle, const std::string &last, int day, int month,
                    const std::string &monthName, int year)
{
    return BirthData{first,
                     middle,
                     last,
                     static_cast<std::int16_t>(day),
                     static_cast<std::int16_t>(month),
                     monthName,
                     static_cast<std::int16_t>(year)};
}

BirthData marySmith()
{
    return birthData("Mary", "", "Smith", 7, 3, "March", 1985);
}

// The plain lines of Mary Smith's report with other texts for the numbers.
QStringList maryLines(const QString &day, const QString &month, const QString &year)
{
    return {u"Mary"_s, QString(), u"Smith"_s, day, month, u"March"_s, year};
}

// A hand-made report: the plain lines scrambled, each followed by the line end.
QByteArray reportOf(const QStringList &lines, QByteArrayView lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += velmora::scrambleToBytes(line).value() + lineEnd.toByteArray();
    return bytes;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeLink(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What lies at the path, without following a link: its kind, and a link's
// target or a regular file's bytes.
QString entryAt(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return u"nothing"_s;
    if (S_ISLNK(info.st_mode))
        return u"link to "_s + QFileInfo(path).symLinkTarget();
    if (S_ISFIFO(info.st_mode))
        return u"fifo"_s;
    if (S_ISDIR(info.st_mode))
        return u"folder"_s;
    if (S_ISREG(info.st_mode))
        return u"file "_s + QString::fromLatin1(contentOf(path).toHex());
    return u"other"_s;
}

// Every entry of the folder, as entryAt describes it.
QStringList folderEntries(const QString &folder)
{
    QStringList entries;
    for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        entries << name + u": "_s + entryAt(QDir(folder).filePath(name));
    return entries;
}

} // namespace

class TestReportFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Settings and standard folders stay away from the user's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void writesSevenScrambledLines();
    void readsBackWhatItWrites_data();
    void readsBackWhatItWrites();
    void refusesWhatCannotBeStored_data();
    void refusesWhatCannotBeStored();
    void convertsNumberLines_data();
    void convertsNumberLines();
    void refusesBadNumberLines_data();
    void refusesBadNumberLines();
    void splitsLinesAtCarriageReturns_data();
    void splitsLinesAtCarriageReturns();
    void judgesCorpusFiles_data();
    void judgesCorpusFiles();
    void refusesFilesOverTheSizeLimit();
    void refusesWhatCannotBeRead_data();
    void refusesWhatCannotBeRead();
    void savingUnderARegularFileFails();
    void savingOntoAFolderFails();
    void refusesSpecialFilesWithoutWaiting_data();
    void refusesSpecialFilesWithoutWaiting();
    void refusesToSaveOntoAnythingButAReport_data();
    void refusesToSaveOntoAnythingButAReport();
    void savesThroughALinkToAReport();
    void failedWriteKeepsThePreviousFile();
    void checksTheExtension_data();
    void checksTheExtension();

private:
    QTemporaryDir m_folder;
};

// The stored form that every report ever written depends on; the empty
// middle name is an empty second line.
void TestReportFile::writesSevenScrambledLines()
{
    QCOMPARE(velmora::writeReport(marySmith()), QByteArray("Pdu|\r\n\r\nVplwk\r\n:\r\n6\r\nPdufk\r\n4<;8\r\n"));
}

void TestReportFile::readsBackWhatItWrites_data()
{
    QTest::addColumn<BirthData>("data");

    QTest::newRow("empty middle name") << marySmith();
    QTest::newRow("middle name") << birthData("John", "Paul", "Jones", 31, 12, "December", 1999);
    QTest::newRow("earliest date") << birthData("Ann", "", "Lee", 1, 1, "January", velmora::kMinYear);
    QTest::newRow("latest date") << birthData("Ann", "", "Lee", 31, 12, "December", velmora::kMaxYear);
    QTest::newRow("Windows-1252 letters") << birthData("Zoë", "François", "Müller", 2, 5, "May", 1970);
    QTest::newRow("space, hyphen and apostrophe") << birthData("Mary Ann", "", "O'Neil-Smith", 9, 9, "September", 2001);
    QTest::newRow("month name kept as written") << birthData("Mary", "", "Smith", 7, 3, "Smarch", 1985);
    QTest::newRow("month name scrambled to a lone LF") << birthData("Mary", "", "Smith", 7, 3, "Ma\arch", 1985);
}

void TestReportFile::readsBackWhatItWrites()
{
    QFETCH(BirthData, data);

    const std::optional<QByteArray> bytes = velmora::writeReport(data);
    QVERIFY(bytes);
    const std::optional<BirthData> read = velmora::readReport(*bytes);
    QVERIFY(read);
    QCOMPARE(*read, data);

    // Every row saves over the file of the row before.
    const QString path = m_folder.filePath(u"report.vlm"_s);
    QVERIFY(velmora::saveReportFile(path, data));
    QCOMPARE(contentOf(path), *bytes);
    const std::optional<BirthData> loaded = velmora::loadReportFile(path);
    QVERIFY(loaded);
    QCOMPARE(*loaded, data);
}

void TestReportFile::refusesWhatCannotBeStored_data()
{
    QTest::addColumn<BirthData>("data");

    QTest::newRow("character outside Windows-1252") << birthData("Mary\u2603", "", "Smith", 7, 3, "March", 1985);
    QTest::newRow("code plus offset above 255") << birthData("Mary", "", "Smith\u00FF", 7, 3, "March", 1985);
    QTest::newRow("invalid UTF-8") << birthData("Mar\xff", "", "Smith", 7, 3, "March", 1985);
    QTest::newRow("line break in the month name") << birthData("Mary", "", "Smith", 7, 3, "Ma\nrch", 1985);
    QTest::newRow("tab in the first name") << birthData("Ma\try", "", "Smith", 7, 3, "March", 1985);
    QTest::newRow("empty first name") << birthData("", "", "Smith", 7, 3, "March", 1985);
    QTest::newRow("all-space last name") << birthData("Mary", "", "   ", 7, 3, "March", 1985);
    QTest::newRow("day 0") << birthData("Mary", "", "Smith", 0, 3, "March", 1985);
    QTest::newRow("month 13") << birthData("Mary", "", "Smith", 7, 13, "March", 1985);
    QTest::newRow("year 10000") << birthData("Mary", "", "Smith", 7, 3, "March", 10000);
    QTest::newRow("over the size limit")
        << birthData(std::string(velmora::kMaxReportSize, 'a'), "", "Smith", 7, 3, "March", 1985);
}

void TestReportFile::refusesWhatCannotBeStored()
{
    QFETCH(BirthData, data);

    QCOMPARE(velmora::writeReport(data), std::nullopt);

    const QString path = m_folder.filePath(u"kept.vlm"_s);
    const QByteArray previous = velmora::writeReport(marySmith()).value();
    QVERIFY(writeFile(path, previous));
    QVERIFY(!velmora::saveReportFile(path, data));
    QCOMPARE(contentOf(path), previous);
}

void TestReportFile::convertsNumberLines_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("expectedDay");
    QTest::addColumn<int>("expectedMonth");
    QTest::addColumn<int>("expectedYear");

    QTest::newRow("day 12.6 rounds up to 13") << u"12.6"_s << u"3"_s << u"1985"_s << 13 << 3 << 1985;
    QTest::newRow("day 12.5 rounds to the even 12") << u"12.5"_s << u"3"_s << u"1985"_s << 12 << 3 << 1985;
    QTest::newRow("day 13.5 rounds to the even 14") << u"13.5"_s << u"3"_s << u"1985"_s << 14 << 3 << 1985;
    QTest::newRow("day just above a half rounds up")
        << u"12.50000000000000000001"_s << u"3"_s << u"1985"_s << 13 << 3 << 1985;
    QTest::newRow("day just below a half rounds down")
        << u"12.49999999999999999999"_s << u"3"_s << u"1985"_s << 12 << 3 << 1985;
    QTest::newRow("month 2.5 rounds to the even 2") << u"7"_s << u"2.5"_s << u"1985"_s << 7 << 2 << 1985;
    QTest::newRow("year 1984.5 rounds to the even 1984") << u"7"_s << u"3"_s << u"1984.5"_s << 7 << 3 << 1984;
    QTest::newRow("sign and spaces around") << u" +7 "_s << u"3"_s << u"1985"_s << 7 << 3 << 1985;
    QTest::newRow("fraction without whole part") << u".6"_s << u"3"_s << u"1985"_s << 1 << 3 << 1985;
    QTest::newRow("point without fraction") << u"7."_s << u"3"_s << u"1985"_s << 7 << 3 << 1985;
}

void TestReportFile::convertsNumberLines()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(int, expectedDay);
    QFETCH(int, expectedMonth);
    QFETCH(int, expectedYear);

    const std::optional<BirthData> read = velmora::readReport(reportOf(maryLines(day, month, year)));
    QVERIFY(read);
    QCOMPARE(*read, birthData("Mary", "", "Smith", expectedDay, expectedMonth, "March", expectedYear));
}

void TestReportFile::refusesBadNumberLines_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");

    QTest::newRow("day 0.4 rounds to 0") << u"0.4"_s << u"3"_s << u"1985"_s;
    QTest::newRow("day 0.5 rounds to the even 0") << u"0.5"_s << u"3"_s << u"1985"_s;
    QTest::newRow("month 12.51 rounds to 13") << u"7"_s << u"12.51"_s << u"1985"_s;
    QTest::newRow("exponent") << u"1e1"_s << u"3"_s << u"1985"_s;
    QTest::newRow("decimal comma") << u"7,4"_s << u"3"_s << u"1985"_s;
    QTest::newRow("two signs") << u"+-7"_s << u"3"_s << u"1985"_s;
    QTest::newRow("sign only") << u"7"_s << u"-"_s << u"1985"_s;
    QTest::newRow("space inside") << u"7"_s << u"3"_s << u"19 85"_s;
    QTest::newRow("superscript digit") << u"\u00B2"_s << u"3"_s << u"1985"_s;
}

void TestReportFile::refusesBadNumberLines()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);

    QCOMPARE(velmora::readReport(reportOf(maryLines(day, month, year))), std::nullopt);
}

// A lone CR ends a line, CR LF ends one line, and a lone LF is part of a line.
void TestReportFile::splitsLinesAtCarriageReturns_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<BirthData>("expected");

    const QByteArray lastLines = reportOf({u"Smith"_s, u"7"_s, u"3"_s, u"March"_s, u"1985"_s});
    QTest::newRow("CR then CR LF holds an empty line") << reportOf({u"Mary"_s}, "\r") + "\r\n" + lastLines
                                                       << marySmith();
    const QByteArray lfInMonthName = reportOf({u"Mary"_s, QString(), u"Smith"_s, u"7"_s, u"3"_s}) + "Pdu\nfk\r\n"
        + reportOf({u"1985"_s});
    QTest::newRow("lone LF stays in the month-name line") << lfInMonthName
                                                          << birthData("Mary", "", "Smith", 7, 3, "Mar\ach", 1985);
}

void TestReportFile::splitsLinesAtCarriageReturns()
{
    QFETCH(QByteArray, bytes);
    QFETCH(BirthData, expected);

    const std::optional<BirthData> read = velmora::readReport(bytes);
    QVERIFY(read);
    QCOMPARE(*read, expected);
}

// data/sound holds hand-made forms of Mary Smith's report; data/damaged
// holds reports with one fault each.
void TestReportFile::judgesCorpusFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("sound");

    for (const bool sound : {true, false}) {
        const QDir folder(QStringLiteral(VELMORA_REPORT_DATA) + (sound ? u"/sound"_s : u"/damaged"_s));
        const QStringList names = folder.entryList({u"*.vlm"_s}, QDir::Files, QDir::Name);
        QVERIFY2(!names.isEmpty(), qPrintable(folder.path()));
        for (const QString &name : names)
            QTest::addRow("%s/%s", sound ? "sound" : "damaged", qPrintable(name)) << folder.filePath(name) << sound;
    }
}

void TestReportFile::judgesCorpusFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, sound);

    const std::optional<BirthData> expected = sound ? std::optional(marySmith()) : std::nullopt;
    QCOMPARE(velmora::readReport(contentOf(path)), expected);
    QCOMPARE(velmora::loadReportFile(path), expected);
}

void TestReportFile::refusesFilesOverTheSizeLimit()
{
    QByteArray bytes = velmora::writeReport(marySmith()).value();
    bytes.append(velmora::kMaxReportSize - bytes.size(), 'x');
    const QString path = m_folder.filePath(u"large.vlm"_s);

    QVERIFY(writeFile(path, bytes));
    QCOMPARE(velmora::readReport(bytes), marySmith());
    QCOMPARE(velmora::loadReportFile(path), marySmith());

    bytes.append('x');
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(velmora::readReport(bytes), std::nullopt);
    QCOMPARE(velmora::loadReportFile(path), std::nullopt);
}

void TestReportFile::refusesWhatCannotBeRead_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("missing file") << m_folder.filePath(u"missing.vlm"_s);
    QTest::newRow("folder") << m_folder.path();
}

void TestReportFile::refusesWhatCannotBeRead()
{
    QFETCH(QString, path);

    QCOMPARE(velmora::loadReportFile(path), std::nullopt);
}

void TestReportFile::refusesSpecialFilesWithoutWaiting_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << u"missing"_s << systemText(ENOENT);
    QTest::newRow("folder") << u"folder"_s << systemText(EISDIR);
    QTest::newRow("fifo") << u"fifo"_s << u"not a regular file"_s;
    QTest::newRow("link to a fifo") << u"link to fifo"_s << u"not a regular file"_s;
    QTest::newRow("link to a device") << u"link to device"_s << u"not a regular file"_s;
    QTest::newRow("unreadable") << u"unreadable"_s << systemText(EACCES);
    QTest::newRow("sound report") << u"report"_s << QString();
    QTest::newRow("damaged report") << u"damaged"_s << QString();
}

// No writer ever comes to the FIFO: opening it must not wait for one.
void TestReportFile::refusesSpecialFilesWithoutWaiting()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    const QTemporaryDir folder;
    const QString path = folder.filePath(u"x.vlm"_s);
    const QString fifo = folder.filePath(u"pipe"_s);
    if (kind == u"folder"_s)
        QVERIFY(QDir(folder.path()).mkdir(u"x.vlm"_s));
    else if (kind == u"fifo"_s)
        QVERIFY(makeFifo(path));
    else if (kind == u"link to fifo"_s)
        QVERIFY(makeFifo(fifo) && makeLink(fifo, path));
    else if (kind == u"link to device"_s)
        QVERIFY(makeLink(u"/dev/zero"_s, path));
    else if (kind == u"report"_s || kind == u"unreadable"_s)
        QVERIFY(writeFile(path, velmora::writeReport(marySmith()).value()));
    else if (kind == u"damaged"_s)
        QVERIFY(writeFile(path, "damaged"));
    if (kind == u"unreadable"_s) {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }

    QString why = u"not set"_s;
    std::optional<BirthData> loaded;
    {
        const Watchdog watchdog(5);
        loaded = velmora::loadReportFile(path, &why);
    }
    QCOMPARE(loaded, kind == u"report"_s ? std::optional(marySmith()) : std::nullopt);
    QCOMPARE(why, reason);
}

void TestReportFile::refusesToSaveOntoAnythingButAReport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    const QString notAReport = u"a link to something other than a report file"_s;
    QTest::newRow("fifo") << u"fifo"_s << u"not a regular file"_s;
    QTest::newRow("link to a text file") << u"link to text"_s << notAReport;
    QTest::newRow("link to a folder named vlm") << u"link to folder"_s << notAReport;
    QTest::newRow("link to a fifo named vlm") << u"link to fifo"_s << notAReport;
    QTest::newRow("link to a device") << u"link to device"_s << notAReport;
    QTest::newRow("link to nothing") << u"dangling link"_s << notAReport;
    QTest::newRow("folder") << u"folder"_s << systemText(EISDIR);
}

// A save writes nothing but a regular .vlm file: whatever else lies at the
// name, or at the end of a link there, is left exactly as it was.
void TestReportFile::refusesToSaveOntoAnythingButAReport()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    const QTemporaryDir folder;
    const QString path = folder.filePath(u"x.vlm"_s);
    const QString other = folder.filePath(kind == u"link to text"_s ? u"target.txt"_s : u"other.vlm"_s);
    if (kind == u"fifo"_s)
        QVERIFY(makeFifo(path));
    else if (kind == u"folder"_s)
        QVERIFY(QDir(folder.path()).mkdir(u"x.vlm"_s));
    else if (kind == u"link to text"_s)
        QVERIFY(writeFile(other, "keep me") && makeLink(other, path));
    else if (kind == u"link to folder"_s)
        QVERIFY(QDir(folder.path()).mkdir(u"other.vlm"_s) && makeLink(other, path));
    else if (kind == u"link to fifo"_s)
        QVERIFY(makeFifo(other) && makeLink(other, path));
    else if (kind == u"link to device"_s)
        QVERIFY(makeLink(u"/dev/null"_s, path));
    else if (kind == u"dangling link"_s)
        QVERIFY(makeLink(other, path));
    const QStringList before = folderEntries(folder.path());

    QString why;
    bool saved = true;
    {
        const Watchdog watchdog(5);
        saved = velmora::saveReportFile(path, marySmith(), &why);
    }
    QVERIFY(!saved);
    QCOMPARE(why, reason);
    QCOMPARE(folderEntries(folder.path()), before);
}

void TestReportFile::savesThroughALinkToAReport()
{
    const QTemporaryDir folder;
    const QString report = folder.filePath(u"real.vlm"_s);
    const QString link = folder.filePath(u"link.vlm"_s);
    QVERIFY(writeFile(report, velmora::writeReport(birthData("Jo", "", "Li", 1, 1, "January", 1)).value()));
    QVERIFY(makeLink(u"real.vlm"_s, link));

    QVERIFY(velmora::saveReportFile(link, marySmith()));
    QCOMPARE(entryAt(link), u"link to "_s + report);
    QCOMPARE(velmora::loadReportFile(report), marySmith());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{u"link.vlm"_s, u"real.vlm"_s}));
}

void TestReportFile::savingUnderARegularFileFails()
{
    const QString parent = m_folder.filePath(u"notes.vlm"_s);
    QVERIFY(writeFile(parent, "notes"));

    QVERIFY(!velmora::saveReportFile(parent + u"/report.vlm"_s, marySmith()));
    QCOMPARE(contentOf(parent), QByteArray("notes"));
}

void TestReportFile::savingOntoAFolderFails()
{
    const QString target = m_folder.filePath(u"folder.vlm"_s);
    QVERIFY(QDir(m_folder.path()).mkdir(u"folder.vlm"_s));
    QVERIFY(writeFile(target + u"/inside.txt"_s, "inside"));

    QVERIFY(!velmora::saveReportFile(target, marySmith()));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(contentOf(target + u"/inside.txt"_s), QByteArray("inside"));
}

// A file size limit makes the write itself fail, even for root.
void TestReportFile::failedWriteKeepsThePreviousFile()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"report.vlm"_s);
    const QByteArray previous = velmora::writeReport(birthData("Jo", "", "Li", 1, 1, "January", 1)).value();
    QVERIFY(writeFile(path, previous));

    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit original = limit;
    limit.rlim_cur = 8;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool saved = velmora::saveReportFile(path, marySmith());
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(contentOf(path), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"report.vlm"_s});
}

void TestReportFile::checksTheExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("lower-case vlm") << u"/home/mary/reading.vlm"_s << true;
    QTest::newRow("upper-case VLM") << u"/home/mary/reading.VLM"_s << false;
    QTest::newRow("txt") << u"/home/mary/reading.txt"_s << false;
    QTest::newRow("vlm only in the folder name") << u"/home/mary.vlm/reading"_s << false;
    QTest::newRow("last three characters without a point") << u"/home/mary/readingvlm"_s << true;
    QTest::newRow("empty name") << QString() << false;
}

void TestReportFile::checksTheExtension()
{
    QFETCH(QString, fileName);
    QFETCH(bool, accepted);

    QCOMPARE(velmora::hasReportExtension(fileName), accepted);
}

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
