// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "clidiagnostics.h"
#include "numberid.h"
#include "personinput.h"
#include "personalcycles.h"
#include "system.h"

namespace velmora {

class CsvReader;
class ProgressMeter;
class CsvWriter;
struct BirthData;
struct LetterTally;

// The batch mode: CSV in whose header names the columns first, middle, last
// and date, in any order and case (middle may be missing). Out come the input
// columns as they were, followed by the eleven numbers and then the further
// ones (Life Path, Birthday, the challenges, the Personal Year of the date of
// interest, the Karmic Lessons and Debts) and last the Inclusion table's nine
// counts, or with JsonLines one JSON object
// per person. Rows whose names hold characters that do not count are told
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
    // Where the four columns lie in a record (kPersonColumns); kNoColumn for a missing middle.
    enum Column : std::uint8_t { First, Middle, Last, Date };

    bool startInput(CsvReader &reader);
    bool readHeader(CsvReader &reader);
    bool takeOutputColumns(const std::string &line);
    [[nodiscard]] bool isReplaced(std::size_t column) const;
    void copyKeptFields(const CsvReader &reader, CsvWriter &writer) const;
    bool handleRecord(const CsvReader &reader, CsvWriter &writer, BirthData &person);
    // person: the date alone; the names come as their letters.
    void writeCsvRow(const CsvReader &reader, CsvWriter &writer, const BirthData &person, const LetterTally &letters);
    void writeCsvHeader(CsvWriter &writer) const;
    static void writeInclusion(CsvWriter &writer, const LetterTally &letters);
    bool writeJsonRow(const CsvReader &reader, const BirthData &person, const LetterTally &letters);
    void refuse(std::uint64_t line, std::string_view reason);
    void report(std::string_view text);

    std::FILE *m_input;
    std::FILE *m_output;
    std::FILE *m_errors;
    ProgressMeter *m_progress;
    Format m_format;
    std::array<std::size_t, 4> m_column{};
    // The header's names, a byte order mark taken off the first.
    std::vector<std::string> m_header;
    // The numbers that have a batch column, in the order of the columns.
    struct OutputColumn {
        enum Kind : std::uint8_t { Single, List, Compound };
        NumberId id;
        Kind kind;
        std::string name;
    };
    // The columns of the numbers the system has, in the order of the numbers.
    static std::vector<OutputColumn> outputColumns(const System &system);
    std::vector<OutputColumn> m_columns;
    // The run of single numbers the columns start with, and whether only
    // lists follow it (the classic columns), written without a look at each.
    std::size_t m_singleColumns = 0;
    bool m_singlesThenLists = true;
    bool m_singlesInOrder = true; // and the single columns are the numbers 0, 1, 2 ... in order
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

} // namespace velmora
