// SPDX-License-Identifier: MIT
#include "calendardocument.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>

#include "enginetext.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr qreal kMonthPointSize = 20;
constexpr qreal kCyclesPointSize = 12;
constexpr qreal kTextPointSize = 10;
constexpr qreal kDatePointSize = 9;
constexpr qreal kPersonalDayPointSize = 22;
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

// Paints one month within the rectangle: headings, then the grid.
void paintMonth(QPainter &painter, const QRectF &area, const MonthPage &month, const QString &person,
                Qt::DayOfWeek firstDay)
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
    const qreal cellHeight = std::min((area.bottom() - y - headHeight) / weeks, cellWidth * 1.2);
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
                   Qt::DayOfWeek firstDay)
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
        paintMonth(painter, body, pages[static_cast<std::size_t>(p)], name, firstDay);
        footer.paint(painter, page, p + 1, count);
    }
    return painter.end();
}

QByteArray calendarPdf(const BirthData &person, const std::vector<CalendarDay> &days, const QPageSize &pageSize,
                       Qt::DayOfWeek firstDay)
{
    return pdfDocument(calendarTitle(person), pageSize,
                       [&](QPagedPaintDevice &device) { return paintCalendar(device, person, days, firstDay); });
}

} // namespace velmora
