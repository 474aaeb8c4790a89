// SPDX-License-Identifier: MIT
#include "personcsv.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

std::size_t personColumnOf(std::string_view name)
{
    const auto found = std::ranges::find_if(kPersonColumns,
                                            [&](std::string_view column) { return equalsIgnoringCase(name, column); });
    return found == kPersonColumns.end() ? kNoColumn : static_cast<std::size_t>(found - kPersonColumns.begin());
}

} // namespace

PersonCsv::PersonCsv(std::FILE *input, std::string_view what)
    : m_reader(input)
    , m_what(what)
{
    m_column.fill(kNoColumn);
}

std::string PersonCsv::linePrefix() const
{
    return "line " + std::to_string(m_reader.line()) + ": ";
}

std::string PersonCsv::readHeader()
{
    switch (m_reader.next()) {
    case CsvReader::Status::Record:
        m_fieldCount = m_reader.fieldCount();
        return {};
    case CsvReader::Status::BadRecord:
        return linePrefix() + "the header cannot be read: " + std::string(m_reader.error());
    case CsvReader::Status::End:
        return m_what == "variants"
            ? "the variants are empty; their first line must be a header naming the columns first, middle, last "
              "and date"
            : "the " + std::string(m_what) + " is empty; its first line must be a header naming the columns first, "
                  "middle, last and date";
    case CsvReader::Status::ReadError:
        break;
    }
    return "cannot read the " + std::string(m_what);
}

std::string PersonCsv::findColumns(bool dateOptional)
{
    const auto fields = m_reader.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t c = personColumnOf(headerName(fields, i));
        if (c == kNoColumn)
            continue;
        if (m_column[c] != kNoColumn)
            return linePrefix() + "the header names the column " + std::string(kPersonColumns[c]) + " twice";
        m_column[c] = i;
    }
    if (m_column[First] == kNoColumn || m_column[Last] == kNoColumn || (!dateOptional && !hasDate()))
        return linePrefix() + "the first line must be a header naming the columns first, middle, last and date (in "
                              "any order; middle may be left out)";
    return {};
}

PersonCsv::Row PersonCsv::next()
{
    switch (m_reader.next()) {
    case CsvReader::Status::End:
        return Row::End;
    case CsvReader::Status::ReadError:
        return Row::ReadError;
    case CsvReader::Status::BadRecord:
        m_refusal = m_reader.error();
        return Row::Refused;
    case CsvReader::Status::Record:
        break;
    }
    if (const std::size_t count = m_reader.fieldCount(); count != m_fieldCount) {
        m_refusal = std::to_string(count) + (count == 1 ? " field" : " fields") + ", expected "
            + std::to_string(m_fieldCount) + " as in the header";
        return Row::Refused;
    }
    return Row::Person;
}

PersonFields PersonCsv::person() const
{
    const auto fields = m_reader.fields();
    const auto field = [&](Column c) { return m_column[c] == kNoColumn ? std::string_view() : fields[m_column[c]]; };
    return {field(First), field(Middle), field(Last), field(Date)};
}

bool PersonCsv::hasDate() const
{
    return m_column[Date] != kNoColumn;
}

bool PersonCsv::isPersonColumn(std::size_t i) const
{
    return std::ranges::find(m_column, i) != m_column.end();
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view headerName(std::span<const std::string_view> header, std::size_t i)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view name = header[i];
    if (i == 0 && name.starts_with(kByteOrderMark))
        name.remove_prefix(kByteOrderMark.size());
    return name;
}

} // namespace velmora
