// SPDX-License-Identifier: MIT
#include <QFontInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "chart.h"
#include "morenumberstext.h"
#include "pdfwords.h"
#include "readingdocument.h"
#include "working.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kPointsPerMillimetre = 72 / 25.4;
// The date of interest of the personal cycles in every document here.
constexpr velmora::CalendarDate kOn{31, 12, 2025};

// The classic chart with its working, the personal cycles of kOn.
velmora::Chart chartOf(const velmora::BirthData &data)
{
    return velmora::chartOf(data, velmora::classicSystem(), kOn, true);
}

velmora::BirthData person()
{
    velmora::BirthData data;
    data.FirstName = "Mary";
    data.MiddleName = "Ann";
    data.LastName = "Smith";
    data.BirthDay = 7;
    data.BirthMonth = 3;
    data.BirthMonthName = "March";
    data.BirthYear = 1985;
    return data;
}

bool isBold(const QTextBlock &block)
{
    return block.begin() != block.end() && block.begin().fragment().charFormat().fontWeight() >= QFont::Bold;
}

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every heading the document shows, the captions among them; the person's name is on every page.
QStringList headings(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin().next(); block.isValid(); block = block.next()) {
        if (isBold(block))
            lines << block.text().trimmed();
    }
    return lines;
}

struct PdfText {
    QSizeF pageSize; // in points
    QList<PdfWord> words;
    QStringList pages; // each page's plain text
    QString title;
    QString creator;
};

PdfText readPdf(const QString &fileName)
{
    PdfText pdf;
    PdfWords words = pdfWords(fileName);
    pdf.pageSize = words.pageSizes.isEmpty() ? QSizeF() : words.pageSizes.constLast();
    pdf.words = std::move(words.words);
    pdf.pages = QString::fromUtf8(programOutput(u"pdftotext"_s, {fileName, u"-"_s})).split(u'\f');
    if (!pdf.pages.isEmpty() && pdf.pages.constLast().trimmed().isEmpty())
        pdf.pages.removeLast();
    const QString info = QString::fromUtf8(programOutput(u"pdfinfo"_s, {fileName}));
    static const QRegularExpression field(u"^(Title|Creator):\\s*(.*)$"_s, QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : field.globalMatch(info))
        (match.captured(1) == u"Title"_s ? pdf.title : pdf.creator) = match.captured(2);
    return pdf;
}

// How often the line stands alone (its words separated by any white space) in the text.
qsizetype occurrences(const QString &text, const QString &line)
{
    QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    for (QString &word : words)
        word = QRegularExpression::escape(word);
    const QRegularExpression pattern(u"(?:^|\\n)\\s*"_s + words.join(u"\\s+"_s) + u"\\s*(?=\\n|$)"_s);
    qsizetype count = 0;
    for (auto it = pattern.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

class TestReadingDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // CTest runs this test once per font, with fontconfig set to make the
    // reading font that one; a run with another font would prove nothing.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString expected = qEnvironmentVariable("VELMORA_EXPECTED_FONT");
        const std::unique_ptr<QTextDocument> document = velmora::readingDocument(chartOf(person()));
        const QString family = QFontInfo(document->defaultFont()).family();
        qInfo("reading font: %s", qPrintable(family));
        if (!expected.isEmpty())
            QCOMPARE(family, expected);
    }

    // The window's printout: the summary, then the readings as the window has them.
    void holdsThePersonThenTheEightReadingsInTabOrderThenTheMoreNumbers()
    {
        const velmora::BirthData data = person();
        const velmora::Chart chart = chartOf(data);
        velmora::ReportOptions options;
        options.sections = velmora::printoutSectionNames();
        const std::unique_ptr<QTextDocument> document = velmora::readingDocument(chart, options);
        const QString text = document->toPlainText();
        QVERIFY(text.startsWith(u"Mary Ann Smith\nDate of birth: 7 March 1985\nNumerology system: Classic\n"
                                "Date of interest: 31 December 2025\n"_s));
        qsizetype from = 0;
        for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings)) {
            const QString caption = qtext(section.caption);
            const QString reading = QString::fromStdString(chart.reading(section.id).plainText());
            from = text.indexOf(caption + u'\n' + reading, from);
            QVERIFY2(from > 0, qPrintable(caption));
        }
        // Then the further numbers, each heading with its text, and the working last.
        for (const velmora::SectionDescriptor &descriptor : velmora::sectionsOf(velmora::Part::MoreNumbers)) {
            const velmora::TextSection section = velmora::textSection(chart, descriptor.id);
            from = text.indexOf(qtext(section.heading) + u'\n' + qtext(section.text), from);
            QVERIFY2(from > 0, section.heading.c_str());
        }
        from = text.indexOf(u"\nAppendix: how the numbers were found\n"_s, from);
        QVERIFY(from > 0);
        for (const std::string &line : velmora::workingLines(chart)) {
            from = text.indexOf(u'\n' + qtext(line), from);
            QVERIFY2(from > 0, line.c_str());
        }
    }

    // Whatever the page height, every line stands wholly on one page and no
    // heading ends a page while its text starts the next.
    void keepsEveryHeadingWithItsText_data()
    {
        QTest::addColumn<int>("pageHeight");
        // From the height the tallest drawing, the Inclusion grid, takes with its caption.
        for (int height = 197; height <= 900; height += 37)
            QTest::addRow("%d", height) << height;
    }

    void keepsEveryHeadingWithItsText()
    {
        QFETCH(int, pageHeight);
        const velmora::BirthData data = person();
        const std::unique_ptr<QTextDocument> document = velmora::readingDocument(chartOf(data));
        document->setTextWidth(420);
        const QList<qreal> tops = velmora::pageTops(*document, pageHeight);
        const auto lineTop = [](const QTextBlock &block, int line) {
            return block.layout()->position().y() + block.layout()->lineAt(line).y();
        };
        int headings = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (int k = 0; k < block.layout()->lineCount(); ++k) {
                const qreal top = lineTop(block, k);
                const qreal pageTop = tops[velmora::pageAt(tops, top)];
                QVERIFY2(top + block.layout()->lineAt(k).height() - pageTop <= pageHeight, qPrintable(block.text()));
            }
            if (!isBold(block) || block == document->begin())
                continue;
            QTextBlock next = block.next();
            while (next.isValid() && next.text().isEmpty())
                next = next.next();
            QVERIFY(next.isValid());
            ++headings;
            QVERIFY2(velmora::pageAt(tops, lineTop(block, block.layout()->lineCount() - 1))
                         == velmora::pageAt(tops, lineTop(next, 0)),
                     qPrintable(block.text()));
        }
        QVERIFY(headings >= 16);
        QVERIFY(tops.size() > 1);
    }

    // The printed pages as a reader of the PDF finds them, on each paper and
    // on printers that cannot print as near the edge as the margins go.
    void printsTheSameDocumentOnEveryPaper_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QMarginsF>("unprintable"); // millimetres
        for (const auto &[name, paper] : {std::pair{"A4", QPageSize::A4}, std::pair{"Letter", QPageSize::Letter}}) {
            QTest::addRow("%s", name) << paper << QMarginsF();
            QTest::addRow("%s, printer with wide edges", name) << paper << QMarginsF(25, 12, 31, 28);
        }
    }

    void printsTheSameDocumentOnEveryPaper()
    {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QMarginsF, unprintable);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing");
        const velmora::BirthData data = person();
        const velmora::Chart chart = chartOf(data);
        QTemporaryDir folder;
        const QString fileName = folder.filePath(u"readings.pdf"_s);
        {
            QPdfWriter writer(fileName);
            writer.setTitle(velmora::documentTitle(data));
            writer.setCreator(velmora::documentCreator());
            QVERIFY(writer.setPageLayout(
                QPageLayout(QPageSize(paper), QPageLayout::Portrait, unprintable, QPageLayout::Millimeter, unprintable)));
            QVERIFY(velmora::paintReadings(writer, chart));
        }
        const PdfText pdf = readPdf(fileName);
        const int pages = static_cast<int>(pdf.pages.size());
        QVERIFY(pages > 1);
        qInfo("%s: %d pages", qPrintable(QPageSize(paper).name()), pages);
        QVERIFY(qAbs(pdf.pageSize.width() - QPageSize(paper).sizePoints().width()) < 1);
        QCOMPARE(pdf.title, u"Velmora readings: Mary Ann Smith"_s);
        QVERIFY2(pdf.creator.startsWith(u"Tavi Velmora "_s), qPrintable(pdf.creator));

        // Nothing nearer an edge than the margins, nor than the printer can print.
        const auto margin = [](qreal unprintableMm) { return (std::max(20.0, unprintableMm) - 0.5) * kPointsPerMillimetre; };
        const QRectF printable(QPointF(margin(unprintable.left()), margin(unprintable.top())),
                               QPointF(pdf.pageSize.width() - margin(unprintable.right()),
                                       pdf.pageSize.height() - margin(unprintable.bottom())));
        QVERIFY(!pdf.words.isEmpty());
        for (const PdfWord &word : pdf.words)
            QVERIFY2(printable.contains(word.box), qPrintable(u"%1 on page %2"_s.arg(word.text).arg(word.page + 1)));

        // Each page says whose it is and where it belongs.
        for (int p = 0; p < pages; ++p) {
            QVERIFY2(pdf.pages[p].contains(u"Page %1 of %2"_s.arg(p + 1).arg(pages)), qPrintable(pdf.pages[p]));
            QVERIFY(pdf.pages[p].contains(u"Mary Ann Smith"_s));
        }

        // Every heading once in the text, never twice through a page break.
        const QString text = pdf.pages.join(u'\n');
        const QStringList shown = headings(*velmora::readingDocument(chart));
        QVERIFY(shown.size() >= 16);
        QVERIFY(shown.contains(u"Appendix: how the numbers were found"_s));
        QVERIFY(shown.contains(u"Personal Year 2025: 1"_s)); // 7 + 3 + 2025 = 2035 → 10 → 1
        for (const QString &heading : shown)
            QVERIFY2(occurrences(text, heading) == 1,
                     qPrintable(u"%1: %2 times"_s.arg(heading).arg(occurrences(text, heading))));
    }
};

QTEST_MAIN(TestReadingDocument)
#include "tst_readingdocument.moc"
