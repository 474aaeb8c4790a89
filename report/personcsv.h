// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "csvreader.h"
#include "personinput.h"

namespace velmora {

// A CSV of people (the batch's input, the name variants' file): a header
// that names the columns first, middle, last and date in any order and case
// (middle may be left out), then one person a record. Any other column is the
// file's own.
class PersonCsv
{
public:
    enum class Row : std::uint8_t { Person, Refused, End, ReadError };

    // what: "input" or "variants", as the messages name the file.
    PersonCsv(std::FILE *input, std::string_view what);

    // Reads the header line: empty when it is there, else what is wrong.
    [[nodiscard]] std::string readHeader();
    // Finds the person columns in the header: empty when first and last are
    // there (and date, unless dateOptional), else what is wrong.
    [[nodiscard]] std::string findColumns(bool dateOptional);

    // The next record: a person to read, one refused (refusal() says why),
    // the end, or a stream that fails.
    [[nodiscard]] Row next();
    [[nodiscard]] const std::string &refusal() const { return m_refusal; }

    // The person of the record (Person); a missing column reads as empty.
    [[nodiscard]] PersonFields person() const;
    [[nodiscard]] bool hasDate() const;
    // Whether header field i is one of the person's columns.
    [[nodiscard]] bool isPersonColumn(std::size_t i) const;

    // "line 7: "
    [[nodiscard]] std::string linePrefix() const;
    [[nodiscard]] const CsvReader &reader() const { return m_reader; }

private:
    enum Column : std::uint8_t { First, Middle, Last, Date };

    CsvReader m_reader;
    std::string_view m_what;
    std::array<std::size_t, 4> m_column{};
    std::size_t m_fieldCount = 0;
    std::string m_refusal;
};

// The columns of a CSV of people, in the order of PersonFields.
inline constexpr std::array<std::string_view, 4> kPersonColumns = {"first", "middle", "last", "date"};

// Two names alike but for the case of A-Z, as a CSV header's names are compared.
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b);
// Header field i as it names its column: a byte order mark that opens the
// first field is no part of the name.
[[nodiscard]] std::string_view headerName(std::span<const std::string_view> header, std::size_t i);

} // namespace velmora
