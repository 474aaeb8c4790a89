// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// One digit drawn as a yellow seven-segment figure on black. It is painted as
// vectors, so it stays sharp at any scale.
class DigitPicture : public QWidget
{
    Q_OBJECT

public:
    explicit DigitPicture(int digit, QWidget *parent = nullptr);

    [[nodiscard]] int digit() const { return m_digit; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_digit;
};
