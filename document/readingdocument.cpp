// SPDX-License-Identifier: MIT
#include "readingdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

#include <langinfo.h>

#include "enginetext.h"
#include "fontfamily.h"
#include "letterchartsobject.h"
#include "morenumberstext.h"
#include "shownasmark.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qreal kTextPointSize = 10;
constexpr qreal kCaptionPointSize = 12;
constexpr qreal kPartPointSize = 14;
constexpr qreal kPersonPointSize = 14;
constexpr qreal kFooterPointSize = 8;

QString documentText(std::string_view text)
{
    QString result = toQString(text);
    result.replace(u"\r\n"_s, u"\n"_s);
    result.replace(u'\r', u'\n');
    return result;
}

QTextCharFormat headingFormat(qreal pointSize = 0)
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setForeground(kHeadingColour);
    if (pointSize > 0)
        format.setFontPointSize(pointSize);
    return format;
}

bool isHeading(const QTextBlock &block)
{
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        if (fragment.fragment().charFormat().fontWeight() >= QFont::Bold)
            return true;
    }
    return false;
}

// One line of the laid-out document, as the page breaks see it.
struct Line {
    qreal top = 0;
    qreal bottom = 0;
    bool heading = false;
    bool blank = false;
};

QList<Line> documentLines(const QTextDocument &document)
{
    (void)document.documentLayout()->documentSize(); // lays the document out
    QList<Line> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const bool heading = isHeading(block);
        const bool blank = block.text().trimmed().isEmpty();
        for (int k = 0; k < layout->lineCount(); ++k) {
            const QTextLine line = layout->lineAt(k);
            const qreal top = layout->position().y() + line.y();
            lines.append({top, top + line.height(), heading, blank});
        }
    }
    return lines;
}

QTextBlockFormat captionBlockFormat()
{
    QTextBlockFormat block;
    block.setTopMargin(kCaptionPointSize * 1.5);
    block.setBottomMargin(kCaptionPointSize / 2);
    block.setHeadingLevel(2);
    return block;
}

// The parts after the eight readings ("More numbers", the appendix) stand a
// level above a reading's caption: larger, with more room above them.
QTextBlockFormat partBlockFormat()
{
    QTextBlockFormat block;
    block.setTopMargin(kPartPointSize * 2);
    block.setBottomMargin(kPartPointSize / 2);
    block.setHeadingLevel(1);
    return block;
}

QTextCharFormat plainFormat()
{
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(kTextColour);
    return plain;
}

// The further numbers after the eight readings, each under its heading.
void appendMoreNumbers(QTextCursor &cursor, const Chart &chart)
{
    cursor.insertBlock(partBlockFormat());
    cursor.insertText(toQString(kMoreNumbersTitle), headingFormat(kPartPointSize));
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(kTextPointSize);
    for (const SectionDescriptor &descriptor : sectionsOf(Part::MoreNumbers)) {
        if (!chart.shows(descriptor.id))
            continue;
        const TextSection section = textSection(chart, descriptor.id);
        cursor.insertBlock(headingBlock);
        cursor.insertText(toQString(section.heading), headingFormat());
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(documentText(section.text), plainFormat());
    }
}

// The Inclusion grid and the Planes of Expression, each drawn under its
// heading, so that the two go to a new page with it; what they show follows.
void appendLetterCharts(QTextCursor &cursor, const Chart &chart)
{
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(kTextPointSize);
    QTextBlockFormat paragraph;
    paragraph.setTopMargin(kTextPointSize * 0.8);
    for (const ElementDescriptor &element : elementDescriptors()) {
        cursor.insertBlock(headingBlock);
        cursor.insertText(toQString(element.title), headingFormat());
        LetterChartsObject::insertElement(cursor, chart, element);
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(toQString(elementExplanation(chart, element)), plainFormat());
        if (element.layout != ElementLayout::Planes)
            continue;
        for (const PlaneDescriptor &plane : planeDescriptors()) {
            cursor.insertBlock(paragraph);
            cursor.insertText(toQString(planeReading(plane.plane, chart.plane(plane.plane))), plainFormat());
        }
    }
}

// The appendix: one plain line per number, so that each can be checked by hand.
void appendWorking(QTextCursor &cursor, const Chart &chart, bool nameSystem)
{
    cursor.insertBlock(partBlockFormat());
    cursor.insertText(u"Appendix: "_s + toQString(kWorkingTitle).toLower(), headingFormat(kPartPointSize));
    if (nameSystem) {
        // The rules in one paragraph before the working that follows them.
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(toQString(systemLine(chart.system())), plainFormat());
        cursor.insertBlock(QTextBlockFormat());
    }
    for (const std::string &line : workingLines(chart, nameSystem)) {
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(toQString(line), plainFormat());
    }
}

} // namespace

QFont readingFont(qreal pointSize)
{
    QFont font(kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QFont boldReadingFont(qreal pointSize)
{
    QFont font = readingFont(pointSize);
    font.setBold(true);
    return font;
}

void setPageMargins(QPagedPaintDevice &device)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins(std::max(kPageMarginMillimetres, least.left()), std::max(kPageMarginMillimetres, least.top()),
                            std::max(kPageMarginMillimetres, least.right()),
                            std::max(kPageMarginMillimetres, least.bottom()));
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(margins);
    device.setPageLayout(layout);
}

CalendarDate calendarDate(const QDate &date)
{
    return {date.day(), date.month(), date.year()};
}

void insertReading(QTextCursor &cursor, const Reading &reading)
{
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(kTextColour);
    const QTextCharFormat heading = headingFormat();
    for (const Passage &passage : reading.passages())
        cursor.insertText(documentText(passage.text), passage.style == Style::Heading ? heading : plain);
}

std::unique_ptr<QTextDocument> readingDocument(const Chart &chart, bool nameSystem)
{
    const BirthData &data = chart.person();
    auto document = std::make_unique<QTextDocument>();
    new LetterChartsObject(document.get()); // owned by the document
    document->setDefaultFont(readingFont(kTextPointSize));
    document->setDocumentMargin(0);

    QTextCursor cursor(document.get());
    QTextCharFormat person;
    person.setFontWeight(QFont::Bold);
    person.setFontPointSize(kPersonPointSize);
    cursor.insertText(toQString(fullName(data)), person);
    cursor.insertBlock();
    cursor.insertText(u"Date of birth: %1 %2 %3"_s.arg(QString::number(data.BirthDay),
                                                       QLocale::c().monthName(data.BirthMonth),
                                                       QString::number(data.BirthYear)),
                      QTextCharFormat());
    if (nameSystem) {
        cursor.insertBlock();
        cursor.insertText(u"Numerology system: "_s + toQString(chart.system().name), QTextCharFormat());
    }

    for (const SectionDescriptor &section : sectionsOf(Part::Readings)) {
        if (!chart.shows(section.id))
            continue;
        cursor.insertBlock(captionBlockFormat());
        cursor.insertText(toQString(section.caption), headingFormat(kCaptionPointSize));
        cursor.insertBlock(QTextBlockFormat());
        insertReading(cursor, chart.reading(section.id));
    }
    appendMoreNumbers(cursor, chart);
    appendLetterCharts(cursor, chart);
    appendWorking(cursor, chart, nameSystem);
    return document;
}

QList<qreal> pageTops(const QTextDocument &document, qreal pageHeight)
{
    const QList<Line> lines = documentLines(document);
    QList<qreal> tops{lines.isEmpty() ? 0 : lines.constFirst().top};
    qsizetype firstOnPage = 0;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        // A line taller than a page stands alone on its page.
        if (lines[k].bottom - tops.constLast() <= pageHeight || k == firstOnPage)
            continue;
        // Headings (and the blank lines among them) at the foot of the page go over with line k.
        qsizetype start = k;
        for (qsizetype j = k; j > firstOnPage && (lines[j - 1].heading || lines[j - 1].blank); --j) {
            if (lines[j - 1].heading)
                start = j - 1;
        }
        if (start == firstOnPage || lines[k].bottom - lines[start].top > pageHeight)
            start = k;
        firstOnPage = start;
        tops.append(lines[start].top);
    }
    return tops;
}

int pageAt(const QList<qreal> &tops, qreal y)
{
    const auto after = std::upper_bound(tops.begin(), tops.end(), y);
    return static_cast<int>(std::max<qsizetype>(0, after - tops.begin() - 1));
}

QString documentTitle(const BirthData &data)
{
    return u"Velmora readings: "_s + toQString(fullName(data));
}

QString documentCreator()
{
    return u"Tavi Velmora "_s + QStringLiteral(VELMORA_VERSION);
}

QPageSize localePageSize()
{
#ifdef __GLIBC__
    // glibc gives the paper's size in millimetres as a number in place of the
    // string. Its items are enumerators, not macros: the guard is the library.
    const auto millimetres = [](nl_item item) {
        union {
            char *string;
            unsigned int number;
        } value{nl_langinfo(item)};
        return value.number;
    };
    if (millimetres(_NL_PAPER_WIDTH) == 216 && millimetres(_NL_PAPER_HEIGHT) == 279)
        return QPageSize(QPageSize::Letter);
#endif
    return QPageSize(QPageSize::A4);
}

bool paintReadings(QPagedPaintDevice &device, const Chart &chart, bool nameSystem)
{
    setPageMargins(device);
    const std::unique_ptr<QTextDocument> document = readingDocument(chart, nameSystem);
    document->documentLayout()->setPaintDevice(&device);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const PageFooter footer(device, toQString(fullName(chart.person())));
    document->setTextWidth(page.width());
    const QList<qreal> tops = pageTops(*document, page.height() - footer.reservedHeight());

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pages = static_cast<int>(tops.size());
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage())
            return false;
        // Line by line, so that every line is drawn once, on its own page:
        // a clipped line would still stand in the text that search and
        // screen readers find.
        painter.save();
        painter.setPen(kTextColour);
        painter.translate(0, -tops[p]);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QTextLayout *layout = block.layout();
            for (int k = 0; k < layout->lineCount(); ++k) {
                const QTextLine line = layout->lineAt(k);
                if (pageAt(tops, layout->position().y() + line.y()) == p)
                    line.draw(&painter, layout->position());
            }
        }
        painter.restore();
        footer.paint(painter, page, p + 1, pages);
    }
    return painter.end();
}

QByteArray readingsPdf(const Chart &chart, const QPageSize &pageSize, bool nameSystem)
{
    return pdfDocument(documentTitle(chart.person()), pageSize,
                       [&](QPagedPaintDevice &device) { return paintReadings(device, chart, nameSystem); });
}

PageFooter::PageFooter(const QPaintDevice &device, QString name)
    : m_font(readingFont(kFooterPointSize))
    , m_metrics(m_font, &device)
    , m_name(std::move(name))
{
}

void PageFooter::paint(QPainter &painter, const QRectF &page, int pageNumber, int pageCount) const
{
    const QString pageText = u"Page %1 of %2"_s.arg(pageNumber).arg(pageCount);
    const qreal nameWidth = page.width() - m_metrics.horizontalAdvance(pageText + u"    "_s);
    const QRectF footer(0, page.height() - m_metrics.height(), page.width(), m_metrics.height());
    painter.setFont(m_font);
    painter.setPen(kTextColour);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, m_metrics.elidedText(m_name, Qt::ElideRight, nameWidth));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, pageText);
}

QByteArray pdfDocument(const QString &title, const QPageSize &pageSize,
                       const std::function<bool(QPagedPaintDevice &)> &paint)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(documentCreator());
    // A name's controls and direction marks would reach the viewer's title bar as they are.
    writer.setTitle(withMarksShown(title));
    writer.setPageSize(pageSize);
    if (!paint(writer))
        return {};
    return pdf;
}

} // namespace velmora
