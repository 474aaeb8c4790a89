// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "readingdocument.h"

namespace velmora {

class CalendarRun;
class Chart;
class CliStreams;
struct BirthData;
struct CliOptions;

// One person, typed on the command line or read from a report file: saved as
// a report file when asked, drawn as a PDF and written as its editable copies
// (ODT, HTML), and printed as text (the
// readings, the part "More numbers", the letter charts and with --explain
// the working) or JSON; with a calendar, the calendar instead of the readings.
class PersonRun
{
public:
    // calendar: the calendar to run for the person, or nullptr.
    PersonRun(const CliOptions &options, CliStreams &streams, const CalendarRun *calendar);

    [[nodiscard]] int run();

private:
    // The person of --first, --middle, --last and --date, saved when --save names a file.
    [[nodiscard]] std::optional<BirthData> typedPerson();
    // What the document holds beside the chart: the sections, the practice's
    // details (the practice file's, each replaced by the command line's where
    // given), its logo and the notes, read before any file is written.
    [[nodiscard]] std::optional<ReportOptions> reportOptions();
    [[nodiscard]] bool readNotes(ReportOptions &report);
    int finish(const BirthData &person, const ReportOptions &report);
    int print(const Chart &chart);
    // For a client: who the readings are for, the name in use beside the birth name; else empty.
    [[nodiscard]] std::string clientLine() const;

    const CliOptions &m_options;
    CliStreams &m_streams;
    const CalendarRun *m_calendar;
};

} // namespace velmora
