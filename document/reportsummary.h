// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTextFormat>
#include <QTextObjectInterface>

#include "chart.h"

class QTextCursor;

namespace velmora {

// The core numbers side by side, each in a cell with its name small above
// and the number large below: one character of the document, so a page
// break never runs through it.
class CoreNumbersObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kType = QTextFormat::UserObject + 4;
    // The names and numbers, alternately, as the format keeps them.
    static constexpr int kCells = QTextFormat::UserProperty + 3;

    // Registers itself with the document's layout; the document owns it.
    explicit CoreNumbersObject(QTextDocument *document);

    // Inserts the chart's core numbers that its system has (Life Path,
    // Destiny, Soul Urge, Personality, Birthday, Maturity), each written as
    // numberNotation writes it, in a block of its own.
    static void insert(QTextCursor &cursor, const Chart &chart);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;
};

// The summary's content after the person: the core numbers, the Inclusion
// grid and the Planes, the pinnacles and challenges as a timeline (where the
// system has them), and the Karmic Lessons and Debts in a line.
void appendSummaryCharts(QTextCursor &cursor, const Chart &chart);

// The Personal Year of the date of interest's year with its reading, and its
// twelve Personal Months, each with its reading, under the caption's heading.
void appendYearAhead(QTextCursor &cursor, const Chart &chart);

} // namespace velmora
