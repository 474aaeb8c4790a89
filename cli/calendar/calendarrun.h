// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "calendarspan.h"

namespace velmora {

class CliStreams;
struct BirthData;
struct CliOptions;
struct System;

// A person's forecast calendar over a span: its PDF and .ics when named, then
// its days printed as text (a month a block, or the days --find picks out),
// CSV or JSON.
class CalendarRun
{
public:
    // The calendar the options ask for; nothing after the usage error when
    // --calendar, --find or --ics cannot be used.
    [[nodiscard]] static std::optional<CalendarRun> fromOptions(const CliOptions &options, CliStreams &streams);

    // The moment a calendar file is stamped with (DTSTAMP).
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

    // The exit status of the person's calendar.
    [[nodiscard]] int run(const BirthData &person, CliStreams &streams) const;

private:
    CalendarRun(const CliOptions &options, CalendarSpan span);
    [[nodiscard]] std::string printedText(const std::vector<CalendarDay> &days) const;
    // The --find wishes in words for the printed key; empty without --find.
    [[nodiscard]] QString chosenWords() const;

    const CliOptions *m_options;
    CalendarSpan m_span;
    std::optional<DayFilter> m_filter;
    std::function<QDateTime()> m_now = &QDateTime::currentDateTimeUtc;
};

} // namespace velmora
