// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QWidget>

// Shows an icon at 32 x 32 pixels in the middle of the widget, sharp at any
// device pixel ratio; a focus frame surrounds it while it has the focus.
class IconPicture : public QWidget
{
    Q_OBJECT

public:
    explicit IconPicture(const QIcon &icon, QWidget *parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_icon;
};
