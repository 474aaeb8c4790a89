// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

#include "readablecolours.h"
#include "reading.h"

// Shows one reading: plain passages in regular black, headings in bold green.
// The view is read-only and scrolls; the text is rebuilt from empty each time.
// Under a dark theme the page stays light, so black and green stay readable.
class ReadingView : public QTextEdit
{
    Q_OBJECT

public:
    static constexpr QColor kHeadingColour = velmora::kReadingHeadingColour;
    static constexpr QColor kTextColour = velmora::kReadingTextColour;

    explicit ReadingView(QWidget *parent = nullptr);

    void showReading(const velmora::Reading &reading);
};
