// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

namespace velmora {
class Chart;
}

namespace velmora::desk {

// The Inclusion grid and the Planes table side by side, drawn by the same
// routines as the printed document, in the window's colours.
class LetterChartsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LetterChartsWidget(QWidget *parent = nullptr);

    void showChart(const Chart &chart);
    void clear();

    [[nodiscard]] QStringList inclusionCounts() const { return m_counts; }
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_counts;
    QStringList m_planes;
};

} // namespace velmora::desk
