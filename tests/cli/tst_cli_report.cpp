// SPDX-License-Identifier: MIT
// The client's report as the tool writes it, read back as a person meets it:
// the PDF through pdftotext (words and their boxes), the OpenDocument copy
// through an independent reader (python3-odf).
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

#include <unistd.h>

#include "clitest.h"
#include "pdfwords.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kPointsPerMillimetre = 72 / 25.4;

QStringList johnPaulSmith()
{
    return personArguments(u"John"_s, u"Paul"_s, u"Smith"_s, u"1980-07-15"_s);
}

// Each page's plain text, as pdftotext gives it.
QStringList pageTexts(const QString &pdf)
{
    QStringList pages = QString::fromUtf8(programOutput(u"pdftotext"_s, {pdf, u"-"_s})).split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The words of page 1 between two of its words (by their tops), in reading order.
QList<PdfWord> wordsBetween(const QList<PdfWord> &words, const QString &from, const QString &to)
{
    std::optional<qreal> top;
    std::optional<qreal> bottom;
    for (const PdfWord &word : words) {
        if (word.page != 0)
            continue;
        if (word.text == from && !top)
            top = word.box.bottom();
        else if (word.text == to && top && !bottom && word.box.top() > *top)
            bottom = word.box.top();
    }
    QList<PdfWord> found;
    for (const PdfWord &word : words) {
        if (word.page == 0 && top && word.box.top() >= *top && word.box.bottom() <= bottom.value_or(1e9))
            found << word;
    }
    return found;
}

// Debian's Python, where python3-odf is installed, before any other on the path.
QString debianPython()
{
    const QString debian = QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s});
    return debian.isEmpty() ? QStandardPaths::findExecutable(u"python3"_s) : debian;
}

// Text as both readers give it: ligatures undone, white space one space,
// hyphens left out (pdftotext joins a word hyphenated at a line's end).
QString normalised(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).remove(u'-').simplified();
}

bool writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QProcessEnvironment withConfigFolder(const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, folder);
    return environment;
}

} // namespace

class TestCliReport : public CliTest
{
    Q_OBJECT

private:
    // The PDF of the arguments, written to name in the test's folder.
    QString pdfOf(QStringList arguments, const QString &name = u"report.pdf"_s,
                  const QProcessEnvironment &environment = withConfigFolder(u"/nonexistent"_s))
    {
        const QString pdf = path(name);
        QFile::remove(pdf);
        const Outcome run = runCli(arguments << u"--pdf"_s << pdf, {}, 60000, environment);
        if (run.exitCode != 0 || !run.err.isEmpty())
            qWarning("%s", run.err.constData());
        return run.exitCode == 0 ? pdf : QString();
    }

private Q_SLOTS:
    void init()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing");
    }

    // The core numbers side by side on the first page, each under its name,
    // masters and compounds written as numerologists write them. Worked by
    // hand: the common system keeps 11, 22 and 33 wherever they appear; the
    // Chaldean name John Smith totals 35 (J1 O7 H5 N5 S3 M4 I1 T4 H5: vowels
    // 8, consonants 27), its date's digits 31.
    void summaryGridShowsTheCoreNumbers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("cells"); // name=number, left to right
        QTest::newRow("classic")
            << personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s)
            << QStringList{u"Life Path=4"_s, u"Destiny=8"_s, u"Soul Urge=6"_s, u"Personality=11/2"_s,
                           u"Birthday=15/6"_s, u"Maturity=3"_s};
        QTest::newRow("common, masters as digit sums and as totals")
            << (personArguments(u"John"_s, QString(), u"Smith"_s, u"2009-11-29"_s) << u"--system"_s << u"common"_s)
            << QStringList{u"Life Path=33/6"_s, u"Destiny=8"_s, u"Soul Urge=6"_s, u"Personality=11/2"_s,
                           u"Birthday=29/11/2"_s, u"Maturity=5"_s};
        QTest::newRow("chaldean, compounds and no Maturity")
            << (personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--system"_s << u"chaldean"_s)
            << QStringList{u"Life Path=31/4"_s, u"Destiny=35/8"_s, u"Soul Urge=8"_s, u"Personality=27/9"_s,
                           u"Birthday=15/6"_s};
    }
    void summaryGridShowsTheCoreNumbers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, cells);
        const QString pdf = pdfOf(arguments);
        QVERIFY(!pdf.isEmpty());
        const QList<PdfWord> grid = wordsBetween(pdfWords(pdf).words, u"numbers"_s, u"Inclusion"_s);
        qreal lastCentre = -1;
        for (const QString &cell : cells) {
            const QString name = cell.section(u'=', 0, 0);
            const QString number = cell.section(u'=', 1);
            // The name's last word ("Path" of "Life Path").
            QRectF nameBox;
            for (const PdfWord &word : grid) {
                if (word.text == name.section(u' ', -1)) {
                    nameBox = word.box;
                    break;
                }
            }
            QVERIFY2(!nameBox.isNull(), qPrintable(name));
            const auto under = std::ranges::find_if(grid, [&](const PdfWord &word) {
                return word.text == number && word.box.top() > nameBox.bottom()
                    && qAbs(word.box.center().x() - nameBox.center().x()) < 30;
            });
            QVERIFY2(under != grid.end(), qPrintable(cell));
            QVERIFY2(under->box.center().x() > lastCentre, qPrintable(cell + u": out of order"_s));
            lastCentre = under->box.center().x();
        }
        // No other number stands in the grid.
        static const QRegularExpression numberLike(u"^\\d+(/\\d+)*$"_s);
        const auto numbers = std::ranges::count_if(grid, [](const PdfWord &w) { return numberLike.match(w.text).hasMatch(); });
        QCOMPARE(numbers, cells.size());
    }

    // The four periods from birth on: each pinnacle above its ages, its
    // challenge under them, in the order of their ages, and the date of
    // interest marked under its own period. John Paul Smith's classic
    // periods overlap (0-32, 31-39, 45-53, 48 on); the common system's follow
    // one another.
    void timelineShowsTheAgesUnderTheirPeriods_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("current"); // the period marked, from 0; -1 for none
        QTest::addColumn<QString>("age");
        QTest::newRow("a child") << (johnPaulSmith() << u"--on"_s << u"1990-07-14"_s) << 0 << u"9"_s;
        QTest::newRow("in the third period") << (johnPaulSmith() << u"--on"_s << u"2026-12-09"_s) << 2 << u"46"_s;
        QTest::newRow("in the open fourth") << (johnPaulSmith() << u"--on"_s << u"2060-01-01"_s) << 3 << u"79"_s;
        QTest::newRow("before the birth") << (johnPaulSmith() << u"--on"_s << u"1970-01-01"_s) << -1 << QString();
        QTest::newRow("common, on the first day of the second")
            << (johnPaulSmith() << u"--system"_s << u"common"_s << u"--on"_s << u"2013-07-15"_s) << 1 << u"33"_s;
    }
    void timelineShowsTheAgesUnderTheirPeriods()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, current);
        QFETCH(QString, age);
        const QString pdf = pdfOf(arguments);
        QVERIFY(!pdf.isEmpty());
        const QList<PdfWord> timeline = wordsBetween(pdfWords(pdf).words, u"challenges"_s, u"Karmic"_s);
        QList<PdfWord> pinnacles;
        QList<PdfWord> ages;
        QList<PdfWord> challenges;
        static const QRegularExpression ageRange(u"^(\\d+)(\u2013(\\d+)|\\+)$"_s);
        for (const PdfWord &word : timeline) {
            if (word.text == u"Pinnacle"_s)
                pinnacles << word;
            else if (word.text == u"Challenge"_s)
                challenges << word;
            else if (ageRange.match(word.text).hasMatch())
                ages << word;
        }
        QCOMPARE(pinnacles.size(), 4);
        QCOMPARE(ages.size(), 4);
        QCOMPARE(challenges.size(), 4);
        const auto byX = [](const PdfWord &a, const PdfWord &b) { return a.box.left() < b.box.left(); };
        std::ranges::sort(pinnacles, byX);
        std::ranges::sort(ages, byX);
        std::ranges::sort(challenges, byX);
        const qreal column = pinnacles[1].box.left() - pinnacles[0].box.left();
        int lastFrom = -1;
        for (int k = 0; k < 4; ++k) {
            // "Pinnacle 4" is centred as one: its first word stands left of the centre.
            QVERIFY2(ages[k].box.top() > pinnacles[k].box.bottom() && challenges[k].box.top() > ages[k].box.bottom(),
                     qPrintable(ages[k].text));
            QVERIFY2(qAbs(ages[k].box.center().x() - pinnacles[k].box.right()) < column / 2, qPrintable(ages[k].text));
            QVERIFY2(qAbs(challenges[k].box.left() - pinnacles[k].box.left()) < column / 4, qPrintable(ages[k].text));
            const int from = ageRange.match(ages[k].text).captured(1).toInt();
            QVERIFY2(from > lastFrom, qPrintable(ages[k].text));
            lastFrom = from;
        }
        QCOMPARE(ages[0].text.section(u'\u2013', 0, 0), u"0"_s);
        QVERIFY(ages[3].text.endsWith(u'+'));

        const auto marker = std::ranges::find(timeline, u"Age"_s, &PdfWord::text);
        if (current < 0) {
            QVERIFY(marker == timeline.end());
            return;
        }
        // "Age 46 on 9 December 2026", centred under its own period's ages
        // unless the page's edge stops it.
        QVERIFY(std::distance(marker, timeline.end()) >= 6);
        QCOMPARE(std::next(marker)->text, age);
        const qreal centre = (marker->box.left() + std::next(marker, 5)->box.right()) / 2;
        const qreal left = ages[current].box.center().x() - column / 2;
        QVERIFY2((centre > left && centre < left + column) || current == 0 || current == 3,
                 qPrintable(QString::number(centre)));
        QVERIFY(marker->box.top() > challenges[current].box.bottom());
    }

    // The practice's name and contact head the first page and stand in every
    // page's footer; the practice file gives them unless the command line
    // does; with neither, no heading at all.
    void practiceHeadingOnEveryPage_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file"); // the practice file's contents; empty for none
        QTest::addColumn<QString>("heading"); // its line in the footer; empty for none
        const QString file = u"[practice]\nname=Ada Lovell\ncontact=ada@example.org\n"_s;
        QTest::newRow("on the command line")
            << QStringList{u"--practitioner"_s, u"Ada Lovell"_s, u"--contact"_s, u"ada@example.org"_s} << QString()
            << u"Ada Lovell \u00b7 ada@example.org"_s;
        QTest::newRow("from the practice file") << QStringList() << file << u"Ada Lovell \u00b7 ada@example.org"_s;
        QTest::newRow("a name replacing the file's")
            << QStringList{u"--practitioner"_s, u"Bea Marsh"_s} << file << u"Bea Marsh \u00b7 ada@example.org"_s;
        QTest::newRow("the file's left out")
            << QStringList{u"--practitioner"_s, QString(), u"--contact"_s, QString()} << file << QString();
        QTest::newRow("none") << QStringList() << QString() << QString();
    }
    void practiceHeadingOnEveryPage()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        QFETCH(QString, heading);
        QTemporaryDir config;
        if (!file.isEmpty()) {
            QVERIFY(QDir(config.path()).mkpath(u"tavi-velmora"_s));
            QVERIFY(writeFile(config.filePath(u"tavi-velmora/practice.conf"_s), file.toUtf8()));
        }
        const QString pdf = pdfOf(johnPaulSmith() << u"--on"_s << u"2026-12-09"_s << options, u"report.pdf"_s,
                                  withConfigFolder(config.path()));
        QVERIFY(!pdf.isEmpty());
        const QStringList pages = pageTexts(pdf);
        QVERIFY(pages.size() > 3);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            if (heading.isEmpty())
                QVERIFY2(!pages[p].contains(u"Lovell"_s) && !pages[p].contains(u"Marsh"_s), qPrintable(pages[p]));
            else
                QVERIFY2(pages[p].count(heading) == (p == 0 ? 1 : 1), qPrintable(u"page %1"_s.arg(p + 1)));
        }
        const QString name = heading.section(u" \u00b7 "_s, 0, 0);
        if (heading.isEmpty()) {
            QVERIFY(pages[0].startsWith(u"John Paul Smith\n"_s));
            QVERIFY(pages[0].contains(u"Prepared for John Paul Smith on "_s));
        } else {
            // The heading first on the first page, then the person, prepared by the practitioner.
            QVERIFY2(pages[0].startsWith(name + u'\n'), qPrintable(pages[0].left(60)));
            QVERIFY(pages[0].contains(u"Prepared for John Paul Smith by "_s + name + u" on "_s));
        }
    }

    // The sections chosen, in the order given; the summary always the first
    // page. An unknown name is a usage error that lists the names.
    void sectionsInTheirOrder_data()
    {
        QTest::addColumn<QString>("sections");
        QTest::addColumn<QStringList>("shown"); // in this order
        QTest::addColumn<QStringList>("left"); // captions left out
        QTest::newRow("two readings, reversed")
            << u"attitude,lifePath"_s << QStringList{u"Attitude Number"_s, u"Life Path Number: 4"_s}
            << QStringList{u"Core numbers"_s, u"Destiny Number"_s, u"Inclusion"_s};
        QTest::newRow("the summary named last")
            << u"planes,summary"_s << QStringList{u"Core numbers"_s, u"Planes of Expression"_s}
            << QStringList{u"Destiny Number"_s, u"Inclusion"_s};
        QTest::newRow("the year ahead")
            << u"yearAhead,personalYear"_s
            << QStringList{u"The Year Ahead: 2026"_s, u"December: Personal Month"_s, u"Personal Year 2026:"_s}
            << QStringList{u"Core numbers"_s, u"Life Path Number"_s};
    }
    void sectionsInTheirOrder()
    {
        QFETCH(QString, sections);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, left);
        const QString pdf = pdfOf(johnPaulSmith() << u"--on"_s << u"2026-12-09"_s << u"--sections"_s << sections);
        QVERIFY(!pdf.isEmpty());
        const QString text = pageTexts(pdf).join(u'\n');
        qsizetype from = 0;
        for (const QString &caption : shown) {
            from = text.indexOf(caption, from);
            QVERIFY2(from >= 0, qPrintable(caption));
        }
        for (const QString &caption : left)
            QVERIFY2(!text.contains(u'\n' + caption + u'\n'), qPrintable(caption));
        // The appendix closes every report.
        QVERIFY(text.indexOf(u"Appendix: how the numbers were found"_s) > from);
    }

    void unknownSectionIsAUsageError()
    {
        const Outcome run = runCli(johnPaulSmith() << u"--pdf"_s << path(u"x.pdf"_s) << u"--sections"_s
                                                   << u"summary,lifepath"_s);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(isOneLine(run.err) && run.err.contains("'lifepath'"), run.err);
        for (const QString &name : velmora::reportSectionNames())
            QVERIFY2(run.err.contains(name.toUtf8()), qPrintable(name));
        QVERIFY(!QFile::exists(path(u"x.pdf"_s)));
    }

    // A logo that is not a PNG or SVG image, too large or unreadable is
    // refused with its name before anything is written: neither the report
    // --save names nor the PDF.
    void logoRefusals_data()
    {
        QTest::addColumn<QString>("logo");
        QTest::addColumn<QByteArray>("bytes"); // the file's contents; empty: see the name
        QTest::addColumn<bool>("accepted");
        QImage small(120, 40, QImage::Format_RGB32);
        small.fill(Qt::darkGreen);
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            small.save(&buffer, "PNG");
        }
        QByteArray wide;
        {
            QBuffer buffer(&wide);
            buffer.open(QIODevice::WriteOnly);
            QImage(10001, 1, QImage::Format_Mono).save(&buffer, "PNG");
        }
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"80\" viewBox=\"0 0 200 "
                               "80\"><rect width=\"200\" height=\"80\" fill=\"teal\"/></svg>";
        QTest::newRow("a PNG") << u"logo.png"_s << png << true;
        QTest::newRow("an SVG") << u"logo.svg"_s << svg << true;
        QTest::newRow("text") << u"logo.png"_s << QByteArray("not an image\n") << false;
        QTest::newRow("a PNG cut short") << u"short.png"_s << png.left(60) << false;
        QTest::newRow("10,001 pixels wide") << u"wide.png"_s << wide << false;
        QTest::newRow("an SVG 20,000 high")
            << u"tall.svg"_s << QByteArray(svg).replace("height=\"80\" viewBox=\"0 0 200 80\"",
                                                         "height=\"20000\" viewBox=\"0 0 200 20000\"")
            << false;
        QTest::newRow("over 10 MB") << u"big.png"_s << (png + QByteArray(10 * 1024 * 1024, '\0')) << false;
        QTest::newRow("missing") << u"missing.png"_s << QByteArray() << false;
        QTest::newRow("a folder") << u"folder.png"_s << QByteArray() << false;
    }
    void logoRefusals()
    {
        QFETCH(QString, logo);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        QTemporaryDir folder;
        const QString logoFile = folder.filePath(logo);
        if (!bytes.isEmpty()) {
            QVERIFY(writeFile(logoFile, bytes));
        } else if (logo.startsWith(u"folder"_s)) {
            QVERIFY(QDir(folder.path()).mkdir(logo));
        }
        const QString pdf = folder.filePath(u"report.pdf"_s);
        const QString report = folder.filePath(u"john.vlm"_s);
        const Outcome run = runCli(johnPaulSmith() << u"--save"_s << report << u"--pdf"_s << pdf << u"--logo"_s
                                                   << logoFile << u"--practitioner"_s << u"Ada Lovell"_s);
        if (accepted) {
            QCOMPARE(run.exitCode, 0);
            QVERIFY(QFile::exists(report));
            // The logo is the one picture of the document.
            const QByteArray images = programOutput(u"pdfimages"_s, {u"-list"_s, pdf});
            QVERIFY2(images.count('\n') >= 3, images);
            return;
        }
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(isOneLine(run.err) && run.err.contains(QFile::encodeName(logoFile)), run.err);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!QFile::exists(report));
    }

    // Notes of any length and any script print whole, inside the margins,
    // under their section.
    void notesPrintInsideTheMargins_data()
    {
        QTest::addColumn<QString>("note");
        QString words;
        while (words.size() < 10000)
            words += u"practice "_s;
        QString hebrew;
        while (hebrew.size() < 10000)
            hebrew += u"\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd "_s;
        QTest::newRow("10,000 characters") << words.trimmed();
        QTest::newRow("right to left") << hebrew.trimmed();
        QTest::newRow("no spaces") << QString(10000, u'x');
    }
    void notesPrintInsideTheMargins()
    {
        QFETCH(QString, note);
        const QString notes = path(u"notes.txt"_s);
        QVERIFY(writeFile(notes, "\n  destiny: " + note.toUtf8() + "\nsoulUrge: the next section's note\n"));
        const QString pdf = pdfOf(johnPaulSmith() << u"--notes-file"_s << notes << u"--sections"_s
                                                  << u"destiny,soulUrge"_s);
        QVERIFY(!pdf.isEmpty());
        const PdfWords read = pdfWords(pdf);
        const QSizeF page = read.pageSizes.constFirst();
        const qreal margin = 19.5 * kPointsPerMillimetre;
        const QRectF printable(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin);
        for (const PdfWord &word : read.words)
            QVERIFY2(printable.contains(word.box), qPrintable(word.text.left(40)));
        // Every letter of the note, between its section and the next (the
        // footers aside): as many more there as without the notes.
        const auto sectionLetters = [](const QString &file) {
            static const QRegularExpression footer(u"John Paul Smith|Page \\d+ of \\d+"_s);
            const QString text = pageTexts(file).join(u'\n');
            const qsizetype start = text.indexOf(u"Destiny Number"_s);
            const qsizetype end = text.indexOf(u"Soul Urge Number"_s);
            return std::ranges::count_if(text.mid(start, end - start).replace(footer, QString()),
                                         [](QChar c) { return c.isLetter(); });
        };
        const auto letters = [](const QString &s) {
            return std::ranges::count_if(s, [](QChar c) { return c.isLetter(); });
        };
        const QString plain = pdfOf(johnPaulSmith() << u"--sections"_s << u"destiny,soulUrge"_s, u"plain.pdf"_s);
        QCOMPARE(sectionLetters(pdf), sectionLetters(plain) + letters(u"Note:"_s) + letters(note));
    }

    void notesFileRefusals_data()
    {
        QTest::addColumn<QByteArray>("notes");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("no section") << QByteArray("destiny: fine\njust words\n") << QByteArray("line 2");
        QTest::newRow("unknown section") << QByteArray("destinee: a slip\n") << QByteArray("line 1");
        QTest::newRow("not UTF-8") << QByteArray("destiny: caf\xe9\n") << QByteArray("not UTF-8");
    }
    void notesFileRefusals()
    {
        QFETCH(QByteArray, notes);
        QFETCH(QByteArray, reason);
        QVERIFY(writeFile(path(u"bad-notes.txt"_s), notes));
        const QString pdf = path(u"refused.pdf"_s);
        const Outcome run = runCli(johnPaulSmith() << u"--pdf"_s << pdf << u"--notes-file"_s << path(u"bad-notes.txt"_s));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(isOneLine(run.err) && run.err.contains("bad-notes.txt") && run.err.contains(reason), run.err);
        QVERIFY(!QFile::exists(pdf));
    }

    // The OpenDocument copy, read by another program, holds the PDF's
    // paragraphs in the same order; the HTML copy holds its pictures.
    void editableCopiesHoldTheSameWords_data()
    {
        QTest::addColumn<QString>("system");
        QTest::newRow("classic") << u"classic"_s;
        QTest::newRow("chaldean") << u"chaldean"_s;
    }
    void editableCopiesHoldTheSameWords()
    {
        QFETCH(QString, system);
        const QString python = debianPython();
        if (python.isEmpty() || QProcess::execute(python, {u"-c"_s, u"import odf"_s}) != 0)
            QSKIP("Python's OpenDocument library (python3-odf) is not installed");
        const QString notes = path(u"notes.txt"_s);
        QVERIFY(writeFile(notes, "summary: Read this first.\nlifePath: A long road, walked well.\n"));
        const QStringList arguments = johnPaulSmith()
            << u"--system"_s << system << u"--on"_s << u"2026-12-09"_s << u"--practitioner"_s << u"Ada Lovell"_s
            << u"--notes-file"_s << notes;
        const QString odt = path(u"report.odt"_s);
        const QString html = path(u"report.html"_s);
        const QString pdf = pdfOf(QStringList(arguments) << u"--odt"_s << odt << u"--html"_s << html);
        QVERIFY(!pdf.isEmpty());

        QProcess reader;
        reader.start(python, {u"-c"_s, u"import sys\n"
                                        "from odf.opendocument import load\n"
                                        "from odf import text, teletype\n"
                                        "for p in load(sys.argv[1]).getElementsByType(text.P):\n"
                                        "    print(teletype.extractText(p).replace('\\n', ' '))\n"_s,
                              odt});
        QVERIFY(reader.waitForFinished(30000));
        QCOMPARE(reader.exitCode(), 0);
        const QStringList paragraphs = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');

        // The PDF's text without the footers (the practice's line, the person's, the page's).
        QStringList pages = pageTexts(pdf);
        static const QRegularExpression pageLine(u"^Page \\d+ of \\d+$"_s);
        for (QString &page : pages) {
            QStringList lines = page.split(u'\n');
            lines.removeIf([](const QString &line) { return pageLine.match(line).hasMatch(); });
            for (const QString &footer : {u"Ada Lovell"_s, u"John Paul Smith"_s})
                lines.removeAt(lines.lastIndexOf(footer));
            page = lines.join(u'\n');
        }
        const QString text = normalised(pages.join(u'\n'));
        qsizetype from = 0;
        int found = 0;
        for (qsizetype k = 0; k < paragraphs.size(); ++k) {
            const QString paragraph = normalised(paragraphs[k]);
            // The core numbers, a drawing in the PDF, are a line of text in the copy.
            if (paragraph.isEmpty() || (k > 0 && normalised(paragraphs[k - 1]) == u"Core numbers"_s))
                continue;
            const qsizetype at = text.indexOf(paragraph, from);
            QVERIFY2(at >= 0, qPrintable(paragraph.left(80)));
            from = at + paragraph.size();
            ++found;
        }
        QVERIFY2(found > 40, qPrintable(QString::number(found)));

        const QByteArray markup = readFile(html);
        QVERIFY(markup.contains("<title>Velmora readings: John Paul Smith</title>"));
        QVERIFY(markup.count("<img src=\"data:image/png;base64,") >= 3);
    }

    // The copies are written as the PDF is: never over an input, never under
    // a report's name, through a link only to a file of their kind.
    void editableCopiesFollowTheFileRules_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("target"); // "input", "notes", "report name", "link"
        QTest::newRow("ODT over the report read") << u"--odt"_s << u"input"_s;
        QTest::newRow("HTML over the notes") << u"--html"_s << u"notes"_s;
        QTest::newRow("HTML under a report's name") << u"--html"_s << u"report name"_s;
        QTest::newRow("ODT through a link to an ODT file") << u"--odt"_s << u"link"_s;
    }
    void editableCopiesFollowTheFileRules()
    {
        QFETCH(QString, option);
        QFETCH(QString, target);
        QTemporaryDir folder;
        const QString report = folder.filePath(u"john.vlm"_s);
        QCOMPARE(runCli(johnPaulSmith() << u"--save"_s << report).exitCode, 0);
        const QString notes = folder.filePath(u"notes.txt"_s);
        QVERIFY(writeFile(notes, "destiny: kept\n"));
        QString output = target == u"input"_s ? report : target == u"notes"_s ? notes : folder.filePath(u"copy.vlm"_s);
        if (target == u"link"_s) {
            QVERIFY(writeFile(folder.filePath(u"real.odt"_s), "old"));
            output = folder.filePath(u"copy.odt"_s);
            QVERIFY(::symlink("real.odt", QFile::encodeName(output).constData()) == 0);
        }
        const QByteArray reportBefore = readFile(report);
        const Outcome run = runCli({u"--open"_s, report, u"--notes-file"_s, notes, option, output});
        if (target == u"link"_s) {
            QCOMPARE(run.exitCode, 0);
            QVERIFY(QFileInfo(output).isSymLink());
            QVERIFY(readFile(folder.filePath(u"real.odt"_s)).startsWith("PK"));
            return;
        }
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("nothing was written"), run.err);
        QCOMPARE(readFile(report), reportBefore);
        QCOMPARE(readFile(notes), QByteArray("destiny: kept\n"));
    }
};

QTEST_MAIN(TestCliReport)
#include "tst_cli_report.moc"
