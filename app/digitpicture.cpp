// SPDX-License-Identifier: MIT
#include "digitpicture.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

DigitPicture::DigitPicture(int digit, QWidget *parent)
    : QWidget(parent)
    , m_digit(digit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::number(digit));
}

int DigitPicture::segmentsOf(int digit)
{
    static constexpr std::array<int, 10> kSegments = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    return digit >= 0 && digit <= 9 ? kSegments[static_cast<std::size_t>(digit)] : 0;
}

namespace {

// A segment as a hexagon from (x1, y1) to (x2, y2), horizontal or vertical.
QPolygonF segment(QPointF from, QPointF to, qreal thickness)
{
    const qreal h = thickness / 2;
    if (qFuzzyCompare(from.y(), to.y())) {
        return QPolygonF({{from.x(), from.y()},
                          {from.x() + h, from.y() - h},
                          {to.x() - h, to.y() - h},
                          {to.x(), to.y()},
                          {to.x() - h, to.y() + h},
                          {from.x() + h, from.y() + h}});
    }
    return QPolygonF({{from.x(), from.y()},
                      {from.x() + h, from.y() + h},
                      {to.x() + h, to.y() - h},
                      {to.x(), to.y()},
                      {to.x() - h, to.y() - h},
                      {from.x() - h, from.y() + h}});
}

} // namespace

void DigitPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::black);

    const qreal w = width();
    const qreal h = height();
    const qreal t = std::min(w, h) * 0.16; // segment thickness
    const qreal gap = t * 0.18;
    const qreal left = w * 0.22;
    const qreal right = w * 0.78;
    const qreal top = h * 0.14;
    const qreal middle = h * 0.5;
    const qreal bottom = h * 0.86;

    const std::array<QPolygonF, 7> segments = {
        segment({left + gap, top}, {right - gap, top}, t),          // a
        segment({right, top + gap}, {right, middle - gap}, t),      // b
        segment({right, middle + gap}, {right, bottom - gap}, t),   // c
        segment({left + gap, bottom}, {right - gap, bottom}, t),    // d
        segment({left, middle + gap}, {left, bottom - gap}, t),     // e
        segment({left, top + gap}, {left, middle - gap}, t),        // f
        segment({left + gap, middle}, {right - gap, middle}, t),    // g
    };
    const int lit = segmentsOf(m_digit);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        // Unlit segments are drawn faintly, as on a real display.
        painter.setBrush(lit & (1 << i) ? QColor(255, 255, 0) : QColor(40, 40, 0));
        painter.drawPolygon(segments[i]);
    }
}
