// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include "chart.h"

class QPaintDevice;
class QPainter;

namespace velmora {

// The colours the letter charts are drawn in: the printed page's, or a
// window's under its theme.
struct LetterChartColours {
    QColor text;
    QColor heading;
    QColor shade; // behind a value the name lacks, a plane without letters
};

// The printed page's: black rules and text, green counts, light grey shading.
[[nodiscard]] LetterChartColours printedLetterChartColours();

// The texts the drawings show: the nine counts of the Inclusion table, value
// 1 first; the Planes table's cells, its header first, five to a row.
[[nodiscard]] QStringList inclusionCells(const Chart &chart);
[[nodiscard]] QStringList planesCells(const Chart &chart);

// The sizes they take on the device (the screen's where it is null), the rules' pen included.
[[nodiscard]] QSizeF inclusionGridSize(const QPaintDevice *device);
[[nodiscard]] QSizeF planesTableSize(const QStringList &cells, const QPaintDevice *device);

// The Inclusion table as a grid of three by three cells (1 4 7, 2 5 8, 3 6
// 9: each value small in a corner, its count large, a value the name lacks
// shaded with a dash, one no letter of the chart carries (an empty count)
// struck through and named "not on the chart"), and the Planes as a small ruled table (an
// empty plane's row shaded), each inside rect.
void paintInclusionGrid(QPainter &painter, const QRectF &rect, const QStringList &counts,
                        const LetterChartColours &colours);
void paintPlanesTable(QPainter &painter, const QRectF &rect, const QStringList &cells,
                      const LetterChartColours &colours);

} // namespace velmora
