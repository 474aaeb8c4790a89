// SPDX-License-Identifier: MIT
// The printed Inclusion grid and Planes of Expression, as a reader of the PDF
// finds them: the counts in their cells, a missing value shaded, the planes'
// names on the same page as their table.
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "chart.h"
#include "pdfwords.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace {

constexpr velmora::CalendarDate kOn{31, 12, 2025};
// The page drawn at this many dots per inch: two dots to a point.
constexpr int kDotsPerInch = 144;
constexpr qreal kDotsPerPoint = kDotsPerInch / 72.0;

velmora::BirthData person(const char *first, const char *middle, const char *last)
{
    velmora::BirthData data;
    data.FirstName = first;
    data.MiddleName = middle;
    data.LastName = last;
    data.BirthDay = 7;
    data.BirthMonth = 3;
    data.BirthMonthName = "March";
    data.BirthYear = 1985;
    return data;
}

} // namespace

class TestLetterCharts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()
            || QStandardPaths::findExecutable(u"pdftoppm"_s).isEmpty())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are missing");
    }

    // Counts by hand: M4 A1 R9 Y7 A1 N5 N5 S1 M4 I9 T2 H8 under classic; M4 A1
    // R2 Y1 A1 N5 N5 S3 M4 I1 T4 H5 under chaldean; A J S four times, B2 O6.
    void drawsTheCountsInTheirCells_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QStringList>("counts"); // value 1 first
        QTest::newRow("Mary Ann Smith, classic")
            << u"Mary"_s << u"Ann"_s << u"Smith"_s << u"classic"_s
            << QStringList{u"3"_s, u"1"_s, u"0"_s, u"2"_s, u"2"_s, u"0"_s, u"1"_s, u"1"_s, u"2"_s};
        QTest::newRow("Mary Ann Smith, chaldean")
            << u"Mary"_s << u"Ann"_s << u"Smith"_s << u"chaldean"_s
            << QStringList{u"4"_s, u"1"_s, u"1"_s, u"3"_s, u"3"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s};
        QTest::newRow("a count of two digits")
            << u"Ajsajsajsajs"_s << QString() << u"Bo"_s << u"classic"_s
            << QStringList{u"12"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s};
    }
    void drawsTheCountsInTheirCells()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, system);
        QFETCH(QStringList, counts);
        const QByteArray names[] = {first.toUtf8(), middle.toUtf8(), last.toUtf8()};
        const velmora::Chart chart = velmora::chartOf(
            person(names[0].constData(), names[1].constData(), names[2].constData()),
            *velmora::findSystem(system.toStdString()), kOn, true);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"readings.pdf"_s);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Without the summary, which draws the grid too.
        velmora::ReportOptions options;
        options.sections = QStringList{u"inclusion"_s, u"planes"_s};
        file.write(velmora::readingsPdf(chart, QPageSize(QPageSize::A4), options));
        file.close();

        // The counts are the only numbers set large; each stands in the middle
        // of its cell, 1 4 7 across the top, 1 2 3 down the left.
        const QList<PdfWord> words = pdfWords(pdf).words;
        QList<PdfWord> large;
        static const QRegularExpression count(u"^(\\d+|\u2013)$"_s);
        for (const PdfWord &word : words)
            if (word.box.height() > 14 && count.match(word.text).hasMatch())
                large.append(word);
        QCOMPARE(large.size(), 9);
        std::ranges::sort(large, [](const PdfWord &a, const PdfWord &b) {
            return std::pair(qRound(a.box.center().x()), qRound(a.box.center().y()))
                < std::pair(qRound(b.box.center().x()), qRound(b.box.center().y()));
        });
        const qreal cell = large[3].box.center().x() - large[0].box.center().x();
        QVERIFY2(cell > 30 && cell < 40, qPrintable(QString::number(cell))); // 12 mm
        for (int k = 0; k < 9; ++k) {
            const QPointF expected = large[0].box.center() + QPointF(k / 3 * cell, k % 3 * cell);
            QVERIFY2((large[k].box.center() - expected).manhattanLength() < 4, qPrintable(large[k].text));
            QCOMPARE(large[k].text, counts[k] == u"0"_s ? u"\u2013"_s : counts[k]);
            QCOMPARE(large[k].page, large[0].page);
        }

        // A value no letter carries is shaded; the others are not.
        const QString prefix = folder.filePath(u"page"_s);
        programOutput(u"pdftoppm"_s, {u"-r"_s, QString::number(kDotsPerInch), u"-f"_s, QString::number(large[0].page + 1),
                                      u"-l"_s, QString::number(large[0].page + 1), u"-png"_s, u"-singlefile"_s, pdf, prefix});
        const QImage page(prefix + u".png"_s);
        QVERIFY(!page.isNull());
        for (int k = 0; k < 9; ++k) {
            // Inside the cell, clear of the count and of the value in its corner.
            const QPointF point = (large[k].box.center() + QPointF(cell / 3, cell / 3)) * kDotsPerPoint;
            const QColor colour = page.pixelColor(point.toPoint());
            QCOMPARE(colour == Qt::white, counts[k] != u"0"_s);
        }

        // The planes follow on the same page or the next, under their heading.
        const auto pageOf = [&](const QString &text) {
            const auto found = std::ranges::find_if(words, [&](const PdfWord &w) { return w.text == text && w.page >= large[0].page; });
            return found == words.end() ? -1 : found->page;
        };
        const int planes = pageOf(u"Expression"_s);
        QVERIFY(planes == large[0].page || planes == large[0].page + 1);
        for (const QString &plane : {u"Physical"_s, u"Mental"_s, u"Emotional"_s, u"Intuitive"_s})
            QCOMPARE(pageOf(plane), planes);
    }
};

QTEST_MAIN(TestLetterCharts)
#include "tst_lettercharts.moc"
