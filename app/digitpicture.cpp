// SPDX-License-Identifier: MIT
#include "digitpicture.h"

#include <QPainter>

#include <array>

#include "sevensegments.h"

DigitPicture::DigitPicture(int digit, QWidget *parent)
    : QWidget(parent)
    , m_digit(digit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::number(digit));
}

void DigitPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::black);

    const qreal w = width();
    const qreal h = height();
    const qreal t = std::min(w, h) * 0.16; // segment thickness
    const qreal gap = t * 0.18;
    const std::array<QPolygonF, 7> segments =
        velmora::sevenSegments(QRectF(QPointF(w * 0.22, h * 0.14), QPointF(w * 0.78, h * 0.86)), t, gap);
    const int lit = velmora::litSegments(m_digit);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        // Unlit segments are drawn faintly, as on a real display.
        painter.setBrush(lit & (1 << i) ? QColor(255, 255, 0) : QColor(40, 40, 0));
        painter.drawPolygon(segments[i]);
    }
}
