// SPDX-License-Identifier: MIT
#include "letterchartswidget.h"

#include <QPainter>

#include "chart.h"
#include "letterchartspainter.h"
#include "readingcolours.h"

namespace velmora::desk {

LetterChartsWidget::LetterChartsWidget(QWidget *parent)
    : QWidget(parent)
{
    // Never narrower than the drawings: a splitter would cut the table off.
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void LetterChartsWidget::showChart(const Chart &chart)
{
    m_counts = inclusionCells(chart);
    m_planes = planesCells(chart);
    setAccessibleDescription(tr("Inclusion: %1").arg(m_counts.join(QLatin1Char(' '))));
    updateGeometry();
    update();
}

void LetterChartsWidget::clear()
{
    m_counts.clear();
    m_planes.clear();
    setAccessibleDescription({});
    update();
}

QSize LetterChartsWidget::minimumSizeHint() const
{
    return sizeHint();
}

QSize LetterChartsWidget::sizeHint() const
{
    const QSizeF grid = inclusionGridSize(this);
    const QSizeF table = planesTableSize(m_planes.isEmpty() ? QStringList(25, QStringLiteral("00000")) : m_planes, this);
    const qreal gap = fontMetrics().averageCharWidth() * 3;
    return QSizeF(grid.width() + gap + table.width(), std::max(grid.height(), table.height())).toSize()
        + QSize(2, 2);
}

void LetterChartsWidget::paintEvent(QPaintEvent *)
{
    if (m_counts.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // On the theme's base, as the readings beside it: the headings' green is
    // chosen for it, and reaches only 4.4:1 on a light theme's window grey.
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const LetterChartColours colours = letterChartColours(palette());
    const QSizeF grid = inclusionGridSize(this);
    paintInclusionGrid(painter, QRectF(QPointF(1, 1), grid), m_counts, colours);
    const qreal gap = fontMetrics().averageCharWidth() * 3;
    paintPlanesTable(painter, QRectF(QPointF(1 + grid.width() + gap, 1), planesTableSize(m_planes, this)), m_planes,
                     colours);
}

} // namespace velmora::desk
