// SPDX-License-Identifier: MIT
#include "lifetimeline.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "enginetext.h"
#include "morenumberstext.h"
#include "numbernotation.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qreal kPointSize = 9;
// How many years of the open fourth period its bar stands for, where the
// date of interest is marked.
constexpr int kOpenYears = 30;

// The data, one string a field, as the document's format keeps it.
constexpr int kFields = QTextFormat::UserProperty + 2;

// The rows of the drawing, in lines of its font, top to bottom.
constexpr qreal kLabelRow = 1.5;
constexpr qreal kBarRow = 1.3;

qreal lineHeight(const QPaintDevice *device)
{
    return QFontMetricsF(readingFont(kPointSize), device).height();
}

QString agesLabel(const AgeRange &ages)
{
    if (ages.to == AgeRange::kOnward)
        return QString::number(ages.from) + u'+';
    return QString::number(ages.from) + u'\u2013' + QString::number(ages.to);
}

int ageOn(const BirthData &person, const CalendarDate &date)
{
    int age = date.year - person.BirthYear;
    if (date.month < person.BirthMonth || (date.month == person.BirthMonth && date.day < person.BirthDay))
        --age;
    return age;
}

} // namespace

TimelineColours printedTimelineColours()
{
    return {kTextColour, kHeadingColour, QColor(240, 240, 240), QColor(214, 236, 214)};
}

LifeTimeline LifeTimeline::of(const Chart &chart)
{
    LifeTimeline timeline;
    for (std::size_t k = 0; k < timeline.periods.size(); ++k) {
        const auto pinnacle = static_cast<NumberId>(indexOf(NumberId::Pinnacle1) + k);
        const auto challenge = static_cast<NumberId>(indexOf(NumberId::Challenge1) + k);
        timeline.periods[k] = {numberNotation(chart, pinnacle), numberNotation(chart, challenge), chart.periods()[k]};
    }
    timeline.age = ageOn(chart.person(), chart.dateOfInterest());
    if (timeline.age < 0) {
        timeline.age = -1;
    } else {
        for (std::size_t k = 0; k < timeline.periods.size(); ++k) {
            const AgeRange &ages = timeline.periods[k].ages;
            if (timeline.age >= ages.from && (ages.to == AgeRange::kOnward || timeline.age <= ages.to))
                timeline.current = static_cast<int>(k);
        }
    }
    timeline.dateOfInterest = toQString(calendarDateText(chart.dateOfInterest()));
    return timeline;
}

qreal LifeTimeline::height(const QPaintDevice *device)
{
    // Pinnacles, the bar, the ages, the challenges and the date of interest.
    return lineHeight(device) * (4 * kLabelRow + kBarRow);
}

QRectF LifeTimeline::periodBar(const QRectF &rect, int period, const QPaintDevice *device) const
{
    const qreal line = lineHeight(device);
    const qreal width = rect.width() / static_cast<qreal>(periods.size());
    return {rect.left() + period * width, rect.top() + line * kLabelRow, width, line * kBarRow};
}

void LifeTimeline::paint(QPainter &painter, const QRectF &rect, const TimelineColours &colours) const
{
    const QPaintDevice *device = painter.device();
    const qreal line = lineHeight(device);
    const QFont plain = readingFont(kPointSize);
    const QFont bold = boldReadingFont(kPointSize);
    QPen rule = rulePen(device);
    rule.setColor(colours.text);
    painter.save();
    for (int k = 0; k < static_cast<int>(periods.size()); ++k) {
        const Period &period = periods[static_cast<std::size_t>(k)];
        const QRectF bar = periodBar(rect, k, device);
        painter.fillRect(bar, k == current ? colours.currentShade : colours.shade);
        painter.setPen(rule);
        if (k == 3) { // open to the right: no closing rule
            painter.drawLine(bar.topLeft(), bar.topRight());
            painter.drawLine(bar.bottomLeft(), bar.bottomRight());
            painter.drawLine(bar.topLeft(), bar.bottomLeft());
        } else {
            painter.drawRect(bar);
        }
        const auto row = [&](qreal top) { return QRectF(bar.left(), top, bar.width(), line * kLabelRow); };
        painter.setPen(colours.heading);
        painter.setFont(bold);
        painter.drawText(row(rect.top()), Qt::AlignCenter, u"Pinnacle "_s + period.pinnacle);
        painter.setPen(colours.text);
        painter.setFont(plain);
        painter.drawText(row(bar.bottom()), Qt::AlignCenter, agesLabel(period.ages));
        painter.drawText(row(bar.bottom() + line * kLabelRow), Qt::AlignCenter, u"Challenge "_s + period.challenge);
    }
    if (current >= 0) {
        // A line across the current period's bar where the age falls in it,
        // a small triangle above it, and the age and date under the challenges.
        const QRectF bar = periodBar(rect, current, device);
        const AgeRange &ages = periods[static_cast<std::size_t>(current)].ages;
        const int years = ages.to == AgeRange::kOnward ? kOpenYears : ages.to - ages.from + 1;
        const qreal x = bar.left() + bar.width() * std::clamp((age - ages.from + 0.5) / std::max(years, 1), 0.0, 1.0);
        QPen mark(colours.heading);
        mark.setWidthF(rule.widthF() * 3);
        painter.setPen(mark);
        painter.drawLine(QPointF(x, bar.top()), QPointF(x, bar.bottom()));
        QPainterPath arrow;
        const qreal size = line / 3;
        arrow.moveTo(x - size, bar.top() - size);
        arrow.lineTo(x + size, bar.top() - size);
        arrow.lineTo(x, bar.top());
        arrow.closeSubpath();
        painter.fillPath(arrow, colours.heading);
        const QString text = u"Age %1 on %2"_s.arg(age).arg(dateOfInterest);
        const qreal width = QFontMetricsF(plain, device).horizontalAdvance(text) + line;
        const qreal left = std::clamp(x - width / 2, rect.left(), rect.right() - width);
        painter.setPen(colours.text);
        painter.setFont(plain);
        painter.drawText(QRectF(left, bar.bottom() + 2 * line * kLabelRow, width, line * kLabelRow),
                         Qt::AlignCenter, text);
    }
    painter.restore();
}

LifeTimelineObject::LifeTimelineObject(QTextDocument *document)
    : QObject(document)
{
    document->documentLayout()->registerHandler(kType, this);
}

void LifeTimelineObject::insert(QTextCursor &cursor, const LifeTimeline &timeline)
{
    QStringList fields{QString::number(timeline.age), QString::number(timeline.current), timeline.dateOfInterest};
    for (const LifeTimeline::Period &period : timeline.periods)
        fields << period.pinnacle << period.challenge << QString::number(period.ages.from)
               << QString::number(period.ages.to);
    insertDrawing(cursor, kType, kFields, fields);
}

QSizeF LifeTimelineObject::intrinsicSize(QTextDocument *document, int, const QTextFormat &)
{
    const QPaintDevice *device = document->documentLayout()->paintDevice();
    const qreal width = document->textWidth() > 0 ? document->textWidth() : 6 * dotsPerInch(device);
    return {width - 1, LifeTimeline::height(device)};
}

void LifeTimelineObject::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                                    const QTextFormat &format)
{
    const QStringList fields = format.property(kFields).toStringList();
    LifeTimeline timeline;
    timeline.age = fields.value(0).toInt();
    timeline.current = fields.value(1).toInt();
    timeline.dateOfInterest = fields.value(2);
    for (std::size_t k = 0; k < timeline.periods.size(); ++k) {
        const qsizetype at = 3 + static_cast<qsizetype>(k) * 4;
        timeline.periods[k] = {fields.value(at), fields.value(at + 1),
                               {fields.value(at + 2).toInt(), fields.value(at + 3).toInt()}};
    }
    timeline.paint(*painter, rect);
}

} // namespace velmora
