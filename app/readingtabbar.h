// SPDX-License-Identifier: MIT
#pragma once

#include <QTabBar>

// The tab strip of the result page. All eight captions fit in one row of
// equal tabs, each caption wrapped onto two lines where it needs them.
class ReadingTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit ReadingTabBar(QWidget *parent = nullptr);

protected:
    [[nodiscard]] QSize tabSizeHint(int index) const override;
    [[nodiscard]] QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
};
