// SPDX-License-Identifier: MIT
#include "readingdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qreal kTextPointSize = 10;
constexpr qreal kCaptionPointSize = 12;
constexpr qreal kPersonPointSize = 14;

QString documentText(std::string_view text)
{
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

// The page on which a line of the block stands; the layout puts every line
// wholly on one page.
int pageOfLine(const QTextBlock &block, int line, qreal pageHeight)
{
    const QTextLayout *layout = block.layout();
    const qreal top = layout->position().y() + (layout->lineCount() > 0 ? layout->lineAt(line).y() : 0);
    return static_cast<int>(top / pageHeight);
}

} // namespace

void insertReading(QTextCursor &cursor, const Reading &reading)
{
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(kTextColour);
    const QTextCharFormat heading = headingFormat();
    for (const Passage &passage : reading.passages())
        cursor.insertText(documentText(passage.text), passage.style == Style::Heading ? heading : plain);
}

std::unique_ptr<QTextDocument> readingDocument(const BirthData &data, const Results &results)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(u"Verdana"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kTextPointSize);
    document->setDefaultFont(font);
    document->setDocumentMargin(0);

    QStringList names;
    for (const std::string *name : {&data.FirstName, &data.MiddleName, &data.LastName}) {
        if (!name->empty())
            names << QString::fromStdString(*name);
    }
    QTextCursor cursor(document.get());
    QTextCharFormat person;
    person.setFontWeight(QFont::Bold);
    person.setFontPointSize(kPersonPointSize);
    cursor.insertText(names.join(u' '), person);
    cursor.insertBlock();
    cursor.insertText(u"Date of birth: %1 %2 %3"_s.arg(QString::number(data.BirthDay),
                                                       QLocale::c().monthName(data.BirthMonth),
                                                       QString::number(data.BirthYear)),
                      QTextCharFormat());

    QTextBlockFormat captionBlock;
    captionBlock.setTopMargin(kCaptionPointSize * 1.5);
    captionBlock.setBottomMargin(kCaptionPointSize / 2);
    for (std::size_t k = 0; k < kReadingCount; ++k) {
        cursor.insertBlock(captionBlock);
        cursor.insertText(QString::fromUtf8(kReadingCaptions[k].data(), static_cast<qsizetype>(kReadingCaptions[k].size())),
                          headingFormat(kCaptionPointSize));
        cursor.insertBlock(QTextBlockFormat());
        insertReading(cursor, results.readings[k]);
    }
    return document;
}

void keepHeadingsWithText(QTextDocument &document)
{
    const qreal pageHeight = document.pageSize().height();
    if (pageHeight <= 0)
        return;
    const auto nonEmpty = [](QTextBlock block, bool forward) {
        while (block.isValid() && block.text().isEmpty())
            block = forward ? block.next() : block.previous();
        return block;
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!isHeading(block))
            continue;
        const QTextBlock next = nonEmpty(block.next(), true);
        // Headings that follow one another move as one, with the text after the last.
        if (!next.isValid() || isHeading(next))
            continue;
        (void)document.pageCount(); // lays the document out
        if (pageOfLine(next, 0, pageHeight) == pageOfLine(block, block.layout()->lineCount() - 1, pageHeight))
            continue;
        QTextBlock first = block;
        for (QTextBlock previous = nonEmpty(first.previous(), false); previous.isValid() && isHeading(previous);
             previous = nonEmpty(first.previous(), false))
            first = previous;
        QTextBlockFormat format = first.blockFormat();
        if (format.pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore))
            continue; // already at the top of a page: the group is taller than a page
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).setBlockFormat(format);
    }
}

bool paintReadings(QPagedPaintDevice &device, const BirthData &data, const Results &results)
{
    const std::unique_ptr<QTextDocument> document = readingDocument(data, results);
    document->documentLayout()->setPaintDevice(&device);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    document->setPageSize(page.size());
    keepHeadingsWithText(*document);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pages = document->pageCount();
    for (int k = 0; k < pages; ++k) {
        if (k > 0 && !device.newPage())
            return false;
        painter.save();
        const QRectF clip(0, k * page.height(), page.width(), page.height());
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

QString writeReadingsPdf(const QString &fileName, const BirthData &data, const Results &results)
{
    // Drawn in memory first: a file that cannot be drawn is not touched.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(u"Tavi Velmora"_s);
        writer.setTitle(u"Velmora readings"_s);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        if (!paintReadings(writer, data, results))
            return u"the document could not be drawn"_s;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace velmora
