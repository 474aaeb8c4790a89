// SPDX-License-Identifier: MIT
#include "letterchartsobject.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

#include "letterchartspainter.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// The texts of the cells: the nine counts, value 1 first; or the table's
// rows, the header first, five to a row.
constexpr int kCells = QTextFormat::UserProperty + 1;

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
    insertDrawing(cursor, kInclusionGrid, kCells, inclusionCells(chart));
}

void LetterChartsObject::insertPlanesTable(QTextCursor &cursor, const Chart &chart)
{
    insertDrawing(cursor, kPlanesTable, kCells, planesCells(chart));
}

QSizeF LetterChartsObject::intrinsicSize(QTextDocument *document, int, const QTextFormat &format)
{
    const QPaintDevice *device = document->documentLayout()->paintDevice();
    if (format.objectType() == kInclusionGrid)
        return inclusionGridSize(device);
    return planesTableSize(format.property(kCells).toStringList(), device);
}

void LetterChartsObject::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                                    const QTextFormat &format)
{
    const QStringList cells = format.property(kCells).toStringList();
    if (format.objectType() == kInclusionGrid)
        paintInclusionGrid(*painter, rect, cells, printedLetterChartColours());
    else
        paintPlanesTable(*painter, rect, cells, printedLetterChartColours());
}

} // namespace velmora
