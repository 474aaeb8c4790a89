// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

#include "reading.h"

// Shows one reading: plain passages in regular black, headings in bold green.
// The view is read-only and scrolls; the text is rebuilt from empty each time.
class ReadingView : public QTextEdit
{
    Q_OBJECT

public:
    explicit ReadingView(QWidget *parent = nullptr);

    void showReading(const velmora::Reading &reading);
};
