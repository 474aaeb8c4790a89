// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextFormat>
#include <QTextObjectInterface>

#include <array>

#include "chart.h"

class QPaintDevice;
class QPainter;
class QTextCursor;

namespace velmora {

// The timeline's colours: the printed page's, or those a window's theme asks for.
struct TimelineColours {
    QColor text;         // the ages, the challenges, the rules and the age on the date of interest
    QColor heading;      // the pinnacles and the mark of the date of interest
    QColor shade;        // a period's bar
    QColor currentShade; // the bar of the period the date of interest falls in
};

// Black and green on light greys, as the printed page has them.
[[nodiscard]] TimelineColours printedTimelineColours();

// The four pinnacles and challenges along the ages they cover, as plain
// data: what the drawing shows, whatever window or document it stands in.
struct LifeTimeline {
    struct Period {
        QString pinnacle;  // "5", "11/2": the number as the chart writes it
        QString challenge; // "0"
        AgeRange ages;
    };
    std::array<Period, 4> periods;
    // The age on the date of interest, and the period it falls in; -1 for
    // both when the date of interest comes before the birth.
    int age = -1;
    int current = -1;
    QString dateOfInterest; // "9 December 2026"

    // The chart's periods; requires chart.shows(SectionId::Pinnacles).
    [[nodiscard]] static LifeTimeline of(const Chart &chart);

    // The rectangle a period's bar takes in the drawing of the given rectangle.
    [[nodiscard]] QRectF periodBar(const QRectF &rect, int period, const QPaintDevice *device) const;
    // The height of the drawing in the device's dots; it takes any width.
    [[nodiscard]] static qreal height(const QPaintDevice *device);
    // Paints the drawing in rect: a bar from birth on in four equal parts, one
    // a period (the fourth open to the right), since the periods of a rule
    // may overlap or leave gaps; each pinnacle's number above its part, its
    // ages under it and its challenge under those; and the date of interest
    // marked in its period's part, where its age falls in it, with the age,
    // that part shaded.
    void paint(QPainter &painter, const QRectF &rect,
               const TimelineColours &colours = printedTimelineColours()) const;
};

// The timeline in a document: one character, so that a page break never
// runs through it, as wide as the document's text.
class LifeTimelineObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kType = QTextFormat::UserObject + 3;

    // Registers itself with the document's layout; the document owns it.
    explicit LifeTimelineObject(QTextDocument *document);

    // Inserts the chart's timeline at the cursor, in a block of its own.
    static void insert(QTextCursor &cursor, const LifeTimeline &timeline);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;
};

} // namespace velmora
