// SPDX-License-Identifier: MIT
#include "reportsummary.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "enginetext.h"
#include "letterchartsobject.h"
#include "lifetimeline.h"
#include "numbernotation.h"
#include "paragraphrows.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qreal kNamePointSize = 8;
constexpr qreal kNumberPointSize = 18;
constexpr qreal kCellMillimetres = 28; // the widest a cell is drawn

struct CoreNumber {
    NumberId id;
    QStringView name;
};

// The core numbers in the order a numerologist reads them; Realization under
// the name most readers know it by.
constexpr std::array kCoreNumbers = {
    CoreNumber{NumberId::LifePath, u"Life Path"},     CoreNumber{NumberId::Destiny, u"Destiny"},
    CoreNumber{NumberId::SoulUrge, u"Soul Urge"},     CoreNumber{NumberId::Personality, u"Personality"},
    CoreNumber{NumberId::Birthday, u"Birthday"},      CoreNumber{NumberId::Realization, u"Maturity"},
};

struct CellGeometry {
    qreal width = 0;
    qreal nameHeight = 0;
    qreal numberHeight = 0;
};

CellGeometry cellGeometry(const QTextDocument *document, qsizetype cells)
{
    const QPaintDevice *device = document->documentLayout()->paintDevice();
    const qreal textWidth = document->textWidth() > 0 ? document->textWidth() : 6 * dotsPerInch(device);
    CellGeometry cell;
    cell.width = std::min(textWidth / static_cast<qreal>(std::max<qsizetype>(cells, 1)) - 1,
                          kCellMillimetres * dotsPerInch(device) / 25.4);
    cell.nameHeight = QFontMetricsF(readingFont(kNamePointSize), device).height() * 1.6;
    cell.numberHeight = QFontMetricsF(boldReadingFont(kNumberPointSize), device).height() * 1.3;
    return cell;
}

void insertSubheading(QTextCursor &cursor, const QString &text)
{
    QTextBlockFormat block;
    block.setTopMargin(10);
    cursor.insertBlock(block);
    cursor.insertText(text, headingFormat());
}

// A label that leads a line of text: green, and a weight below bold, so that
// the page breaks do not take its line for a heading to keep with the next.
QTextCharFormat labelFormat()
{
    QTextCharFormat format = headingFormat();
    format.setFontWeight(QFont::DemiBold);
    return format;
}

QString listText(const Chart &chart, NumberId id)
{
    const NumberValue &value = chart[id];
    QStringList items;
    for (std::size_t k = 0; k < value.count; ++k) {
        QString item = QString::number(value.values[k]);
        if (id == NumberId::KarmicDebts)
            item += u" ("_s + toQString(describe(chart.numbers().debtSources[k]).name) + u')';
        items << item;
    }
    return items.isEmpty() ? u"none"_s : items.join(u", "_s);
}

} // namespace

CoreNumbersObject::CoreNumbersObject(QTextDocument *document)
    : QObject(document)
{
    document->documentLayout()->registerHandler(kType, this);
}

void CoreNumbersObject::insert(QTextCursor &cursor, const Chart &chart)
{
    QStringList cells;
    for (const CoreNumber &number : kCoreNumbers) {
        if (chart[number.id].defined)
            cells << number.name.toString() << numberNotation(chart, number.id);
    }
    insertDrawing(cursor, kType, kCells, cells);
}

QSizeF CoreNumbersObject::intrinsicSize(QTextDocument *document, int, const QTextFormat &format)
{
    const qsizetype cells = format.property(kCells).toStringList().size() / 2;
    const CellGeometry cell = cellGeometry(document, cells);
    return {cell.width * static_cast<qreal>(cells) + 1, cell.nameHeight + cell.numberHeight + 1};
}

void CoreNumbersObject::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int,
                                   const QTextFormat &format)
{
    const QStringList cells = format.property(kCells).toStringList();
    const CellGeometry cell = cellGeometry(document, cells.size() / 2);
    painter->save();
    for (qsizetype k = 0; k + 1 < cells.size(); k += 2) {
        const QRectF box(rect.left() + static_cast<qreal>(k / 2) * cell.width, rect.top(), cell.width,
                         cell.nameHeight + cell.numberHeight);
        painter->setPen(rulePen(painter->device()));
        painter->drawRect(box);
        painter->setPen(kTextColour);
        painter->setFont(readingFont(kNamePointSize));
        painter->drawText(QRectF(box.left(), box.top(), box.width(), cell.nameHeight), Qt::AlignCenter, cells[k]);
        painter->setPen(kHeadingColour);
        painter->setFont(boldReadingFont(kNumberPointSize));
        painter->drawText(QRectF(box.left(), box.top() + cell.nameHeight, box.width(), cell.numberHeight),
                          Qt::AlignHCenter | Qt::AlignTop, cells[k + 1]);
    }
    painter->restore();
}

void appendSummaryCharts(QTextCursor &cursor, const Chart &chart)
{
    insertSubheading(cursor, u"Core numbers"_s);
    CoreNumbersObject::insert(cursor, chart);

    // The Inclusion grid and the Planes, under their titles.
    QStringList titles;
    for (const ElementDescriptor &element : elementDescriptors())
        titles << toQString(element.title);
    insertSubheading(cursor, titles.join(u" and "_s));
    for (const ElementDescriptor &element : elementDescriptors())
        LetterChartsObject::insertElement(cursor, chart, element);

    if (chart.shows(SectionId::Pinnacles)) {
        insertSubheading(cursor, u"Pinnacles and challenges"_s);
        LifeTimelineObject::insert(cursor, LifeTimeline::of(chart));
    }

    QTextBlockFormat line;
    line.setTopMargin(10);
    cursor.insertBlock(line);
    bool first = true;
    for (const SectionId id : {SectionId::KarmicLessons, SectionId::KarmicDebts}) {
        if (!chart.shows(id))
            continue;
        const SectionDescriptor &section = describe(id);
        if (!first)
            cursor.insertText(u" \u00b7 "_s, plainFormat());
        first = false;
        cursor.insertText(toQString(section.caption) + u": "_s, labelFormat());
        cursor.insertText(listText(chart, section.first), plainFormat());
    }
}

void appendYearAhead(QTextCursor &cursor, const Chart &chart)
{
    const CalendarDate &on = chart.dateOfInterest();
    const int year = chart.number(NumberId::PersonalYear);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(u"%1 as a whole: Personal Year %2"_s.arg(on.year).arg(year), headingFormat());
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(toQString(paragraphFor(chart.table(SectionId::PersonalYear), year)), plainFormat());
    QTextBlockFormat month;
    month.setTopMargin(4);
    for (int m = 1; m <= 12; ++m) {
        const Chart monthChart(chart.person(), chart.system(), chart.letters(), {1, m, on.year}, false);
        const int number = monthChart.number(NumberId::PersonalMonth);
        cursor.insertBlock(month);
        cursor.insertText(u"%1: Personal Month %2. "_s.arg(toQString(monthName(m))).arg(number), labelFormat());
        cursor.insertText(toQString(paragraphFor(chart.table(SectionId::PersonalMonth), number)), plainFormat());
    }
}

} // namespace velmora
