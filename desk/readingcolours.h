// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include "letterchartspainter.h"
#include "lifetimeline.h"
#include "reading.h"

class QTextCursor;

namespace velmora::desk {

// The colour of a reading's headings on the palette's base: the printed
// page's green on a light base, a lighter green on a dark one, so that the
// readings follow a dark theme and stay readable.
[[nodiscard]] QColor headingColour(const QPalette &palette);

// The letter charts in the palette's colours.
[[nodiscard]] LetterChartColours letterChartColours(const QPalette &palette);

// The life timeline on the palette's base: the printed page's colours on a
// light base; on a dark one the palette's text, the lighter green and bars a
// little lighter than the base.
[[nodiscard]] TimelineColours timelineColours(const QPalette &palette);

// Inserts the reading at the cursor: plain passages in the palette's text
// colour, headings bold in headingColour.
void insertReading(QTextCursor &cursor, const Reading &reading, const QPalette &palette);
// A heading as a reading's, or a plain paragraph, in the same colours.
void insertHeading(QTextCursor &cursor, const QString &text, const QPalette &palette);
void insertPlain(QTextCursor &cursor, const QString &text, const QPalette &palette);

} // namespace velmora::desk
