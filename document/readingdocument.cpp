// SPDX-License-Identifier: MIT
#include "readingdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextObjectInterface>

#include <algorithm>
#include <utility>

#include <langinfo.h>

#include "enginetext.h"
#include "fontfamily.h"
#include "letterchartsobject.h"
#include "lifetimeline.h"
#include "morenumberstext.h"
#include "numbernotation.h"
#include "reportsummary.h"
#include "shownasmark.h"
#include "chaldeantexts.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qreal kTextPointSize = 10;
constexpr qreal kCaptionPointSize = 12;
constexpr qreal kPartPointSize = 14;
constexpr qreal kPersonPointSize = 14;
constexpr qreal kFooterPointSize = 8;
constexpr qreal kDrawingMargin = 9; // below a drawing; half of it above

QString documentText(std::string_view text)
{
    QString result = toQString(text);
    result.replace(u"\r\n"_s, u"\n"_s);
    result.replace(u'\r', u'\n');
    return result;
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
    bool breakBefore = false; // its block asks for a new page
};

QList<Line> documentLines(const QTextDocument &document)
{
    (void)document.documentLayout()->documentSize(); // lays the document out
    QList<Line> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const bool heading = isHeading(block);
        const bool blank = block.text().trimmed().isEmpty();
        const bool breakBefore = (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) != 0;
        for (int k = 0; k < layout->lineCount(); ++k) {
            const QTextLine line = layout->lineAt(k);
            const qreal top = layout->position().y() + line.y();
            lines.append({top, top + line.height(), heading, blank, breakBefore && k == 0});
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

void insertCaption(QTextCursor &cursor, const QString &caption, bool newPage)
{
    QTextBlockFormat block = captionBlockFormat();
    if (newPage)
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(block);
    cursor.insertText(caption, headingFormat(kCaptionPointSize));
}

// A further number under its caption, its compound's reading under a
// heading of its own as the eight readings have it.
void appendTextSection(QTextCursor &cursor, const Chart &chart, const SectionDescriptor &descriptor, bool newPage)
{
    const TextSection section = textSection(chart, descriptor.id);
    const CompoundReading *compound = chaldeanCompound(chart[descriptor.first].compound);
    QString caption = toQString(section.heading);
    if (compound != nullptr) // "Life Path Number: 31/4", as the summary writes it
        caption.replace(u": %1 (compound %2)"_s.arg(chart.number(descriptor.first)).arg(compound->number),
                        u": "_s + numberNotation(chart, descriptor.first));
    insertCaption(cursor, caption, newPage);
    QString text = documentText(section.text);
    QString compoundHeading;
    if (compound != nullptr) {
        compoundHeading = toQString(kCompoundHeading) + QString::number(compound->number) + u", "_s
            + toQString(compound->title);
        const QString inline_ = u"\n\n"_s + compoundHeading + u": "_s + documentText(compound->text);
        if (text.endsWith(inline_))
            text.chop(inline_.size());
        else
            compoundHeading.clear();
    }
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(text, plainFormat());
    if (compoundHeading.isEmpty())
        return;
    cursor.insertText(u"\n\n"_s, plainFormat());
    cursor.insertText(compoundHeading, headingFormat());
    cursor.insertText(u"\n"_s, plainFormat());
    cursor.insertText(documentText(compound->text), plainFormat());
}

// A chart element drawn under its caption, so that it goes to a new page
// with it; what it shows follows, and the planes' readings.
void appendElement(QTextCursor &cursor, const Chart &chart, const ElementDescriptor &element, bool newPage)
{
    insertCaption(cursor, toQString(element.title), newPage);
    LetterChartsObject::insertElement(cursor, chart, element);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(toQString(elementExplanation(chart, element)), plainFormat());
    if (element.layout != ElementLayout::Planes)
        return;
    QTextBlockFormat paragraph;
    paragraph.setTopMargin(kTextPointSize * 0.8);
    for (const PlaneDescriptor &plane : planeDescriptors()) {
        cursor.insertBlock(paragraph);
        cursor.insertText(toQString(planeReading(plane.plane, chart.plane(plane.plane))), plainFormat());
    }
}

// The practitioner's paragraphs for a section, under it.
void appendNotes(QTextCursor &cursor, const QStringList &notes)
{
    QTextBlockFormat block;
    block.setTopMargin(kTextPointSize * 0.8);
    block.setLeftMargin(kTextPointSize * 1.5);
    QTextCharFormat label = plainFormat();
    label.setFontItalic(true);
    label.setForeground(kHeadingColour);
    QTextCharFormat note = plainFormat();
    note.setFontItalic(true);
    for (qsizetype k = 0; k < notes.size(); ++k) {
        cursor.insertBlock(block);
        if (k == 0)
            cursor.insertText(u"Note: "_s, label);
        // A control character or a mark that turns the text around would be obeyed, not shown.
        cursor.insertText(withMarksShown(notes[k]), note);
    }
}

// A picture's name in the document: its PNG data as a data URL.
QString pictureName(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return u"data:image/png;base64,"_s + QString::fromLatin1(png.toBase64());
}

// How wide an editable copy's text is laid out: the text of an A4 page, in the document's pixels of 1/96 inch.
constexpr qreal kEditableWidth = (210 - 2 * kPageMarginMillimetres) / 25.4 * 96;
// An editable copy's pictures have this many dots to the document's pixel.
constexpr int kPictureScale = 3;

// Each drawing of the document as a picture drawn as it prints, and the core
// numbers as a line of text.
void drawingsAsPictures(QTextDocument &document)
{
    document.setTextWidth(kEditableWidth);
    QList<std::pair<int, QTextCharFormat>> drawings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().objectType() < QTextFormat::UserObject)
                continue;
            for (int k = 0; k < fragment.length(); ++k)
                drawings.append({fragment.position() + k, fragment.charFormat()});
        }
    }
    // From the end, so that the positions before stay as they are.
    std::reverse(drawings.begin(), drawings.end());
    for (const auto &[position, format] : std::as_const(drawings)) {
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        if (format.objectType() == CoreNumbersObject::kType) {
            const QStringList cells = format.property(CoreNumbersObject::kCells).toStringList();
            QStringList numbers;
            for (qsizetype k = 0; k + 1 < cells.size(); k += 2)
                numbers << cells[k] + u' ' + cells[k + 1];
            cursor.insertText(numbers.join(u" · "_s), headingFormat());
            continue;
        }
        QTextObjectInterface *handler = document.documentLayout()->handlerForObject(format.objectType());
        const QSizeF size = handler->intrinsicSize(&document, position, format);
        QImage image((size * kPictureScale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kPictureScale, kPictureScale);
        handler->drawObject(&painter, QRectF(QPointF(), size), &document, position, format);
        painter.end();
        const QString name = pictureName(image);
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat picture;
        picture.setName(name);
        picture.setWidth(size.width());
        picture.setHeight(size.height());
        cursor.insertImage(picture);
    }
}

constexpr QStringView kSummary = u"summary";
constexpr QStringView kYearAhead = u"yearAhead";

QString practiceLine(const PracticeDetails &practice)
{
    QStringList parts;
    for (const QString &part : {practice.name, practice.contact}) {
        if (!part.trimmed().isEmpty())
            parts << withMarksShown(part.trimmed());
    }
    return parts.join(u" \u00b7 "_s);
}

// The practice's logo, name and contact line at the head of the first page.
void appendPracticeHeading(QTextCursor &cursor, const ReportOptions &options)
{
    const QString name = withMarksShown(options.practice.name.trimmed());
    const QString contact = withMarksShown(options.practice.contact.trimmed());
    if (!options.logo.isNull()) {
        // Named by its data, so that an HTML copy holds it too.
        const QString resource = pictureName(options.logo);
        cursor.document()->addResource(QTextDocument::ImageResource, QUrl(resource), options.logo);
        // 18 mm high on the page, in the document's pixels of 1/96 inch.
        const qreal height = 18 / 25.4 * 96;
        QTextImageFormat image;
        image.setName(resource);
        image.setHeight(height);
        image.setWidth(std::min(height * options.logo.width() / std::max(1, options.logo.height()), height * 4));
        cursor.insertImage(image);
        cursor.insertBlock();
    }
    QTextCharFormat practice = plainFormat();
    practice.setFontWeight(QFont::Bold);
    practice.setFontPointSize(kCaptionPointSize);
    if (!name.isEmpty()) {
        cursor.insertText(name, practice);
        cursor.insertBlock();
    }
    if (!contact.isEmpty()) {
        cursor.insertText(contact, plainFormat());
        cursor.insertBlock();
    }
    QTextBlockFormat after;
    after.setTopMargin(kTextPointSize);
    cursor.setBlockFormat(after);
}

// The person, and with the summary what the report is of and for whom.
void appendPerson(QTextCursor &cursor, const Chart &chart, const ReportOptions &options, bool summary)
{
    const BirthData &data = chart.person();
    QTextCharFormat person;
    person.setFontWeight(QFont::Bold);
    person.setFontPointSize(kPersonPointSize);
    cursor.insertText(toQString(fullName(data)), person);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(u"Date of birth: %1 %2 %3"_s.arg(QString::number(data.BirthDay),
                                                       QLocale::c().monthName(data.BirthMonth),
                                                       QString::number(data.BirthYear)),
                      QTextCharFormat());
    if (summary || options.nameSystem) {
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(u"Numerology system: "_s + toQString(chart.system().name), QTextCharFormat());
    }
    if (!summary)
        return;
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(u"Date of interest: "_s + toQString(calendarDateText(chart.dateOfInterest())), QTextCharFormat());
    QString prepared = u"Prepared for "_s + toQString(fullName(data));
    if (const QString name = withMarksShown(options.practice.name.trimmed()); !name.isEmpty())
        prepared += u" by "_s + name;
    if (options.preparedOn.isValid())
        prepared += u" on "_s + toQString(calendarDateText(calendarDate(options.preparedOn)));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(prepared, QTextCharFormat());
}

// Appends the named section; false when the chart's system has none such.
bool appendSection(QTextCursor &cursor, const Chart &chart, const QString &name, bool newPage)
{
    if (name == kYearAhead) {
        if (!chart.shows(SectionId::PersonalYear))
            return false;
        insertCaption(cursor, u"The Year Ahead: %1"_s.arg(chart.dateOfInterest().year), newPage);
        appendYearAhead(cursor, chart);
        return true;
    }
    for (const ElementDescriptor &element : elementDescriptors()) {
        if (name == toQString(element.key)) {
            appendElement(cursor, chart, element, newPage);
            return true;
        }
    }
    for (const SectionDescriptor &section : sectionDescriptors()) {
        if (name != toQString(section.jsonKey))
            continue;
        if (!chart.shows(section.id))
            return false;
        if (section.part == Part::MoreNumbers) {
            appendTextSection(cursor, chart, section, newPage);
        } else {
            insertCaption(cursor, toQString(section.caption), newPage);
            cursor.insertBlock(QTextBlockFormat());
            insertReading(cursor, chart.reading(section.id));
        }
        return true;
    }
    return false;
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

QTextCharFormat headingFormat(qreal pointSize)
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setForeground(kHeadingColour);
    if (pointSize > 0)
        format.setFontPointSize(pointSize);
    return format;
}

QTextCharFormat plainFormat()
{
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(kTextColour);
    return plain;
}

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

qreal dotsPerInch(const QPaintDevice *device)
{
    if (device != nullptr)
        return device->logicalDpiY();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 96;
}

QPen rulePen(const QPaintDevice *device)
{
    QPen pen(kTextColour);
    pen.setWidthF(dotsPerInch(device) / 144.0); // half a point
    return pen;
}

void insertDrawing(QTextCursor &cursor, int objectType, int property, const QStringList &data)
{
    QTextBlockFormat block;
    block.setTopMargin(kDrawingMargin / 2);
    block.setBottomMargin(kDrawingMargin);
    cursor.insertBlock(block);
    QTextCharFormat format;
    format.setObjectType(objectType);
    format.setProperty(property, data);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
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

QStringList reportSectionNames()
{
    QStringList names{kSummary.toString()};
    for (const SectionId id : {SectionId::LifePath, SectionId::Destiny, SectionId::SoulUrge, SectionId::Personality,
                               SectionId::Birthday, SectionId::Realization, SectionId::Pinnacles,
                               SectionId::Challenges, SectionId::HiddenPassion, SectionId::SubconsciousSelf,
                               SectionId::Attitude, SectionId::KarmicLessons, SectionId::KarmicDebts,
                               SectionId::PersonalYear, SectionId::PersonalMonth, SectionId::PersonalDay})
        names << toQString(describe(id).jsonKey);
    names << kYearAhead.toString();
    for (const ElementDescriptor &element : elementDescriptors())
        names << toQString(element.key);
    return names;
}

QStringList printoutSectionNames()
{
    QStringList names{kSummary.toString()};
    for (const SectionDescriptor &section : sectionDescriptors())
        names << toQString(section.jsonKey);
    for (const ElementDescriptor &element : elementDescriptors())
        names << toQString(element.key);
    return names;
}

std::unique_ptr<QTextDocument> readingDocument(const Chart &chart, const ReportOptions &options)
{
    auto document = std::make_unique<QTextDocument>();
    new LetterChartsObject(document.get()); // each owned by the document
    new LifeTimelineObject(document.get());
    new CoreNumbersObject(document.get());
    document->setDefaultFont(readingFont(kTextPointSize));
    document->setDocumentMargin(0);
    document->setMetaInformation(QTextDocument::DocumentTitle, withMarksShown(documentTitle(chart.person())));
    // A word longer than the line (a note without spaces) breaks where it must.
    QTextOption wrapping = document->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(wrapping);

    QTextCursor cursor(document.get());
    if (!options.practice.name.trimmed().isEmpty() || !options.practice.contact.trimmed().isEmpty()
        || !options.logo.isNull())
        appendPracticeHeading(cursor, options);
    const bool summary = options.sections.contains(kSummary);
    appendPerson(cursor, chart, options, summary);
    if (summary) {
        appendSummaryCharts(cursor, chart);
        appendNotes(cursor, options.notes.value(kSummary.toString()));
    }
    // After the summary, the sections start on a page of their own.
    bool newPage = summary;
    for (const QString &name : options.sections) {
        if (name == kSummary || !appendSection(cursor, chart, name, newPage))
            continue;
        newPage = false;
        appendNotes(cursor, options.notes.value(name));
    }
    appendWorking(cursor, chart, options.nameSystem);
    return document;
}

QList<qreal> pageTops(const QTextDocument &document, qreal pageHeight)
{
    const QList<Line> lines = documentLines(document);
    QList<qreal> tops{lines.isEmpty() ? 0 : lines.constFirst().top};
    qsizetype firstOnPage = 0;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k].breakBefore && k > firstOnPage) {
            firstOnPage = k;
            tops.append(lines[k].top);
            continue;
        }
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

bool paintReadings(QPagedPaintDevice &device, const Chart &chart, const ReportOptions &options)
{
    setPageMargins(device);
    const std::unique_ptr<QTextDocument> document = readingDocument(chart, options);
    document->documentLayout()->setPaintDevice(&device);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const PageFooter footer(device, toQString(fullName(chart.person())), practiceLine(options.practice));
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

QByteArray readingsPdf(const Chart &chart, const QPageSize &pageSize, const ReportOptions &options)
{
    return pdfDocument(documentTitle(chart.person()), pageSize,
                       [&](QPagedPaintDevice &device) { return paintReadings(device, chart, options); });
}

PageFooter::PageFooter(const QPaintDevice &device, QString name, QString practice)
    : m_font(readingFont(kFooterPointSize))
    , m_metrics(m_font, &device)
    , m_name(std::move(name))
    , m_practice(std::move(practice))
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
    if (!m_practice.isEmpty())
        painter.drawText(footer.translated(0, -m_metrics.height()), Qt::AlignLeft | Qt::AlignBottom,
                         m_metrics.elidedText(m_practice, Qt::ElideRight, page.width()));
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

std::unique_ptr<QTextDocument> editableDocument(const Chart &chart, const ReportOptions &options)
{
    std::unique_ptr<QTextDocument> document = readingDocument(chart, options);
    drawingsAsPictures(*document);
    return document;
}

QByteArray reportOdt(const Chart &chart, const ReportOptions &options)
{
    const std::unique_ptr<QTextDocument> document = editableDocument(chart, options);
    QByteArray odt;
    QBuffer buffer(&odt);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(document.get()))
        return {};
    return odt;
}

QByteArray reportHtml(const Chart &chart, const ReportOptions &options)
{
    return editableDocument(chart, options)->toHtml().toUtf8();
}

} // namespace velmora
