// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A caption that opens something when clicked: it shows the pointing hand and
// is drawn blue and underlined, on a light background where the theme's is too
// dark for blue. It takes the focus with Tab and opens on Enter or Space, so it
// serves the keyboard as well as the mouse.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void keepUnderlined();

    bool m_pressed = false;
};
