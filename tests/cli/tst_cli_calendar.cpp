// SPDX-License-Identifier: MIT
// The forecast calendar as the tool gives it: its command line, the week as
// the locale starts it, --find, and the calendar file as an independent
// parser and a calendar program read it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

#include "clirun.h"
#include "pdfwords.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kMary = {u"--first"_s, u"Mary"_s, u"--last"_s, u"Smith"_s, u"--date"_s, u"1985-03-07"_s};

CliRun runWithLocale(const QStringList &arguments, const QString &locale)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_CLI_PATH), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Debian's Python, where python3-icalendar is installed, before any other on the path.
QString systemPython()
{
    const QString debian = QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s});
    return debian.isEmpty() ? QStandardPaths::findExecutable(u"python3"_s) : debian;
}

} // namespace

class TestCliCalendar : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // What the icalendar library reads in the file; skips the test without it.
    QJsonObject parsedIcs(const QString &file)
    {
        const QString python = systemPython();
        if (python.isEmpty())
            return {};
        QProcess process;
        process.start(python, {QStringLiteral(VELMORA_SOURCE_DIR "/tests/cli/icscheck.py"), file});
        if (!process.waitForFinished(30000))
            return {};
        if (process.exitCode() == 77)
            return {{u"missing"_s, true}};
        return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    }

private Q_SLOTS:
    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("span ends before it starts")
            << QStringList{u"--calendar"_s, u"2027-08-31:2027-03-01"_s} << u"the span ends before it starts"_s;
        QTest::newRow("span over ten years")
            << QStringList{u"--calendar"_s, u"2027-01-01:2037-01-01"_s} << u"expected at most 10 years"_s;
        QTest::newRow("no span") << QStringList{u"--calendar"_s, u"soon"_s} << u"expected YYYY (a year)"_s;
        QTest::newRow("value a personal day cannot take")
            << QStringList{u"--calendar"_s, u"2027"_s, u"--find"_s, u"personal-day=10"_s} << u"expected 1-9"_s;
        QTest::newRow("unknown key")
            << QStringList{u"--calendar"_s, u"2027"_s, u"--find"_s, u"destiny=3"_s}
            << u"expected personal-year=V, personal-month=V or personal-day=V"_s;
        QTest::newRow("weekday without find")
            << QStringList{u"--calendar"_s, u"2027"_s, u"--weekday"_s, u"fri"_s} << u"--weekday works only with --find"_s;
        QTest::newRow("ics without calendar") << QStringList{u"--ics"_s, u"x.ics"_s} << u"--ics works only with --calendar"_s;
        QTest::newRow("unknown format")
            << QStringList{u"--calendar"_s, u"2027"_s, u"--format"_s, u"xml"_s} << u"use text, csv or json"_s;
        QTest::newRow("calendar file after the year 3000")
            << QStringList{u"--calendar"_s, u"3000-12-31"_s, u"--ics"_s, u"-"_s}
            << u"a calendar file holds days up to 3000-12-30"_s;
        QTest::newRow("two files to standard output")
            << QStringList{u"--calendar"_s, u"2027"_s, u"--ics"_s, u"-"_s, u"--pdf"_s, u"-"_s}
            << u"cannot both write to standard output"_s;
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun run = runTool(kMary + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
        QVERIFY(run.out.isEmpty());
    }

    void startsTheWeekWhereTheLocaleDoes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("week");
        QTest::newRow("United States: Sunday") << u"en_US.UTF-8"_s << "Su    Mo    Tu    We    Th    Fr    Sa\n"_ba;
        QTest::newRow("Germany: Monday") << u"de_DE.UTF-8"_s << "Mo    Tu    We    Th    Fr    Sa    Su\n"_ba;
    }
    void startsTheWeekWhereTheLocaleDoes()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, week);
        const CliRun run = runWithLocale(kMary + QStringList{u"--calendar"_s, u"2027-03"_s}, locale);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("               March 2027\n    Personal Year 3, Personal Month 6\n" + week),
                 run.out.constData());
    }

    void findListsTheMatchingDaysInEachFormat()
    {
        const QStringList find = kMary
            + QStringList{u"--calendar"_s, u"2027"_s, u"--find"_s, u"personal-day=6"_s, u"--weekday"_s, u"fri"_s};
        const CliRun csv = runTool(find + QStringList{u"--format"_s, u"csv"_s});
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(csv.out, "date,personal_year,personal_month,personal_day\r\n"
                          "2027-01-29,3,4,6\r\n2027-02-19,3,5,6\r\n2027-05-07,3,8,6\r\n2027-07-23,3,1,6\r\n"
                          "2027-08-13,3,2,6\r\n2027-09-03,3,3,6\r\n2027-10-29,3,4,6\r\n2027-11-19,3,5,6\r\n"_ba);
        const CliRun json = runTool(find + QStringList{u"--format"_s, u"json"_s});
        QCOMPARE(json.exitCode, 0);
        const QJsonArray days = QJsonDocument::fromJson(json.out).array();
        QCOMPARE(days.size(), 8);
        QCOMPARE(days[7].toObject()[u"date"_s].toString(), u"2027-11-19"_s);
        QCOMPARE(days[7].toObject()[u"personalDay"_s].toInt(), 6);
        const CliRun text = runTool(find);
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.startsWith("Fri 2027-01-29  Personal Year 3, Personal Month 4, Personal Day 6\n"),
                 text.out.constData());
        const CliRun none = runTool(kMary
                                    + QStringList{u"--calendar"_s, u"2027-03-01:2027-03-02"_s, u"--find"_s,
                                                  u"personal-year=1"_s});
        QCOMPARE(none.exitCode, 0);
        QCOMPARE(none.out, "No day from 2027-03-01 to 2027-03-02 matches.\n"_ba);
    }

    void calendarFileReadsBackInAnIndependentParser()
    {
        const QString file = path(u"turn.ics"_s);
        const QStringList span = kMary + QStringList{u"--calendar"_s, u"2027-12-30:2028-01-02"_s, u"--ics"_s, file};
        const CliRun named = runTool(span + QStringList{u"--ics-name"_s});
        QCOMPARE(named.exitCode, 0);
        QVERIFY(named.out.isEmpty());
        const QJsonObject ics = parsedIcs(file);
        if (ics.isEmpty() || ics[u"missing"_s].toBool())
            QSKIP("Python's icalendar library (python3-icalendar) is not installed");
        QCOMPARE(ics[u"version"_s].toString(), u"2.0"_s);
        // Four days, two months (the span's first day and 1 January), two years likewise.
        QCOMPARE(ics[u"events"_s].toInt(), 8);
        QVERIFY(ics[u"allDaySound"_s].toBool());
        QVERIFY(ics[u"uidsDistinct"_s].toBool());
        const QJsonObject titles = ics[u"titles"_s].toObject();
        QCOMPARE(titles[u"2027-12-30"_s].toArray().size(), 3);
        QCOMPARE(titles[u"2027-12-31"_s].toArray(), QJsonArray{u"Mary: Personal Day 1"_s});
        QCOMPARE(titles[u"2028-01-01"_s].toArray(),
                 (QJsonArray{u"Mary: Personal Year 4"_s, u"Mary: Personal Month 5"_s, u"Mary: Personal Day 6"_s}));

        // Written again, at another moment and without the name, the events keep their UIDs.
        const CliRun plain = runTool(span);
        QCOMPARE(plain.exitCode, 0);
        const QJsonObject again = parsedIcs(file);
        QCOMPARE(again[u"uids"_s], ics[u"uids"_s]);
        QCOMPARE(again[u"titles"_s].toObject()[u"2027-12-31"_s].toArray(), QJsonArray{u"Personal Day 1"_s});
    }

    void calendarEventsAreKeyedByTheirPeriodAndSystem()
    {
        // The UIDs of each run's events: a month and a year are the same event
        // whichever day a span starts on; another system's are other events.
        const auto uids = [&](const QStringList &options) {
            const QString file = path(u"keyed.ics"_s);
            const CliRun run = runTool(kMary + options + QStringList{u"--ics"_s, file});
            const QJsonObject ics = parsedIcs(file);
            QSet<QString> set;
            for (const QJsonValue &uid : ics[u"uids"_s].toArray())
                set.insert(uid.toString());
            return run.exitCode == 0 ? set : QSet<QString>{};
        };
        const QSet<QString> midMonth = uids({u"--calendar"_s, u"2027-03-15:2027-03-16"_s});
        if (midMonth.isEmpty())
            QSKIP("Python's icalendar library (python3-icalendar) is not installed");
        QCOMPARE(midMonth.size(), 4);
        const QSet<QString> wholeYear = uids({u"--calendar"_s, u"2027"_s});
        QCOMPARE(QSet<QString>(midMonth).intersect(wholeYear), midMonth);
        const QSet<QString> chaldean = uids({u"--calendar"_s, u"2027-03-15:2027-03-16"_s, u"--system"_s, u"chaldean"_s});
        QCOMPARE(chaldean.size(), 4);
        QVERIFY(!chaldean.intersects(midMonth));
    }

    // Every date an all-day date of one day, from the first year a date has to the last a file holds.
    void calendarFileReadsBackFromYearOneTo3000_data()
    {
        QTest::addColumn<QString>("span");
        QTest::addColumn<int>("events");
        QTest::newRow("year 1") << u"0001-01-01:0001-01-03"_s << 5;
        QTest::newRow("year 9 into 10") << u"0009-12-31:0010-01-01"_s << 6;
        QTest::newRow("year 99 into 100") << u"0099-12-31:0100-01-01"_s << 6;
        QTest::newRow("year 999 into 1000") << u"0999-12-31:1000-01-01"_s << 6;
        QTest::newRow("Gregorian reform") << u"1582-10-04:1582-10-15"_s << 14;
        QTest::newRow("leap day of 2000") << u"2000-02-28:2000-03-01"_s << 6;
        QTest::newRow("year 2999 into 3000") << u"2999-12-31:3000-01-01"_s << 6;
        QTest::newRow("last day a file holds") << u"3000-12-30"_s << 3;
    }
    void calendarFileReadsBackFromYearOneTo3000()
    {
        QFETCH(QString, span);
        QFETCH(int, events);
        const QString file = path(u"years.ics"_s);
        const CliRun run = runTool(kMary + QStringList{u"--calendar"_s, span, u"--ics"_s, file});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject ics = parsedIcs(file);
        if (ics.isEmpty() || ics[u"missing"_s].toBool())
            QSKIP("Python's icalendar library (python3-icalendar) is not installed");
        QCOMPARE(ics[u"events"_s].toInt(), events);
        QVERIFY(ics[u"allDaySound"_s].toBool());
        QVERIFY(ics[u"titles"_s].toObject().contains(span.left(10)));
    }

    void calendarProgramImportsTheFileAndUpdatesItOnReimport()
    {
        const QString khal = QStandardPaths::findExecutable(u"khal"_s);
        if (khal.isEmpty())
            QSKIP("khal is not installed");
        const QString home = path(u"khal"_s);
        const QString vdir = home + u"/calendar"_s;
        QVERIFY(QDir().mkpath(vdir));
        QFile config(home + u"/config"_s);
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("[calendars]\n[[velmora]]\npath = " + vdir.toUtf8()
                     + "\ntype = calendar\n[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                       "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                       "longdatetimeformat = %Y-%m-%d %H:%M\n[default]\ndefault_calendar = velmora\n");
        config.close();
        const auto runKhal = [&](const QStringList &arguments) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"HOME"_s, home);
            environment.insert(u"XDG_DATA_HOME"_s, home + u"/data"_s);
            environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/cfg"_s);
            environment.insert(u"TZ"_s, u"UTC"_s);
            process.setProcessEnvironment(environment);
            process.start(khal, QStringList{u"-c"_s, config.fileName()} + arguments);
            process.waitForFinished(60000);
            return std::pair{process.exitCode(), process.readAllStandardOutput() + process.readAllStandardError()};
        };
        const QString file = path(u"march.ics"_s);
        const QStringList write = kMary
            + QStringList{u"--calendar"_s, u"2027-03"_s, u"--ics"_s, file, u"--ics-name"_s};
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(runTool(write).exitCode, 0);
            const auto [imported, importText] = runKhal({u"import"_s, u"--batch"_s, u"-a"_s, u"velmora"_s, file});
            QVERIFY2(imported == 0, importText.constData());
            // 31 days, the month and the year: a second import replaces them.
            QCOMPARE(QDir(vdir).entryList(QDir::Files).size(), 33);
        }
        const auto [listed, list] = runKhal({u"list"_s, u"2027-03-01"_s, u"1d"_s});
        QCOMPARE(listed, 0);
        QVERIFY2(list.contains("Mary: Personal Day 7 :: "), list.constData());
        QVERIFY2(list.contains("Mary: Personal Month 6 :: "), list.constData());
        QVERIFY2(list.contains("Mary: Personal Year 3 :: A year of expression"), list.constData());
    }

    void pdfHasAMonthAPageWithThePersonalDayInEachCell()
    {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString file = path(u"calendar.pdf"_s);
        const CliRun run = runWithLocale(
            kMary + QStringList{u"--calendar"_s, u"2027-02-27:2027-04-02"_s, u"--pdf"_s, file}, u"en_GB.UTF-8"_s);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        QProcess process;
        process.start(pdftotext, {u"-layout"_s, file, u"-"_s});
        QVERIFY(process.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 3);
        const QString march = pages[1].simplified();
        QVERIFY2(march.startsWith(u"March 2027 Personal Year 3 · Personal Month 6"_s), qPrintable(march));
        // The first week, Monday first: the dates, then each one's personal day.
        QVERIFY2(march.contains(u"Monday Tuesday Wednesday Thursday Friday Saturday Sunday 1 2 3 4 5 6 7 7 8 9 1 2 3 4"_s),
                 qPrintable(march));
        QVERIFY2(march.endsWith(u"9 A day to tie up loose ends and return what you borrowed. Mary Smith Page 2 of 3"_s),
                 qPrintable(march));
        // Only the span's days: February shows the 27th and 28th, April the 1st and 2nd.
        QVERIFY2(pages[0].simplified().contains(u"Sunday 27 28 5 6 What each Personal Day means 1 A day to begin"_s),
                 qPrintable(pages[0].simplified()));

        // On every page the key, and the grid and key down to the page's last fifth:
        // the 31st of March in the grid's lower half, the key's last line below it.
        const PdfWords words = pdfWords(file);
        QCOMPARE(words.pageSizes.size(), 3);
        for (int page = 0; page < 3; ++page) {
            const qreal height = words.pageSizes[page].height();
            const auto on = [&](const QString &text) {
                return std::ranges::find_if(words.words, [&](const PdfWord &w) { return w.page == page && w.text == text; });
            };
            QVERIFY2(on(u"means"_s) != words.words.end(), qPrintable(pages[page]));
            const auto last = on(u"borrowed."_s);
            QVERIFY(last != words.words.end());
            QVERIFY2(last->box.bottom() > height * 0.8, qPrintable(QString::number(last->box.bottom() / height)));
        }
        const auto thirtyFirst = std::ranges::find_if(words.words, [](const PdfWord &w) { return w.page == 1 && w.text == u"31"_s; });
        QVERIFY(thirtyFirst != words.words.end());
        QVERIFY2(thirtyFirst->box.top() > words.pageSizes[1].height() * 0.5,
                 qPrintable(QString::number(thirtyFirst->box.top() / words.pageSizes[1].height())));
    }

    // With --find, the PDF keeps every day and marks the chosen ones (its key
    // names the wishes); the calendar file holds the chosen days alone.
    void findMarksTheChosenDaysInThePdfAndWritesOnlyThemToTheIcs_data()
    {
        QTest::addColumn<QStringList>("find");
        QTest::addColumn<QString>("span");
        QTest::addColumn<QString>("wishes");
        QTest::addColumn<QStringList>("chosen"); // the chosen days, in order
        QTest::newRow("a personal day on Fridays")
            << QStringList{u"--find"_s, u"personal-day=6"_s, u"--weekday"_s, u"fri"_s} << u"2027-01-01:2027-03-31"_s
            << u"Personal Day 6, on Fridays."_s << QStringList{u"2027-01-29"_s, u"2027-02-19"_s};
        QStringList march;
        for (int day = 1; day <= 31; ++day)
            march << u"2027-03-%1"_s.arg(day, 2, 10, QChar(u'0'));
        QTest::newRow("a personal month: every day of March")
            << QStringList{u"--find"_s, u"personal-month=6,7"_s, u"--find"_s, u"personal-year=3"_s}
            << u"2027-02-27:2027-03-31"_s << u"Personal Month 6 or 7, Personal Year 3."_s << march;
        QTest::newRow("no day") << QStringList{u"--find"_s, u"personal-year=1"_s} << u"2027-03-01:2027-03-02"_s
                                << u"Personal Year 1."_s << QStringList();
    }
    void findMarksTheChosenDaysInThePdfAndWritesOnlyThemToTheIcs()
    {
        QFETCH(QStringList, find);
        QFETCH(QString, span);
        QFETCH(QString, wishes);
        QFETCH(QStringList, chosen);
        const QString pdf = path(u"chosen.pdf"_s);
        const QString ics = path(u"chosen.ics"_s);
        const CliRun run = runWithLocale(kMary + QStringList{u"--calendar"_s, span, u"--pdf"_s, pdf, u"--ics"_s, ics} + find,
                                         u"en_GB.UTF-8"_s);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());

        if (!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            const PdfWords words = pdfWords(pdf);
            const QString text = QString::fromUtf8(programOutput(u"pdftotext"_s, {pdf, u"-"_s})).simplified();
            // Each page's key says what the mark means, once.
            QCOMPARE(text.count(u"chosen a day you asked for: "_s + wishes), words.pageSizes.size());
            const auto marks = std::ranges::count_if(words.words, [](const PdfWord &w) { return w.text == u"chosen"_s; });
            QCOMPARE(marks, qsizetype(chosen.size() + words.pageSizes.size()));
        }

        const QJsonObject parsed = parsedIcs(ics);
        if (parsed.isEmpty() || parsed[u"missing"_s].toBool())
            QSKIP("Python's icalendar library (python3-icalendar) is not installed");
        QCOMPARE(parsed[u"events"_s].toInt(), chosen.size());
        const QJsonObject titles = parsed[u"titles"_s].toObject();
        QCOMPARE(titles.keys(), chosen);
        for (const QString &day : chosen) {
            QCOMPARE(titles[day].toArray().size(), 1);
            QVERIFY(titles[day].toArray()[0].toString().startsWith(u"Personal Day "_s));
        }
    }

    void calendarFileFollowsTheRulesOfSave()
    {
        const QByteArray fifo = QFile::encodeName(path(u"fifo.ics"_s));
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        const CliRun refused = runTool(kMary + QStringList{u"--calendar"_s, u"2027-03"_s, u"--ics"_s, path(u"fifo.ics"_s)});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("cannot write the calendar file"), refused.err.constData());
        QVERIFY(QFileInfo(path(u"fifo.ics"_s)).exists() && !QFileInfo(path(u"fifo.ics"_s)).isFile());

        const CliRun out = runTool(kMary + QStringList{u"--calendar"_s, u"2027-03-01"_s, u"--ics"_s, u"-"_s});
        QCOMPARE(out.exitCode, 0);
        QVERIFY(out.out.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(out.out.endsWith("END:VCALENDAR\r\n"));
        QVERIFY(out.out.contains("SUMMARY:Personal Day 7\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliCalendar)
#include "tst_cli_calendar.moc"
