// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <optional>

#include "lifetimeline.h"

namespace velmora::desk {

// The pinnacles and challenges along the client's life with the date of
// interest marked, drawn by the printed document's routine on the theme's
// base, in the printed page's colours on a light theme and in readable ones
// on a dark theme.
class TimelineWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TimelineWidget(QWidget *parent = nullptr);

    // Nothing: the chart's system has no pinnacles, or there is no chart.
    void showTimeline(std::optional<LifeTimeline> timeline);
    [[nodiscard]] const std::optional<LifeTimeline> &timeline() const { return m_timeline; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<LifeTimeline> m_timeline;
};

} // namespace velmora::desk
