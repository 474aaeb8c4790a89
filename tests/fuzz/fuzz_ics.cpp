// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the calendar file's writer: the first two bytes
// choose a day in the years 1 to 3000 and the span's length (one to four
// days), the rest is the first name shown in every title. The file has one
// event a day and one for each month and year the span enters, every date
// an all-day date, and titles of bounded length that hold no control or
// direction character.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calendardays.h"
#include "calendarics.h"
#include "clidiagnostics.h"
#include "personinput.h"
#include "shortenedtext.h"
#include "shownasmark.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int choice = data[0] << 8 | data[1];
    const QDate first = QDate(1, 1, 1).addDays((choice >> 2) * 67 % (3000 * 365));
    const QDate last = std::min(first.addDays(choice & 3), velmora::kLastIcsDay);
    const std::string name =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 2), static_cast<qsizetype>(size - 2)).toStdString();
    velmora::BirthData person;
    if (velmora::readPerson({name, "", "Smith", "1985-03-07"}, person) != velmora::InputFault::None)
        return 0;
    const std::vector<velmora::CalendarDay> days =
        velmora::calendarDays(person, velmora::classicSystem(), first, last);
    const QByteArray file =
        velmora::calendarIcs(person, velmora::classicSystem(), days,
                             velmora::visibleText(velmora::shortenedText(person.FirstName)), QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC));
    // The lines unfolded: a line that starts with a space continues the one before.
    const QList<QByteArray> lines = QByteArray(file).replace("\r\n ", "").split('\n');
    std::size_t events = 0;
    std::size_t expected = 0;
    for (const velmora::CalendarDay &day : days)
        expected += 1 + (day.date == first || day.date.day() == 1) + (day.date == first || day.date.dayOfYear() == 1);
    for (const QByteArray &line : lines) {
        events += line == "BEGIN:VEVENT\r" ? 1 : 0;
        if (line.startsWith("DTSTART") || line.startsWith("DTEND"))
            check(line.contains(";VALUE=DATE:"));
        if (line.startsWith("SUMMARY:")) {
            const QString title = QString::fromUtf8(line.chopped(1));
            check(title.size() < 300);
            for (const QChar c : title)
                check(!velmora::isShownAsMark(c.unicode()));
        }
    }
    check(events == expected);
    return 0;
}
