// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTextFormat>
#include <QTextObjectInterface>

#include "chart.h"

class QTextCursor;

namespace velmora {

// Draws the Inclusion table as a grid of three by three cells (1 4 7, 2 5 8,
// 3 6 9: each value small in a corner, its count large, a value no letter
// carries shaded with a dash, one no letter of the chart can carry struck
// through and named) and the Planes of Expression as a small ruled
// table. Each stands in the document as one character, so a page break never
// runs through it, and is painted where its line is drawn.
class LetterChartsObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kInclusionGrid = QTextFormat::UserObject + 1;
    static constexpr int kPlanesTable = QTextFormat::UserObject + 2;

    // Registers itself with the document's layout; the document owns it.
    explicit LetterChartsObject(QTextDocument *document);

    // Insert the element as its layout draws it (the grid or the table) at
    // the cursor, in a block of its own.
    static void insertElement(QTextCursor &cursor, const Chart &chart, const ElementDescriptor &element);
    // Insert the grid or the table of the chart at the cursor, each in a block of its own.
    static void insertInclusionGrid(QTextCursor &cursor, const Chart &chart);
    static void insertPlanesTable(QTextCursor &cursor, const Chart &chart);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;
};

} // namespace velmora
