// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include <memory>

#include "birthdata.h"
#include "calculations.h"

class QPagedPaintDevice;
class QTextCursor;
class QTextDocument;

namespace velmora {

inline constexpr QColor kHeadingColour{0, 128, 0};
inline constexpr QColor kTextColour{0, 0, 0};

// Inserts a reading at the cursor: plain passages in regular black, headings
// in bold green. CR LF and a lone CR both end a line.
void insertReading(QTextCursor &cursor, const Reading &reading);

// The reading set as one document: the person (names and date of birth) on
// top, then the eight readings in tab order, each under its caption.
[[nodiscard]] std::unique_ptr<QTextDocument> readingDocument(const BirthData &data, const Results &results);

// Lays the document out on its pages (its page size must be set) and moves
// every heading that would end a page to the top of the next one, so that a
// heading always stands on the page of the text it introduces.
void keepHeadingsWithText(QTextDocument &document);

// Paints the reading set on the device's pages. False when the device cannot
// be painted on or refuses a new page.
[[nodiscard]] bool paintReadings(QPagedPaintDevice &device, const BirthData &data, const Results &results);

// Writes the reading set as a PDF file (A4); the file is replaced only once
// the whole document is written. An empty string when it is written, else
// why it is not.
[[nodiscard]] QString writeReadingsPdf(const QString &fileName, const BirthData &data, const Results &results);

} // namespace velmora
