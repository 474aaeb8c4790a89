// SPDX-License-Identifier: MIT
#include "timelinewidget.h"

#include <QPainter>

#include "readingcolours.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

int margin(const QWidget &widget)
{
    return widget.fontMetrics().averageCharWidth();
}

} // namespace

TimelineWidget::TimelineWidget(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TimelineWidget::showTimeline(std::optional<LifeTimeline> timeline)
{
    m_timeline = std::move(timeline);
    QStringList periods;
    if (m_timeline) {
        for (const LifeTimeline::Period &period : m_timeline->periods)
            periods << u"pinnacle %1, challenge %2"_s.arg(period.pinnacle, period.challenge);
    }
    setAccessibleDescription(periods.join(u"; "_s));
    setVisible(m_timeline.has_value());
    update();
}

QSize TimelineWidget::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 60, qCeil(LifeTimeline::height(this)) + 2 * margin(*this)};
}

QSize TimelineWidget::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 40, sizeHint().height()};
}

void TimelineWidget::paintEvent(QPaintEvent *)
{
    if (!m_timeline)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // On the theme's ground, in colours that stay readable on it.
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const int inset = margin(*this);
    m_timeline->paint(painter, QRectF(rect().adjusted(inset, inset, -inset, -inset)), timelineColours(palette()));
}

} // namespace velmora::desk
