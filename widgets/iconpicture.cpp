// SPDX-License-Identifier: MIT
#include "iconpicture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kIconSize = 32;

} // namespace

IconPicture::IconPicture(const QIcon &icon, QWidget *parent)
    : QWidget(parent)
    , m_icon(icon)
{
    setFocusPolicy(Qt::NoFocus);
}

QSize IconPicture::sizeHint() const
{
    return {kIconSize, kIconSize};
}

void IconPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area(0, 0, kIconSize, kIconSize);
    area.moveCenter(rect().center());
    m_icon.paint(&painter, area);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area.adjusted(-2, -2, 2, 2) & rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
