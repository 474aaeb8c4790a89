// SPDX-License-Identifier: MIT
#include "batchrun.h"

#include <array>
#include <string>

#include "calculations.h"
#include "clidiagnostics.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "personinput.h"
#include "progressmeter.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 4> kInputColumns = {"first", "middle", "last", "date"};
constexpr std::array<std::string_view, 11> kNumberColumns = {
    "destiny",    "personality", "soul_urge",      "realization",       "pinnacle1", "pinnacle2",
    "pinnacle3",  "pinnacle4",   "hidden_passion", "subconscious_self", "attitude",
};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isInputHeader(const CsvReader &reader)
{
    if (reader.fieldCount() != kInputColumns.size())
        return false;
    std::string_view first = reader.fields()[0];
    if (first.starts_with(kByteOrderMark))
        first.remove_prefix(kByteOrderMark.size());
    return first == kInputColumns[0] && reader.fields()[1] == kInputColumns[1]
        && reader.fields()[2] == kInputColumns[2] && reader.fields()[3] == kInputColumns[3];
}

// The letters of the row's three names. A record read as it stands holds its
// fields in order in one piece of the reader's buffer, and what lies between
// and around the names there (commas, quotes, spaces) are no letters: one walk
// over that piece gives the tally of the names. Where doubled quotes were
// undone in place, bytes left over may lie between the fields, so such a
// record is tallied name by name.
LetterTally nameLetters(const CsvReader &reader, const BirthDataView &person)
{
    if (reader.rawRecord().empty())
        return tallyLetters(person);
    const auto fields = reader.fields();
    const char *const begin = fields[0].data();
    const char *const end = fields[2].data() + fields[2].size();
    return tallyLetters(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

} // namespace

BatchRun::BatchRun(std::FILE *input, std::FILE *output, std::FILE *errors, ProgressMeter *progress)
    : m_input(input)
    , m_output(output)
    , m_errors(errors)
    , m_progress(progress)
{
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

int BatchRun::run()
{
    CsvReader reader(m_input);
    switch (reader.next()) {
    case CsvReader::Status::Record:
        if (isInputHeader(reader))
            break;
        [[fallthrough]];
    case CsvReader::Status::BadRecord:
        report("line " + std::to_string(reader.line()) + ": the first line must be the header "
               + std::string(kInputHeader));
        return Failure;
    case CsvReader::Status::End:
        report("the input is empty; its first line must be the header " + std::string(kInputHeader));
        return Failure;
    case CsvReader::Status::ReadError:
        report("cannot read the input");
        return Failure;
    }

    CsvWriter writer(m_output);
    for (const std::string_view column : kInputColumns)
        writer.field(column);
    for (const std::string_view column : kNumberColumns)
        writer.field(column);
    writer.endRecord();

    // The names stay in the reader's buffer: nothing is copied per row.
    BirthDataView person;
    for (;;) {
        const CsvReader::Status status = reader.next();
        if (status == CsvReader::Status::End)
            break;
        if (status == CsvReader::Status::ReadError) {
            writer.flush();
            report("cannot read the input");
            return Failure;
        }
        if (status == CsvReader::Status::BadRecord) {
            refuse(reader.line(), reader.error());
            continue;
        }
        if (reader.fieldCount() != kInputColumns.size()) {
            const std::size_t count = reader.fieldCount();
            refuse(reader.line(), std::to_string(count) + (count == 1 ? " field" : " fields") + ", expected 4 ("
                                      + std::string(kInputHeader) + ")");
            continue;
        }
        const auto fields = reader.fields();
        const InputFault fault = readPerson({fields[0], fields[1], fields[2], fields[3]}, person);
        if (fault != InputFault::None) {
            refuse(reader.line(), faultText(fault));
            continue;
        }
        const Numbers numbers = CalculateNumbers(nameLetters(reader, person), person);
        copyFields(reader, writer);
        const std::array<int, kNumberColumns.size()> row = {
            numbers.destiny,      numbers.personality,  numbers.soulUrge,      numbers.realization,
            numbers.pinnacles[0], numbers.pinnacles[1], numbers.pinnacles[2],  numbers.pinnacles[3],
            numbers.hiddenPassion, numbers.subconsciousSelf, numbers.attitude,
        };
        writer.fields(row);
        writer.endRecord();
        ++m_written;
        if (m_progress != nullptr)
            m_progress->update(m_written + m_refused, reader.bytesRead());
    }
    if (m_progress != nullptr)
        m_progress->clear();
    if (!writer.flush()) {
        report("cannot write the output");
        return Failure;
    }
    return m_refused > 0 ? Failure : Success;
}

} // namespace velmora
