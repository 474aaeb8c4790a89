// SPDX-License-Identifier: MIT
#pragma once

#include <QTabBar>

// The tab strip of the result page: one row of eight equal tabs, 40 px high.
// Each caption is wrapped onto at most two lines in the bar's font; a caption
// that still does not fit its tab is drawn a little smaller, never cut off.
class ReadingTabBar : public QTabBar
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 40;

    explicit ReadingTabBar(QWidget *parent = nullptr);

    // The font tab `index` draws its caption in, to fit `area`.
    [[nodiscard]] QFont captionFont(int index, const QRect &area) const;
    // Where the caption of tab `index` is drawn: inside the tab, with a margin.
    [[nodiscard]] QRect captionArea(int index) const;

protected:
    [[nodiscard]] QSize tabSizeHint(int index) const override;
    [[nodiscard]] QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
};
