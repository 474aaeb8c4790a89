// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QDate>
#include <QFont>
#include <QList>
#include <QPageSize>
#include <QPen>
#include <QString>

#include <functional>
#include <memory>

#include "birthdata.h"
#include "calendardate.h"
#include "chart.h"

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
class QTextCursor;
class QTextDocument;

namespace velmora {

inline constexpr QColor kHeadingColour{0, 128, 0};
inline constexpr QColor kTextColour{0, 0, 0};

// No text comes nearer to a paper edge than this, nor into the printer's
// unprintable area where that is wider.
inline constexpr qreal kPageMarginMillimetres = 20;

// Inserts a reading at the cursor: plain passages in regular black, headings
// in bold green. CR LF and a lone CR both end a line.
void insertReading(QTextCursor &cursor, const Reading &reading);

// The printed documents' font at this size: the windows' family, or a sans-serif face where it is missing.
[[nodiscard]] QFont readingFont(qreal pointSize);
// The same in bold.
[[nodiscard]] QFont boldReadingFont(qreal pointSize);

// The dots per inch a document is laid out at on the device: the screen's
// where there is none.
[[nodiscard]] qreal dotsPerInch(const QPaintDevice *device);
// The pen of a drawing's rules: half a point wide.
[[nodiscard]] QPen rulePen(const QPaintDevice *device);

// Sets the margins every page gets (kPageMarginMillimetres); a printer's
// unprintable area wins where it is wider.
void setPageMargins(QPagedPaintDevice &device);

// The footer every printed page ends in: the person's name at the left,
// "Page N of M" at the right, in 8 pt, at the foot of the page's paint rectangle.
class PageFooter
{
public:
    PageFooter(const QPaintDevice &device, QString name);

    // What the footer's line and a blank line above it take off a page's height.
    [[nodiscard]] qreal reservedHeight() const { return 2 * m_metrics.height(); }
    void paint(QPainter &painter, const QRectF &page, int pageNumber, int pageCount) const;

private:
    QFont m_font;
    QFontMetricsF m_metrics;
    QString m_name;
};

// A PDF document in memory on paper of the given size, with its title and the
// program as its creator, drawn by paint; empty when paint fails.
[[nodiscard]] QByteArray pdfDocument(const QString &title, const QPageSize &pageSize,
                                     const std::function<bool(QPagedPaintDevice &)> &paint);

// The printed document's name: the print queue's and the PDF's title.
[[nodiscard]] QString documentTitle(const BirthData &data);

// The program and its version, as a PDF names its creator.
[[nodiscard]] QString documentCreator();

// The paper of the user's locale (LC_PAPER): Letter where it is used, else A4.
[[nodiscard]] QPageSize localePageSize();

// The day a QDate names, for the date of interest of the personal cycles.
[[nodiscard]] CalendarDate calendarDate(const QDate &date);

// A chart as one document: the person (names and date of birth) on top, then
// the eight readings in tab order, each under its caption, then the part
// "More numbers" with the personal cycles of the chart's date of interest,
// the Inclusion table drawn as a grid and the Planes of Expression as a small
// table with their readings, and last a short appendix with the working of
// every number. The two parts'
// headings stand a level above the readings' captions (heading level 1, and
// larger, to the captions' 2). Requires chart.hasWorking().
// With nameSystem, the first page names the chart's system and the appendix
// states its rules before the working.
[[nodiscard]] std::unique_ptr<QTextDocument> readingDocument(const Chart &chart, bool nameSystem = false);

// Breaks the document (laid out at its text width) into pages of the given
// height and gives the top of each page in document coordinates; a line
// belongs to the last page whose top is at or above its own. Every line
// stands wholly on one page, and a heading never ends a page whose next page
// starts with its text: headings that follow one another go over as one
// group, with the text after the last, unless the group fills a page alone.
[[nodiscard]] QList<qreal> pageTops(const QTextDocument &document, qreal pageHeight);

// The page of pageTops on which a line whose top is at y stands.
[[nodiscard]] int pageAt(const QList<qreal> &tops, qreal y);

// Sets the device's margins (kPageMarginMillimetres, or the unprintable area
// where wider) and paints the reading set on its pages, each with the
// person's name and "Page N of M" at its foot. False when the device cannot
// be painted on or refuses a new page.
[[nodiscard]] bool paintReadings(QPagedPaintDevice &device, const Chart &chart, bool nameSystem = false);

// The reading set as a PDF document on paper of the given size, with its
// title and creator set; empty when it cannot be drawn.
[[nodiscard]] QByteArray readingsPdf(const Chart &chart, const QPageSize &pageSize, bool nameSystem = false);

} // namespace velmora
