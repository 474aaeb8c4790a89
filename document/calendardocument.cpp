// SPDX-License-Identifier: MIT
#include "calendardocument.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>

#include "enginetext.h"
#include "paragraphrows.h"
#include "personalcycletexts.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qreal kMonthPointSize = 20;
constexpr qreal kCyclesPointSize = 12;
constexpr qreal kTextPointSize = 10;
constexpr qreal kDatePointSize = 9;
constexpr qreal kPersonalDayPointSize = 22;
constexpr qreal kKeyPointSize = 8.5;
constexpr qreal kChosenPointSize = 7;
// A chosen day's cell: a light amber that stays visible printed in grey.
constexpr QColor kChosenShade{255, 228, 160};
constexpr QStringView kChosenMark = u"chosen";
constexpr std::array<QStringView, 7> kWeekdayNames = {u"Monday", u"Tuesday", u"Wednesday", u"Thursday",
                                                      u"Friday", u"Saturday", u"Sunday"};

// The days of one month, as they stand in the days painted.
struct MonthPage {
    const CalendarDay *first;
    const CalendarDay *end;
};

std::vector<MonthPage> monthPages(const std::vector<CalendarDay> &days)
{
    std::vector<MonthPage> pages;
    for (std::size_t k = 0; k < days.size();) {
        std::size_t end = k;
        while (end < days.size() && days[end].date.month() == days[k].date.month()
               && days[end].date.year() == days[k].date.year())
            ++end;
        pages.push_back({days.data() + k, days.data() + end});
        k = end;
    }
    return pages;
}

// The key under the grid: what each Personal Day means, and what the marked
// days are when some were chosen. Its lines, each a number (or empty) and a text.
struct KeyLine {
    QString number;
    QString text;
};

std::vector<KeyLine> keyLines(const QString &chosenWords)
{
    std::vector<KeyLine> lines;
    for (int day = 1; day <= 9; ++day)
        lines.push_back({QString::number(day), toQString(paragraphFor(personalDayTable(), day))});
    if (!chosenWords.isEmpty())
        lines.push_back({kChosenMark.toString(), u"a day you asked for: "_s + chosenWords + u'.'});
    return lines;
}

// Paints the key at the bottom of the area; returns its top.
qreal paintKey(QPainter &painter, const QRectF &area, const QString &chosenWords)
{
    const QFont titleFont = boldReadingFont(kTextPointSize);
    const QFont numberFont = boldReadingFont(kKeyPointSize);
    const QFont textFont = readingFont(kKeyPointSize);
    const QFontMetricsF title(titleFont, painter.device());
    const QFontMetricsF number(numberFont, painter.device());
    const QFontMetricsF text(textFont, painter.device());
    const qreal numberWidth = number.horizontalAdvance(kChosenMark.toString()) + number.averageCharWidth() * 2;
    const qreal textWidth = area.width() - numberWidth;
    const std::vector<KeyLine> lines = keyLines(chosenWords);
    std::vector<qreal> heights;
    qreal height = title.height() * 1.4;
    for (const KeyLine &line : lines) {
        heights.push_back(text.boundingRect(QRectF(0, 0, textWidth, area.height()), Qt::TextWordWrap, line.text).height()
                          + text.height() * 0.25);
        height += heights.back();
    }
    const qreal top = area.bottom() - height;
    painter.setFont(titleFont);
    painter.setPen(kHeadingColour);
    painter.drawText(QRectF(area.left(), top, area.width(), title.height()), Qt::AlignLeft | Qt::AlignTop,
                     u"What each Personal Day means"_s);
    qreal y = top + title.height() * 1.4;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const bool chosen = lines[k].number == kChosenMark;
        if (chosen)
            painter.fillRect(QRectF(area.left(), y, numberWidth - number.averageCharWidth(), heights[k]), kChosenShade);
        painter.setFont(numberFont);
        painter.setPen(chosen ? kTextColour : kHeadingColour);
        painter.drawText(QRectF(area.left(), y, numberWidth - number.averageCharWidth(), heights[k]),
                         Qt::AlignHCenter | Qt::AlignTop, lines[k].number);
        painter.setFont(textFont);
        painter.setPen(kTextColour);
        painter.drawText(QRectF(area.left() + numberWidth, y, textWidth, heights[k]), Qt::AlignLeft | Qt::TextWordWrap,
                         lines[k].text);
        y += heights[k];
    }
    return top;
}

// Paints one month within the rectangle: headings, the grid, and under it
// the key; the grid's rows take the height the two leave.
void paintMonth(QPainter &painter, const QRectF &area, const MonthPage &month, const QString &person,
                Qt::DayOfWeek firstDay, const QString &chosenWords)
{
    const QDate firstOfMonth(month.first->date.year(), month.first->date.month(), 1);
    qreal y = area.top();
    const auto line = [&](const QFont &font, const QColor &colour, const QString &text) {
        const QFontMetricsF metrics(font, painter.device());
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QRectF(area.left(), y, area.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         text);
        y += metrics.height() * 1.2;
    };
    line(boldReadingFont(kMonthPointSize), kHeadingColour,
         toQString(monthName(firstOfMonth.month())) + u' ' + QString::number(firstOfMonth.year()));
    line(boldReadingFont(kCyclesPointSize), kTextColour,
         u"Personal Year %1 \u00b7 Personal Month %2"_s.arg(month.first->personalYear).arg(month.first->personalMonth));
    line(readingFont(kTextPointSize), kTextColour, person + u" \u2014 each day's Personal Day stands large in its cell"_s);
    y += QFontMetricsF(readingFont(kTextPointSize), painter.device()).height() * 0.5;

    const int lead = (firstOfMonth.dayOfWeek() - firstDay + 7) % 7;
    const int weeks = (lead + firstOfMonth.daysInMonth() + 6) / 7;
    const QFont headFont = boldReadingFont(kTextPointSize);
    const qreal headHeight = QFontMetricsF(headFont, painter.device()).height() * 1.4;
    const qreal cellWidth = area.width() / 7;
    const qreal keyTop = paintKey(painter, area, chosenWords);
    const qreal gap = QFontMetricsF(readingFont(kTextPointSize), painter.device()).height();
    const qreal cellHeight = (keyTop - gap - y - headHeight) / weeks;
    painter.setFont(headFont);
    painter.setPen(kTextColour);
    for (int column = 0; column < 7; ++column) {
        painter.drawText(QRectF(area.left() + column * cellWidth, y, cellWidth, headHeight), Qt::AlignCenter,
                         kWeekdayNames[static_cast<std::size_t>((firstDay - 1 + column) % 7)].toString());
    }
    y += headHeight;

    QPen gridPen(kTextColour);
    gridPen.setWidthF(painter.device()->logicalDpiX() / 144.0); // half a point
    const QFont dateFont = readingFont(kDatePointSize);
    const QFont dayFont = boldReadingFont(kPersonalDayPointSize);
    const qreal inset = cellWidth / 16;
    for (int week = 0; week < weeks; ++week) {
        for (int column = 0; column < 7; ++column) {
            const QRectF cell(area.left() + column * cellWidth, y + week * cellHeight, cellWidth, cellHeight);
            painter.setPen(gridPen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
            const int dayOfMonth = week * 7 + column - lead + 1;
            const auto day = std::find_if(month.first, month.end, [&](const CalendarDay &d) {
                return d.date.day() == dayOfMonth;
            });
            if (day == month.end)
                continue;
            const QRectF inner = cell.adjusted(inset, inset, -inset, -inset);
            if (day->chosen) {
                painter.fillRect(cell.adjusted(gridPen.widthF(), gridPen.widthF(), -gridPen.widthF(), -gridPen.widthF()),
                                 kChosenShade);
                painter.setPen(kTextColour);
                painter.setFont(readingFont(kChosenPointSize));
                painter.drawText(inner, Qt::AlignHCenter | Qt::AlignBottom, kChosenMark.toString());
            }
            painter.setPen(kTextColour);
            painter.setFont(dateFont);
            painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(dayOfMonth));
            painter.setPen(kHeadingColour);
            painter.setFont(dayFont);
            painter.drawText(inner, Qt::AlignCenter, QString::number(day->personalDay));
        }
    }
}

} // namespace

QString calendarTitle(const BirthData &person)
{
    return u"Velmora calendar: "_s + toQString(fullName(person));
}

bool paintCalendar(QPagedPaintDevice &device, const BirthData &person, const std::vector<CalendarDay> &days,
                   Qt::DayOfWeek firstDay, const QString &chosenWords)
{
    setPageMargins(device);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QString name = toQString(fullName(person));
    const PageFooter footer(device, name);
    const QRectF body(0, 0, page.width(), page.height() - footer.reservedHeight());
    const std::vector<MonthPage> pages = monthPages(days);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int count = static_cast<int>(pages.size());
    for (int p = 0; p < count; ++p) {
        if (p > 0 && !device.newPage())
            return false;
        paintMonth(painter, body, pages[static_cast<std::size_t>(p)], name, firstDay, chosenWords);
        footer.paint(painter, page, p + 1, count);
    }
    return painter.end();
}

QByteArray calendarPdf(const BirthData &person, const std::vector<CalendarDay> &days, const QPageSize &pageSize,
                       Qt::DayOfWeek firstDay, const QString &chosenWords)
{
    return pdfDocument(calendarTitle(person), pageSize, [&](QPagedPaintDevice &device) {
        return paintCalendar(device, person, days, firstDay, chosenWords);
    });
}

} // namespace velmora
