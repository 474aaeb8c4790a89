// SPDX-License-Identifier: MIT
#include "readingtabbar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace {

constexpr int kTextMargin = 4;
constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kPointStep = 0.25;
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

ReadingTabBar::ReadingTabBar(QWidget *parent)
    : QTabBar(parent)
{
    setExpanding(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
}

QSize ReadingTabBar::tabSizeHint(int) const
{
    const int tabs = std::max(1, count());
    return {std::max(1, width()) / tabs, kRowHeight};
}

QSize ReadingTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

QRect ReadingTabBar::captionArea(int index) const
{
    return tabRect(index).adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
}

QFont ReadingTabBar::captionFont(int index, const QRect &area) const
{
    QFont font = this->font();
    for (qreal size = font.pointSizeF(); size >= kSmallestPointSize; size -= kPointStep) {
        font.setPointSizeF(size);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, area.width(), 10 * area.height()),
                                                             kCaptionFlags, tabText(index));
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
    }
    return font;
}

void ReadingTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        const QString caption = option.text;
        option.text.clear(); // the caption is drawn wrapped, below
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        const QRect area = captionArea(i);
        painter.setFont(captionFont(i, area));
        painter.setPen(option.palette.color(QPalette::WindowText));
        painter.drawText(area, kCaptionFlags, caption);
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = option.rect.adjusted(2, 2, -2, -2);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}
