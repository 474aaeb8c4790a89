// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

#include "reading.h"

// Shows one reading: plain passages in regular black, headings in bold green.
// The view is read-only and scrolls; the text is rebuilt from empty each time.
// The readings are not to be copied out: the view has no context menu, takes
// no copy key and lets nothing be dragged out; the keyboard still moves
// through the text, and screen readers read it.
class ReadingView : public QTextEdit
{
    Q_OBJECT

public:
    explicit ReadingView(QWidget *parent = nullptr);

    void showReading(const velmora::Reading &reading);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
