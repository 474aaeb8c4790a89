// SPDX-License-Identifier: MIT
#include "letterchartsobject.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>

#include "enginetext.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// The texts of the cells: the nine counts, value 1 first; or the table's
// rows, the header first, kColumns to a row.
constexpr int kCells = QTextFormat::UserProperty + 1;

constexpr qreal kCellMillimetres = 12;
constexpr qreal kValuePointSize = 8;
constexpr qreal kCountPointSize = 16;
constexpr qreal kTablePointSize = 9;
constexpr qreal kTableRowLines = 1.6; // a row's height in lines of its font
constexpr QColor kShade{224, 224, 224};
constexpr qreal kNotChartedPointSize = 5.5;
constexpr QStringView kNotCharted = u"not on the chart";

constexpr std::array<QStringView, 5> kTableHeader = {u"Plane", u"Letters of the plane", u"In the name", u"Total",
                                                     u"Number"};
constexpr qsizetype kColumns = kTableHeader.size();

// Where a value stands in the grid: 1 4 7 in the first row, 2 5 8, 3 6 9.
constexpr int rowOf(int value)
{
    return (value - 1) % 3;
}
constexpr int columnOf(int value)
{
    return (value - 1) / 3;
}

struct TableGeometry {
    std::array<qreal, kColumns> widths{};
    qreal rowHeight = 0;
    qreal padding = 0;

    [[nodiscard]] QSizeF size(qsizetype rows) const
    {
        qreal width = 0;
        for (const qreal column : widths)
            width += column;
        return {width, rowHeight * static_cast<qreal>(rows)};
    }
};

TableGeometry tableGeometry(const QStringList &cells, const QPaintDevice *device)
{
    const QFontMetricsF plain(readingFont(kTablePointSize), device);
    const QFontMetricsF bold(boldReadingFont(kTablePointSize), device);
    TableGeometry table;
    table.padding = plain.averageCharWidth();
    table.rowHeight = plain.height() * kTableRowLines;
    for (qsizetype k = 0; k < cells.size(); ++k) {
        // The header and the planes' names are bold.
        const QFontMetricsF &metrics = k < kColumns || k % kColumns == 0 ? bold : plain;
        qreal &width = table.widths[static_cast<std::size_t>(k % kColumns)];
        width = std::max(width, metrics.horizontalAdvance(cells[k]) + 2 * table.padding);
    }
    return table;
}

bool isEmptyPlaneRow(const QStringList &cells, qsizetype row)
{
    return row > 0 && cells.value(row * kColumns + 2) == u"0"_s;
}

// The cell of a value no letter of the chart carries: kept white, struck
// through, and named so.
void drawUncharted(QPainter &painter, const QRectF &box, const QRectF &inner)
{
    QPen line = rulePen(painter.device());
    line.setColor(kShade.darker(130));
    painter.setPen(line);
    painter.drawLine(box.bottomLeft(), box.topRight());
    painter.setPen(kTextColour);
    painter.setFont(readingFont(kNotChartedPointSize));
    painter.drawText(inner, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, kNotCharted.toString());
}

void drawGrid(QPainter &painter, const QRectF &rect, const QStringList &counts)
{
    const qreal cell = std::min(rect.width(), rect.height()) / 3;
    const QFont valueFont = readingFont(kValuePointSize);
    const QFont countFont = boldReadingFont(kCountPointSize);
    const qreal inset = cell / 12;
    for (int value = 1; value <= 9; ++value) {
        const QRectF box(rect.left() + columnOf(value) * cell, rect.top() + rowOf(value) * cell, cell, cell);
        const QString count = counts.value(value - 1);
        const bool missing = count == u"0"_s;
        const bool uncharted = count.isEmpty();
        if (missing)
            painter.fillRect(box, kShade);
        painter.setPen(rulePen(painter.device()));
        painter.drawRect(box);
        const QRectF inner = box.adjusted(inset, inset, -inset, -inset);
        painter.setPen(kTextColour);
        painter.setFont(valueFont);
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(value));
        if (uncharted) {
            drawUncharted(painter, box, inner);
            continue;
        }
        painter.setPen(missing ? kTextColour : kHeadingColour);
        painter.setFont(countFont);
        painter.drawText(inner, Qt::AlignCenter, missing ? u"\u2013"_s : count);
    }
}

void drawTable(QPainter &painter, const QRectF &rect, const QStringList &cells)
{
    const TableGeometry table = tableGeometry(cells, painter.device());
    const qsizetype rows = cells.size() / kColumns;
    const QFont plain = readingFont(kTablePointSize);
    const QFont bold = boldReadingFont(kTablePointSize);
    for (qsizetype row = 0; row < rows; ++row) {
        qreal x = rect.left();
        const qreal y = rect.top() + static_cast<qreal>(row) * table.rowHeight;
        for (qsizetype column = 0; column < kColumns; ++column) {
            const qreal width = table.widths[static_cast<std::size_t>(column)];
            const QRectF box(x, y, width, table.rowHeight);
            if (isEmptyPlaneRow(cells, row))
                painter.fillRect(box, kShade);
            painter.setPen(rulePen(painter.device()));
            painter.drawRect(box);
            painter.setPen(row == 0 ? kHeadingColour : kTextColour);
            painter.setFont(row == 0 || column == 0 ? bold : plain);
            // Names to the left, numbers to the right.
            const Qt::Alignment across = column < 2 || row == 0 ? Qt::AlignLeft : Qt::AlignRight;
            painter.drawText(box.adjusted(table.padding, 0, -table.padding, 0), across | Qt::AlignVCenter,
                             cells[row * kColumns + column]);
            x += width;
        }
    }
}

} // namespace

LetterChartsObject::LetterChartsObject(QTextDocument *document)
    : QObject(document)
{
    document->documentLayout()->registerHandler(kInclusionGrid, this);
    document->documentLayout()->registerHandler(kPlanesTable, this);
}

void LetterChartsObject::insertElement(QTextCursor &cursor, const Chart &chart, const ElementDescriptor &element)
{
    switch (element.layout) {
    case ElementLayout::ValueCounts:
        insertInclusionGrid(cursor, chart);
        break;
    case ElementLayout::Planes:
        insertPlanesTable(cursor, chart);
        break;
    }
}

void LetterChartsObject::insertInclusionGrid(QTextCursor &cursor, const Chart &chart)
{
    // A value no letter of the chart carries has no count.
    QStringList counts;
    for (std::size_t value = 1; value <= 9; ++value)
        counts << (chart.system().letters.carries(static_cast<int>(value)) ? QString::number(chart.inclusion()[value])
                                                                           : QString());
    insertDrawing(cursor, kInclusionGrid, kCells, counts);
}

void LetterChartsObject::insertPlanesTable(QTextCursor &cursor, const Chart &chart)
{
    QStringList cells;
    for (const QStringView header : kTableHeader)
        cells << header.toString();
    for (const PlaneDescriptor &plane : planeDescriptors()) {
        const PlaneValue &value = chart.plane(plane.plane);
        QStringList letters;
        for (const char letter : plane.letters)
            letters << QString(QChar::fromLatin1(letter));
        cells << toQString(plane.name) << letters.join(u' ') << QString::number(value.letters)
              << QString::number(value.total) << (value.letters == 0 ? u"\u2013"_s : QString::number(value.number));
    }
    insertDrawing(cursor, kPlanesTable, kCells, cells);
}

QSizeF LetterChartsObject::intrinsicSize(QTextDocument *document, int, const QTextFormat &format)
{
    const QPaintDevice *device = document->documentLayout()->paintDevice();
    const QStringList cells = format.property(kCells).toStringList();
    // The rules' pen is drawn inside the size.
    const qreal pen = rulePen(device).widthF();
    if (format.objectType() == kInclusionGrid) {
        const qreal side = 3 * kCellMillimetres * dotsPerInch(device) / 25.4;
        return {side + pen, side + pen};
    }
    return tableGeometry(cells, device).size(cells.size() / kColumns) + QSizeF(pen, pen);
}

void LetterChartsObject::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                                    const QTextFormat &format)
{
    const QStringList cells = format.property(kCells).toStringList();
    painter->save();
    const qreal pen = rulePen(painter->device()).widthF();
    const QRectF inside = rect.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    if (format.objectType() == kInclusionGrid)
        drawGrid(*painter, inside, cells);
    else
        drawTable(*painter, inside, cells);
    painter->restore();
}

} // namespace velmora
