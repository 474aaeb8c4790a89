// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calendardate.h"
#include "clidiagnostics.h"
#include "descriptors.h"
#include "numberid.h"
#include "system.h"

namespace velmora {

class CliStreams;
class CsvReader;
class CsvWriter;
class PersonCsv;
class ProgressMeter;
struct BirthData;
struct ChartElements;
struct CliOptions;
struct LetterTally;

// The batch mode: CSV in whose header names the columns first, middle, last
// and date, in any order and case (middle may be missing). Out come the input
// columns as they were, followed by a column for each number the system has
// (batchedNumbers) and last the Inclusion table's nine counts, or with
// JsonLines one JSON object per person. Rows whose names hold characters that do not count are told
// once, as a count, at the end. A row the input page would refuse is reported on
// the error stream with its line number and left out; every other row is
// written.
class BatchRun
{
public:
    enum class Format : std::uint8_t { Csv, JsonLines };

    BatchRun(std::FILE *input, std::FILE *output, std::FILE *errors, ProgressMeter *progress = nullptr,
             Format format = Format::Csv);

    // The exit status: Success when every row was written, Failure when a
    // row was refused, the header is missing or a stream failed, UsageError
    // when the header names an output column and replaceColumns is not set.
    // Writing stops at the first write that fails.
    [[nodiscard]] int run();

    // The date the personal year is found for; 1 January of year 1 unless set.
    void setDateOfInterest(const CalendarDate &date) { m_dateOfInterest = date; }
    // The rules the numbers are found by, and so the columns; classic unless set.
    void setSystem(const System &system);
    // Counts a Latin letter with a diacritic as its base letter (foldAccents).
    void setFoldAccents(bool fold) { m_foldAccents = fold; }
    // Input columns named as the batch's own output columns are left out and
    // the batch's own written, in their usual place after the kept columns.
    // Unless this is set, such input is refused (UsageError).
    void setReplaceColumns(bool replace) { m_replaceColumns = replace; }

    [[nodiscard]] std::uint64_t rowsWritten() const { return m_written; }

private:
    bool readHeader(PersonCsv &input);
    bool takeOutputColumns(const std::string &line);
    [[nodiscard]] bool isReplaced(std::size_t column) const;
    void copyKeptFields(const CsvReader &reader, CsvWriter &writer) const;
    bool handleRecord(const PersonCsv &input, CsvWriter &writer, BirthData &person);
    void writeCsvRow(const CsvReader &reader, CsvWriter &writer, const BirthData &person, const LetterTally &letters);
    void writeCsvHeader(CsvWriter &writer) const;
    static void writeElements(CsvWriter &writer, const ChartElements &elements);
    bool writeJsonRow(const PersonCsv &input, const BirthData &person, const LetterTally &letters);
    void refuse(std::uint64_t line, std::string_view reason);
    void report(std::string_view text);

    std::FILE *m_input;
    std::FILE *m_output;
    std::FILE *m_errors;
    ProgressMeter *m_progress;
    Format m_format;
    // The header's names, a byte order mark taken off the first.
    std::vector<std::string> m_header;
    // The batch's own columns (batchColumns), and how a row writes the
    // numbers' columns: a compound number's after its number's.
    std::vector<std::string> m_columnNames;
    struct Column {
        enum Kind : std::uint8_t { Single, List, Compound };
        NumberId id;
        Kind kind;
    };
    std::vector<Column> m_columns;
    const System *m_system = nullptr;
    std::uint64_t m_written = 0;
    std::uint64_t m_refused = 0;
    std::uint64_t m_uncounted = 0;
    CalendarDate m_dateOfInterest;
    bool m_foldAccents = false;
    bool m_replaceColumns = false;
    std::uint64_t m_replaced = 0; // a bit for each input column left out (the header has at most 64)
    int m_startStatus = Failure; // the exit status when the input cannot be started on
    std::array<std::string, 3> m_folded; // the names folded, when they are
};

// The batch of the command line: its input file (or standard input) to its output.
[[nodiscard]] int runBatch(const CliOptions &options, CliStreams &streams);

} // namespace velmora
