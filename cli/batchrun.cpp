// SPDX-License-Identifier: MIT
#include "batchrun.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cassert>
#include <array>
#include <charconv>
#include <span>
#include <string>

#include "chart.h"
#include "namefolding.h"
#include "clidiagnostics.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "enginetext.h"
#include "personinput.h"
#include "progressmeter.h"
#include "readingoutput.h"

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

// The last column: the Inclusion table's nine counts, value 1 first, apart by spaces.
constexpr std::string_view kInclusionColumn = "inclusion";

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

std::string fieldsText(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " field" : " fields");
}

} // namespace

// The columns of the numbers the system has, in the order of the numbers; a
// compound number's column after its number's.
std::vector<BatchRun::OutputColumn> BatchRun::outputColumns(const System &system)
{
    std::vector<OutputColumn> columns;
    for (const NumberDescriptor &number : numberDescriptors()) {
        if (number.column.empty() || !system.hasNumber(number.id))
            continue;
        const bool list = number.list
            || (number.id == NumberId::HiddenPassion && system.passion == PassionRule::MostFrequentValue);
        columns.push_back({number.id, list ? OutputColumn::List : OutputColumn::Single, std::string(number.column)});
        if (number.compound && system.hasCompounds())
            columns.push_back({number.id, OutputColumn::Compound, std::string(number.column) + "_compound"});
    }
    return columns;
}

namespace {

// Whether the batch writes a column of this name itself, matched as the
// header's names are: without regard to case.
template<typename Columns>
bool isOutputColumn(std::string_view name, const Columns &columns)
{
    return std::ranges::any_of(columns, [&](const auto &column) { return equalsIgnoringCase(name, column.name); });
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
    m_columns = outputColumns(system);
    m_singleColumns = 0;
    // The classic columns: the single numbers first, the lists after them.
    while (m_singleColumns < m_columns.size() && m_columns[m_singleColumns].kind == OutputColumn::Single)
        ++m_singleColumns;
    m_singlesInOrder = true;
    for (std::size_t k = 0; k < m_singleColumns; ++k)
        m_singlesInOrder = m_singlesInOrder && indexOf(m_columns[k].id) == k;
    m_singlesThenLists = std::ranges::all_of(m_columns.begin() + static_cast<std::ptrdiff_t>(m_singleColumns),
                                             m_columns.end(),
                                             [](const OutputColumn &c) { return c.kind == OutputColumn::List; });
}

bool BatchRun::readHeader(CsvReader &reader)
{
    const std::string line = "line " + std::to_string(reader.line()) + ": ";
    const std::string expected = "the first line must be a header naming the columns first, middle, last and date "
                                 "(in any order; middle may be left out)";
    if (reader.fieldCount() > CsvReader::kMaxFields) {
        report(line + "the header has " + std::to_string(reader.fieldCount()) + " columns; at most "
               + std::to_string(CsvReader::kMaxFields) + " are read");
        return false;
    }
    m_column.fill(kNoColumn);
    m_header.clear();
    for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
        const std::string_view name = headerName(reader.fields(), i);
        if (const std::size_t c = personColumnOf(name); c != kNoColumn) {
            if (m_column[c] != kNoColumn) {
                report(line + "the header names the column " + std::string(kPersonColumns[c]) + " twice");
                return false;
            }
            m_column[c] = i;
        }
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
    if (m_column[First] == kNoColumn || m_column[Last] == kNoColumn || m_column[Date] == kNoColumn) {
        report(line + expected);
        return false;
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
        if (!isOutputColumn(m_header[i], m_columns) && !equalsIgnoringCase(m_header[i], kInclusionColumn)) {
            // Replaced, another system's columns go too: output read back under
            // another system keeps none of its old numbers beside the new.
            if (!m_replaceColumns || std::ranges::none_of(systems(), [&](const System *other) {
                    return isOutputColumn(m_header[i], outputColumns(*other));
                }))
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
    for (const OutputColumn &column : m_columns)
        writer.field(column.name);
    writer.field(kInclusionColumn);
    writer.endRecord();
}

// One line of JSON: the keys of the one-person output, with every column of
// the row that is not one of the four in "input" under its header name.
bool BatchRun::writeJsonRow(const CsvReader &reader, const BirthData &person, const LetterTally &letters)
{
    QJsonObject object = chartObject(Chart(person, *m_system, letters, m_dateOfInterest, false), false);
    QJsonObject input = object.value(QStringLiteral("input")).toObject();
    const auto fields = reader.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (std::ranges::find(m_column, i) == m_column.end() && !isReplaced(i))
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

bool BatchRun::startInput(CsvReader &reader)
{
    switch (reader.next()) {
    case CsvReader::Status::Record:
        return readHeader(reader);
    case CsvReader::Status::BadRecord:
        report("line " + std::to_string(reader.line()) + ": the header cannot be read: "
               + std::string(reader.error()));
        return false;
    case CsvReader::Status::End:
        report("the input is empty; its first line must be a header naming the columns first, middle, last "
               "and date");
        return false;
    case CsvReader::Status::ReadError:
        report("cannot read the input");
        return false;
    }
    return false;
}

// Digits and spaces only: written as they are, with no look for quotes.
void BatchRun::writeInclusion(CsvWriter &writer, const LetterTally &letters)
{
    const auto &counts = letters.valueCounts;
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

// The row's numbers in the order of the columns: runs of single numbers go
// out together, a list (the Karmic Lessons and Debts) as numbers apart by spaces.
void BatchRun::writeCsvRow(const CsvReader &reader, CsvWriter &writer, const BirthData &person,
                           const LetterTally &letters)
{
    ChartNumbers numbers;
    evaluateNumbers(person, *m_system, letters, m_dateOfInterest, numbers);
    copyKeptFields(reader, writer);
    std::array<char, 32> buffer;
    if (!m_singlesThenLists) {
        for (const OutputColumn &column : m_columns) {
            const NumberValue &number = numbers[column.id];
            if (column.kind == OutputColumn::Single)
                writer.field(number.value());
            else if (column.kind == OutputColumn::List)
                writer.rawFields(spacedList(buffer, number.list()), 1);
            else if (number.compound != 0)
                writer.field(number.compound);
            else
                writer.rawFields({}, 1);
        }
        writeInclusion(writer, letters);
        writer.endRecord();
        return;
    }
    std::array<int, kNumberCount> run; // only the first m_singleColumns are written and read
    // The classic single columns are the numbers in their own order: read
    // without the look-up: with the count below, a batch row 3,302 -> 3,234 instructions (callgrind).
    if (m_singlesInOrder) {
        for (std::size_t k = 0; k < m_singleColumns; ++k)
            run[k] = numbers.values[k].values[0];
    } else {
        for (std::size_t k = 0; k < m_singleColumns; ++k)
            run[k] = numbers[m_columns[k].id].value();
    }
    writer.fields(std::span<const int>(run.data(), m_singleColumns));
    for (std::size_t k = m_singleColumns; k < m_columns.size(); ++k)
        // Digits and spaces only: written as they are, with no look for quotes.
        writer.rawFields(spacedList(buffer, numbers[m_columns[k].id].list()), 1);
    writeInclusion(writer, letters);
    writer.endRecord();
}

// One record: refused with its reason, or written. False when the output
// cannot take it.
bool BatchRun::handleRecord(const CsvReader &reader, CsvWriter &writer, BirthData &person)
{
    if (reader.fieldCount() != m_header.size()) {
        refuse(reader.line(), fieldsText(reader.fieldCount()) + ", expected " + std::to_string(m_header.size())
                                  + " as in the header");
        return true;
    }
    const auto fields = reader.fields();
    const auto column = [&](Column c) { return m_column[c] == kNoColumn ? std::string_view() : fields[m_column[c]]; };
    std::array<std::string_view, 3> names = {column(First), column(Middle), column(Last)};
    if (m_foldAccents) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            m_folded[i] = foldAccents(names[i]);
            names[i] = m_folded[i];
        }
    }
    CheckedPerson checked;
    const InputFault fault = checkPerson({names[0], names[1], names[2], column(Date)}, checked);
    if (fault != InputFault::None) {
        refuse(reader.line(), faultText(fault));
        return true;
    }
    // The names are tallied where the reader holds them and copied into the
    // record only for JSON, which shows them; a CSV row needs the record's
    // date alone: a batch row 3,204 -> 3,132 instructions (callgrind), and
    // without the month's name 2,864 -> 2,796.
    const LetterTally letters = tallyLetters(checked.names, *m_system);
    if (letters.others > 0 && !std::ranges::all_of(checked.names, allCounted))
        ++m_uncounted;
    if (m_format == Format::JsonLines) {
        fillPerson(checked, person);
        if (!writeJsonRow(reader, person, letters))
            return false;
    } else {
        setBirthDate(checked.date, person);
        writeCsvRow(reader, writer, person, letters);
    }
    ++m_written;
    if (m_progress != nullptr)
        m_progress->update(m_written + m_refused, reader.bytesRead());
    return true;
}

int BatchRun::run()
{
    CsvReader reader(m_input);
    if (!startInput(reader))
        return m_startStatus;
    CsvWriter writer(m_output);
    if (m_format == Format::Csv)
        writeCsvHeader(writer);

    // One record for every row, so that its strings keep their room.
    BirthData person;
    for (CsvReader::Status status = reader.next(); status != CsvReader::Status::End; status = reader.next()) {
        if (status == CsvReader::Status::ReadError) {
            writer.flush();
            report("cannot read the input");
            return Failure;
        }
        if (status == CsvReader::Status::BadRecord)
            refuse(reader.line(), reader.error());
        else if (!handleRecord(reader, writer, person))
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

} // namespace velmora
