// SPDX-License-Identifier: MIT
#include "appicon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>

#include "sevensegments.h"

namespace velmora {

namespace {

constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

const QColor kLit(255, 255, 0);
const QColor kUnlit(38, 35, 22);
const QColor kSparkle(255, 255, 232);

// A four-pointed star with its arms along the axes.
QPolygonF sparkleShape(QPointF centre, qreal radius)
{
    const qreal waist = radius * 0.3;
    QPolygonF star;
    for (int k = 0; k < 8; ++k) {
        const qreal angle = k * M_PI / 4;
        const qreal r = k % 2 == 0 ? radius : waist;
        star << centre + QPointF(std::cos(angle), std::sin(angle)) * r;
    }
    return star;
}

// Up to 32 pixels the digit is drawn as one bent stroke on whole pixels and
// the unlit segments are left out, so the figure stays crisp and reads as a 7.
void drawDigit(QPainter &painter, qreal s)
{
    if (s <= 32) {
        const qreal width = std::max<qreal>(2, std::round(s * 0.09));
        const qreal offset = static_cast<int>(width) % 2 == 0 ? 0 : 0.5;
        const qreal left = std::round(s * 0.44) + offset;
        const qreal right = std::round(s * 0.78) + offset;
        const qreal top = std::round(s * 0.19) + offset;
        const qreal bottom = std::round(s * 0.81) + offset;
        painter.setPen(QPen(kLit, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({{left, top}, {right, top}, {right, bottom}}));
        return;
    }

    const qreal thickness = s * 0.11;
    const QRectF box(QPointF(s * 0.43, s * 0.17), QPointF(s * 0.80, s * 0.83));
    const std::array<QPolygonF, 7> segments = sevenSegments(box, thickness, thickness * 0.22);
    const std::array<QPolygonF, 7> glows = sevenSegments(box, thickness * 1.7, thickness * 0.22);
    const int lit = litSegments(7);
    // Unlit segments first, faintly as on a real display, then a soft glow
    // under the lit ones.
    QColor glow = kLit;
    glow.setAlpha(36);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kUnlit);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if ((lit & (1 << i)) == 0)
            painter.drawPolygon(segments[i]);
    }
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if ((lit & (1 << i)) == 0)
            continue;
        painter.setBrush(glow);
        painter.drawPolygon(glows[i]);
        painter.setBrush(kLit);
        painter.drawPolygon(segments[i]);
    }
}

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    const qreal edge = std::max<qreal>(1, std::round(s / 32));
    QLinearGradient shade(0, 0, 0, s);
    shade.setColorAt(0, QColor(54, 44, 84));
    shade.setColorAt(1, QColor(14, 10, 26));
    painter.setPen(QPen(QColor(120, 106, 164), edge));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(edge / 2, edge / 2, s - edge, s - edge), s * 0.2, s * 0.2);

    drawDigit(painter, s);

    // The sparkle sits in the open lower left of the 7; small sizes centre it on
    // a pixel so that its arms are whole pixels wide.
    QPointF centre(s * 0.25, s * 0.70);
    if (s <= 32)
        centre = {std::floor(centre.x()) + 0.5, std::floor(centre.y()) + 0.5};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSparkle);
    painter.drawPolygon(sparkleShape(centre, s * 0.16));
    if (s >= 48)
        painter.drawPolygon(sparkleShape({s * 0.17, s * 0.43}, s * 0.07));
    return pixmap;
}

} // namespace

// Draws the icon only at the sizes something asks for, and keeps each one:
// painting all eight sizes up front would slow every start-up.
class AppIconEngine final : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new AppIconEngine; }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        QPixmap &cached = m_pixmaps[side];
        if (cached.isNull())
            cached = drawIcon(side);
        if (mode == QIcon::Disabled)
            return QIcon(cached).pixmap(QSize(side, side), QIcon::Disabled);
        return cached;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QSize size(qRound(rect.width() * ratio), qRound(rect.height() * ratio));
        QPixmap image = pixmap(size, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, image);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kIconSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QString key() const override { return QStringLiteral("velmora-app-icon"); }

private:
    QHash<int, QPixmap> m_pixmaps;
};

QIcon applicationIcon()
{
    return QIcon(new AppIconEngine);
}

} // namespace velmora
