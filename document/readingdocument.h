// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QPen>
#include <QString>
#include <QStringList>
#include <QTextFormat>

#include <functional>
#include <memory>

#include "birthdata.h"
#include "calendardate.h"
#include "chart.h"
#include "practice.h"

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

// A heading's characters: bold, green, at the size given (the document's own for 0).
[[nodiscard]] QTextCharFormat headingFormat(qreal pointSize = 0);
// Plain text: regular black.
[[nodiscard]] QTextCharFormat plainFormat();

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

// Inserts a drawing at the cursor in a block of its own, a little room
// above and more below it: one character of the object type, its data kept
// in the property given.
void insertDrawing(QTextCursor &cursor, int objectType, int property, const QStringList &data);

// Sets the margins every page gets (kPageMarginMillimetres); a printer's
// unprintable area wins where it is wider.
void setPageMargins(QPagedPaintDevice &device);

// The footer every printed page ends in: the person's name at the left,
// "Page N of M" at the right, in 8 pt, at the foot of the page's paint
// rectangle; with a practice line (its name and contact), that line above them.
class PageFooter
{
public:
    PageFooter(const QPaintDevice &device, QString name, QString practice = {});

    // What the footer's lines and a blank line above them take off a page's height.
    [[nodiscard]] qreal reservedHeight() const { return (m_practice.isEmpty() ? 2 : 3) * m_metrics.height(); }
    void paint(QPainter &painter, const QRectF &page, int pageNumber, int pageCount) const;

private:
    QFont m_font;
    QFontMetricsF m_metrics;
    QString m_name;
    QString m_practice;
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

// The sections a report can hold, by name, in the order the tool's report
// has them unless told otherwise: the summary page, the core numbers' readings
// (lifePath, destiny, soulUrge, personality, birthday, realization), the rest
// of the readings and the further numbers by the keys of the JSON output,
// the year ahead (yearAhead) after the personal cycles, and the Inclusion
// grid and the Planes (inclusion, planes) last.
[[nodiscard]] QStringList reportSectionNames();
// The window's printout: the summary page, then the eight readings in tab
// order, the further numbers in the order the tool's text prints them, the
// Inclusion grid and the Planes.
[[nodiscard]] QStringList printoutSectionNames();

// What a report holds beside the chart, and for whom it is prepared.
struct ReportOptions {
    QStringList sections = reportSectionNames(); // each of reportSectionNames() at most once, in order
    PracticeDetails practice;                   // no heading when empty; its logoFile is not read here
    QImage logo;                                // drawn in the heading; none when null
    QHash<QString, QStringList> notes;          // the practitioner's paragraphs, by section name
    QDate preparedOn;                           // "Prepared for ... on ..."
    bool nameSystem = false; // without the summary, the system named under the person
};

// A chart as one document. On top, the practice's heading: its logo, name
// and contact line. Then the person (names and date of birth); with the
// summary, the system, the date of interest, the line saying for whom, by
// whom and when it was prepared, and the summary's charts on the first page
// alone. Then each section chosen under its caption (a section the chart's
// system does not have is left out), the practitioner's notes of a section
// under it, and last a short appendix with the working of every number.
// Every section's caption has one size (heading level 2); the appendix
// stands a level above them. Requires chart.hasWorking(). With nameSystem,
// the appendix states the system's rules before the working.
[[nodiscard]] std::unique_ptr<QTextDocument> readingDocument(const Chart &chart, const ReportOptions &options = {});

// The same document as an editable copy: the drawings (the core numbers,
// the Inclusion grid, the Planes and the timeline) as pictures in it, the
// core numbers as text too.
[[nodiscard]] std::unique_ptr<QTextDocument> editableDocument(const Chart &chart, const ReportOptions &options);
// The editable copy as an OpenDocument text file, or as an HTML page with
// its pictures inside it; empty when it cannot be written.
[[nodiscard]] QByteArray reportOdt(const Chart &chart, const ReportOptions &options);
[[nodiscard]] QByteArray reportHtml(const Chart &chart, const ReportOptions &options);

// Breaks the document (laid out at its text width) into pages of the given
// height and gives the top of each page in document coordinates; a line
// belongs to the last page whose top is at or above its own. A block that
// asks for a page break before it starts a new page. Every line
// stands wholly on one page, and a heading never ends a page whose next page
// starts with its text: headings that follow one another go over as one
// group, with the text after the last, unless the group fills a page alone.
[[nodiscard]] QList<qreal> pageTops(const QTextDocument &document, qreal pageHeight);

// The page of pageTops on which a line whose top is at y stands.
[[nodiscard]] int pageAt(const QList<qreal> &tops, qreal y);

// Sets the device's margins (kPageMarginMillimetres, or the unprintable area
// where wider) and paints the document on its pages, each with the person's
// name, "Page N of M" and the practice's name and contact at its foot. False
// when the device cannot be painted on or refuses a new page.
[[nodiscard]] bool paintReadings(QPagedPaintDevice &device, const Chart &chart, const ReportOptions &options = {});

// The document as a PDF document on paper of the given size, with its title
// and creator set; empty when it cannot be drawn.
[[nodiscard]] QByteArray readingsPdf(const Chart &chart, const QPageSize &pageSize, const ReportOptions &options = {});

} // namespace velmora
