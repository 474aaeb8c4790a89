// SPDX-License-Identifier: MIT
#include "readingtabbar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace {

constexpr int kTextMargin = 3;

} // namespace

ReadingTabBar::ReadingTabBar(QWidget *parent)
    : QTabBar(parent)
{
    setExpanding(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
}

QSize ReadingTabBar::tabSizeHint(int index) const
{
    const int tabs = std::max(1, count());
    const int width = std::max(1, this->width()) / tabs;
    const QFontMetrics metrics(font());
    const QRect text = metrics.boundingRect(QRect(0, 0, width - 2 * kTextMargin, 1000),
                                            Qt::AlignCenter | Qt::TextWordWrap, tabText(index));
    const int twoLines = 2 * metrics.lineSpacing();
    return {width, std::max(text.height(), twoLines) + 2 * kTextMargin + 4};
}

QSize ReadingTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
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
        painter.setPen(option.palette.color(QPalette::WindowText));
        painter.drawText(option.rect.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, caption);
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = option.rect.adjusted(2, 2, -2, -2);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}
