// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayList>
#include <QDate>
#include <QDateTime>
#include <QStringList>

#include <cstdio>
#include <functional>

namespace velmora {

class CliStreams;
struct CliOptions;

// The command-line tool: reads its options once and hands them to the run of
// the mode they choose (one person, a report file or a client of the book, a
// comparison, name variants, a batch; a person's calendar; a job of the
// client book), which gives the exit status.
// Usage errors and refused input are one line on the error stream.
class CliApplication
{
public:
    // Today's date, the date of interest unless --on names one.
    using Clock = std::function<QDate()>;

    CliApplication(std::FILE *output, std::FILE *errors, Clock today = &QDate::currentDate);

    // The arguments include the program name first, as QCoreApplication gives
    // them; argumentBytes, when given, are the same arguments as the system
    // passed them, so that a file name that is not UTF-8 can be told apart.
    [[nodiscard]] int run(const QStringList &arguments, const QByteArrayList &argumentBytes = {});

    // The moment a calendar file is stamped with (DTSTAMP); by default the system's clock.
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

private:
    // One person, a report file or a client: the readings or the calendar.
    int runPerson(const CliOptions &options, CliStreams &streams) const;

    std::FILE *m_output;
    std::FILE *m_errors;
    Clock m_today;
    std::function<QDateTime()> m_now = &QDateTime::currentDateTimeUtc;
};

} // namespace velmora
