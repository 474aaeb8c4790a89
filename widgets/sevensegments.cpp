// SPDX-License-Identifier: MIT
#include "sevensegments.h"

#include <QLineF>

namespace velmora {

namespace {

// One segment from end to end: a bar with pointed ends.
QPolygonF segmentShape(QPointF from, QPointF to, qreal thickness)
{
    const QPointF along = (to - from) / QLineF(from, to).length();
    const QPointF across(-along.y(), along.x());
    const qreal h = thickness / 2;
    return QPolygonF({from, from + (along + across) * h, to + (across - along) * h, to, to - (along + across) * h,
                      from + (along - across) * h});
}

} // namespace

int litSegments(int digit)
{
    static constexpr std::array<int, 10> kSegments = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    return digit >= 0 && digit <= 9 ? kSegments[static_cast<std::size_t>(digit)] : 0;
}

std::array<QPolygonF, 7> sevenSegments(const QRectF &box, qreal thickness, qreal gap)
{
    const qreal left = box.left();
    const qreal right = box.right();
    const qreal top = box.top();
    const qreal middle = box.center().y();
    const qreal bottom = box.bottom();
    return {
        segmentShape({left + gap, top}, {right - gap, top}, thickness),          // a
        segmentShape({right, top + gap}, {right, middle - gap}, thickness),      // b
        segmentShape({right, middle + gap}, {right, bottom - gap}, thickness),   // c
        segmentShape({left + gap, bottom}, {right - gap, bottom}, thickness),    // d
        segmentShape({left, middle + gap}, {left, bottom - gap}, thickness),     // e
        segmentShape({left, top + gap}, {left, middle - gap}, thickness),        // f
        segmentShape({left + gap, middle}, {right - gap, middle}, thickness),    // g
    };
}

} // namespace velmora
