// SPDX-License-Identifier: MIT
#include "batchrun.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <string>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "chart.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "enginetext.h"
#include "namefolding.h"
#include "personcsv.h"
#include "personinput.h"
#include "progressmeter.h"
#include "readingoutput.h"
#include "vectorstate.h"

namespace velmora {
namespace {

// Whether every character of the name counts or only separates its parts:
// the common case, told without building the list of the others.
bool allCounted(std::string_view name)
{
    for (const char ch : name) {
        const bool letter = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
        if (!letter && !separatesNameParts(static_cast<unsigned char>(ch)))
            return uncountedCharacters(name).empty();
    }
    return true;
}

// The numbers (each below 100) apart by spaces, into a buffer that holds any
// list of a chart's: at most nine numbers.
std::string_view spacedList(std::array<char, 32> &buffer, std::span<const std::uint8_t> numbers)
{
    std::size_t used = 0;
    for (const int value : numbers) {
        if (used > 0)
            buffer[used++] = ' ';
        if (value >= 10)
            buffer[used++] = static_cast<char>('0' + value / 10);
        buffer[used++] = static_cast<char>('0' + value % 10);
    }
    return {buffer.data(), used};
}

// Room for nine counts of up to ten digits and the spaces between them.
using CountsBuffer = std::array<char, 9 * 11>;

std::string_view spacedCounts(CountsBuffer &buffer, const std::array<std::uint32_t, 10> &counts)
{
    char *at = buffer.data();
    for (std::size_t value = 1; value <= 9; ++value) {
        if (value > 1)
            *at++ = ' ';
        at = std::to_chars(at, buffer.data() + buffer.size(), counts[value]).ptr;
    }
    return {buffer.data(), static_cast<std::size_t>(at - buffer.data())};
}

} // namespace

BatchRun::BatchRun(std::FILE *input, std::FILE *output, std::FILE *errors, ProgressMeter *progress, Format format)
    : m_input(input)
    , m_output(output)
    , m_errors(errors)
    , m_progress(progress)
    , m_format(format)
{
    setSystem(classicSystem());
}

void BatchRun::setSystem(const System &system)
{
    m_system = &system;
    m_columnNames = batchColumns(system);
    m_columns.clear();
    for (const NumberShape &number : batchedNumbers(system)) {
        m_columns.push_back({number.id, number.list ? Column::List : Column::Single});
        if (number.compound)
            m_columns.push_back({number.id, Column::Compound});
    }
}

bool BatchRun::readHeader(PersonCsv &input)
{
    const CsvReader &reader = input.reader();
    const std::string line = input.linePrefix();
    if (reader.fieldCount() > CsvReader::kMaxFields) {
        report(line + "the header has " + std::to_string(reader.fieldCount()) + " columns; at most "
               + std::to_string(CsvReader::kMaxFields) + " are read");
        return false;
    }
    if (const std::string problem = input.findColumns(false); !problem.empty()) {
        report(problem);
        return false;
    }
    m_header.clear();
    for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
        const std::string_view name = headerName(reader.fields(), i);
        // JSON keeps the columns by name: two of one name would lose one. Names
        // are compared as JSON writes them, where bytes that are not UTF-8 read
        // as U+FFFD.
        if (m_format == Format::JsonLines) {
            const QString key = toQString(name);
            if (std::ranges::any_of(m_header, [&](const std::string &other) { return toQString(other) == key; })) {
                report(line + "the header names the column '" + key.toStdString()
                       + "' twice (bytes that are not UTF-8 count as U+FFFD); JSON output needs distinct column "
                         "names");
                return false;
            }
        }
        m_header.emplace_back(name);
    }
    return takeOutputColumns(line);
}

// A column the batch writes itself (the tool's own output read back, say)
// would stand twice in the output: it is refused, or with replaceColumns left
// out, so that the tool's column stands in the output once, in its own place.
bool BatchRun::takeOutputColumns(const std::string &line)
{
    m_replaced = 0;
    for (std::size_t i = 0; i < m_header.size(); ++i) {
        // Matched as the header's names are: without regard to case.
        const auto named = [&](const std::vector<std::string> &columns) {
            return std::ranges::any_of(columns,
                                       [&](const std::string &column) { return equalsIgnoringCase(m_header[i], column); });
        };
        if (!named(m_columnNames)) {
            // Replaced, another system's columns go too: output read back under
            // another system keeps none of its old numbers beside the new.
            if (!m_replaceColumns
                || std::ranges::none_of(systems(), [&](const System *other) { return named(batchColumns(*other)); }))
                continue;
        } else if (!m_replaceColumns) {
            report(line + "the input has a column " + m_header[i]
                   + ", which the batch writes itself; rename it, or give --replace-columns to write the batch's "
                     "own in its place");
            m_startStatus = UsageError;
            return false;
        }
        m_replaced |= std::uint64_t{1} << i;
    }
    return true;
}

bool BatchRun::isReplaced(std::size_t column) const
{
    return column < 64 && (m_replaced & (std::uint64_t{1} << column)) != 0;
}

// The fields of the record that stay: all of them, as read, unless input
// columns are replaced.
void BatchRun::copyKeptFields(const CsvReader &reader, CsvWriter &writer) const
{
    if (m_replaced == 0) {
        copyFields(reader, writer);
        return;
    }
    const auto fields = reader.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!isReplaced(i))
            writer.field(fields[i]);
    }
}

void BatchRun::writeCsvHeader(CsvWriter &writer) const
{
    for (std::size_t i = 0; i < m_header.size(); ++i) {
        if (!isReplaced(i))
            writer.field(m_header[i]);
    }
    for (const std::string &column : m_columnNames)
        writer.field(column);
    writer.endRecord();
}

// One line of JSON: the keys of the one-person output, with every column of
// the row that is not one of the four in "input" under its header name.
bool BatchRun::writeJsonRow(const PersonCsv &csv, const BirthData &person, const LetterTally &letters)
{
    // Neither the working nor the system: those of the default options.
    QJsonObject object = chartObject(Chart(person, *m_system, letters, m_dateOfInterest, false), CliOptions{});
    QJsonObject input = object.value(QStringLiteral("input")).toObject();
    const auto fields = csv.reader().fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!csv.isPersonColumn(i) && !isReplaced(i))
            input.insert(toQString(m_header[i]), toQString(fields[i]));
    }
    object.insert(QStringLiteral("input"), input);
    QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    line.append('\n');
    return std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), m_output)
        == static_cast<std::size_t>(line.size());
}

void BatchRun::report(std::string_view text)
{
    if (m_progress != nullptr)
        m_progress->clear();
    printError(m_errors, text);
}

void BatchRun::refuse(std::uint64_t line, std::string_view reason)
{
    ++m_refused;
    report("line " + std::to_string(line) + ": " + std::string(reason));
}

namespace {

// Nine counts, value 1 first: digits and spaces only, written as they are,
// with no look for quotes.
void writeCounts(CsvWriter &writer, const std::array<std::uint32_t, 10> &counts)
{
    // A name rarely has ten letters of one value: each count one digit in a
    // text of fixed length, with to_chars only past 9: 241 -> 95 instructions a batch row (callgrind).
    std::array<char, 17> text = {'0', ' ', '0', ' ', '0', ' ', '0', ' ', '0', ' ', '0', ' ', '0', ' ', '0', ' ', '0'};
    std::uint32_t highest = 0;
    for (std::size_t value = 1; value <= 9; ++value) {
        highest = std::max(highest, counts[value]);
        text[2 * (value - 1)] = static_cast<char>('0' + counts[value]);
    }
    if (highest < 10) {
        writer.rawFields({text.data(), text.size()}, 1);
        return;
    }
    CountsBuffer buffer;
    writer.rawFields(spacedCounts(buffer, counts), 1);
}

} // namespace

// The columns of the chart elements that have one.
void BatchRun::writeElements(CsvWriter &writer, const ChartElements &elements)
{
    for (const ElementDescriptor &element : elementDescriptors()) {
        if (element.column.empty())
            continue;
        switch (element.layout) {
        case ElementLayout::ValueCounts:
            writeCounts(writer, elements.inclusion);
            break;
        case ElementLayout::Planes:
            assert(false && "the planes have no batch column");
            break;
        }
    }
}

// The row's numbers in the order of the columns, a list (the Karmic Lessons
// and Debts) as numbers apart by spaces, an empty compound where the number
// has none. A run of single numbers goes out in one call: a batch row 3,058
// -> 2,892 instructions (callgrind, Release).
void BatchRun::writeCsvRow(const CsvReader &reader, CsvWriter &writer, const BirthData &person,
                           const LetterTally &letters)
{
    ChartNumbers numbers;
    evaluateNumbers(dateOfBirth(person), *m_system, letters, m_dateOfInterest, numbers);
    copyKeptFields(reader, writer);
    std::array<int, kNumberCount> run;
    std::size_t length = 0;
    std::array<char, 32> buffer;
    for (const Column &column : m_columns) {
        const NumberValue &number = numbers[column.id];
        if (column.kind == Column::Single) {
            run[length++] = number.value();
            continue;
        }
        if (length > 0)
            writer.fields(std::span<const int>(run.data(), std::exchange(length, 0)));
        if (column.kind == Column::List)
            // Digits and spaces only: written as they are, with no look for quotes.
            writer.rawFields(spacedList(buffer, number.list()), 1);
        else if (number.compound != 0)
            writer.field(number.compound);
        else
            writer.rawFields({}, 1);
    }
    if (length > 0)
        writer.fields(std::span<const int>(run.data(), length));
    writeElements(writer, numbers.elements);
    writer.endRecord();
}

// One record: refused with its reason, or written. False when the output
// cannot take it.
bool BatchRun::handleRecord(const PersonCsv &input, CsvWriter &writer, BirthData &person)
{
    PersonFields fields = input.person();
    if (m_foldAccents) {
        m_folded = {foldAccents(fields.first), foldAccents(fields.middle), foldAccents(fields.last)};
        fields = {m_folded[0], m_folded[1], m_folded[2], fields.date};
    }
    CheckedPerson checked;
    if (const InputFault fault = checkPerson(fields, checked); fault != InputFault::None) {
        refuse(input.reader().line(), faultText(fault));
        return true;
    }
    // The names are tallied where the reader holds them and copied into the
    // record only for JSON, which shows them; a CSV row needs the record's
    // date alone: a batch row 3,086 -> 2,892 instructions (callgrind, Release).
    const LetterTally letters = tallyLetters(checked.names, *m_system);
    if (letters.others > 0 && !std::ranges::all_of(checked.names, allCounted))
        ++m_uncounted;
    if (m_format == Format::JsonLines) {
        fillPerson(checked, person);
        if (!writeJsonRow(input, person, letters))
            return false;
    } else {
        setBirthDate(checked.date, person);
        writeCsvRow(input.reader(), writer, person, letters);
    }
    ++m_written;
    if (m_progress != nullptr)
        m_progress->update(m_written + m_refused, input.reader().bytesRead());
    return true;
}

int BatchRun::run()
{
    PersonCsv input(m_input, "input");
    if (const std::string problem = input.readHeader(); !problem.empty()) {
        report(problem);
        return m_startStatus;
    }
    if (!readHeader(input))
        return m_startStatus;
    CsvWriter writer(m_output);
    if (m_format == Format::Csv)
        writeCsvHeader(writer);

    // One record for every row, so that its strings keep their room.
    BirthData person;
    for (PersonCsv::Row row = input.next(); row != PersonCsv::Row::End; row = input.next()) {
        if (row == PersonCsv::Row::ReadError) {
            writer.flush();
            report("cannot read the input");
            return Failure;
        }
        if (row == PersonCsv::Row::Refused)
            refuse(input.reader().line(), input.refusal());
        else if (!handleRecord(input, writer, person))
            break;
        // The output refused a write: nothing more will reach it.
        if (writer.failed())
            break;
    }
    if (m_progress != nullptr)
        m_progress->clear();
    if (m_uncounted > 0)
        report(std::to_string(m_uncounted) + (m_uncounted == 1 ? " row has" : " rows have")
               + " characters in a name that do not count: only the letters A–Z do");
    if (!writer.flush() || std::fflush(m_output) != 0 || std::ferror(m_output) != 0) {
        report("cannot write the output");
        return Failure;
    }
    return m_refused > 0 ? Failure : Success;
}

int runBatch(const CliOptions &options, CliStreams &streams)
{
    std::FILE *input = streams.openInput(options.inputFile);
    if (input == nullptr)
        return Failure;
    struct stat info {};
    const std::uint64_t size = fstat(fileno(input), &info) == 0 && S_ISREG(info.st_mode)
        ? static_cast<std::uint64_t>(info.st_size)
        : 0;
    ProgressMeter progress(streams.errors(), isatty(fileno(streams.errors())) != 0, size);
    BatchRun batch(input, streams.output(), streams.errors(), &progress,
                   options.format == OutputFormat::Json ? BatchRun::Format::JsonLines : BatchRun::Format::Csv);
    batch.setDateOfInterest(options.dateOfInterest);
    batch.setFoldAccents(options.foldAccents);
    batch.setSystem(*options.system);
    batch.setReplaceColumns(options.replaceColumns);
    clearVectorUpperState(); // after the last Qt call before the rows
    const int status = batch.run();
    CliStreams::closeInput(input);
    return status;
}

} // namespace velmora
