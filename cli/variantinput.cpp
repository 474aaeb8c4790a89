// SPDX-License-Identifier: MIT
#include "variantinput.h"

#include <algorithm>
#include <array>

#include "clidiagnostics.h"
#include "csvreader.h"

namespace velmora {
VariantInput::VariantInput(std::FILE *input, std::FILE *errors, std::string dateForAll, bool foldAccents)
    : m_input(input)
    , m_errors(errors)
    , m_dateForAll(std::move(dateForAll))
    , m_foldAccents(foldAccents)
{
}

void VariantInput::refuse(std::uint64_t line, std::string_view reason)
{
    ++m_refused;
    printError(m_errors, "line " + std::to_string(line) + ": " + std::string(reason));
}

int VariantInput::read(std::vector<NameVariant> &variants)
{
    CsvReader reader(m_input);
    switch (reader.next()) {
    case CsvReader::Status::Record:
        break;
    case CsvReader::Status::BadRecord:
        printError(m_errors, "line " + std::to_string(reader.line())
                                 + ": the header cannot be read: " + std::string(reader.error()));
        return Failure;
    case CsvReader::Status::End:
        printError(m_errors, "the variants are empty; their first line must be a header naming the columns "
                             "first, middle, last and date");
        return Failure;
    case CsvReader::Status::ReadError:
        printError(m_errors, "cannot read the variants");
        return Failure;
    }
    const std::string headerLine = "line " + std::to_string(reader.line()) + ": ";
    std::array<std::size_t, 4> column;
    column.fill(kNoColumn);
    for (std::size_t i = 0; i < reader.fields().size(); ++i) {
        const std::size_t c = personColumnOf(headerName(reader.fields(), i));
        if (c == kNoColumn)
            continue;
        if (column[c] != kNoColumn) {
            printError(m_errors, headerLine + "the header names the column " + std::string(kPersonColumns[c]) + " twice");
            return Failure;
        }
        column[c] = i;
    }
    if (column[0] == kNoColumn || column[2] == kNoColumn) {
        printError(m_errors, headerLine + "the first line must be a header naming the columns first, middle, last "
                                          "and date (in any order; middle may be left out)");
        return Failure;
    }
    if (column[3] == kNoColumn && m_dateForAll.empty()) {
        printError(m_errors, headerLine + "the header names no date column; expected one, or one --date for all "
                                          "the variants (see --help)");
        return UsageError;
    }
    const std::size_t fieldCount = reader.fieldCount();
    NameVariant variant;
    for (CsvReader::Status status = reader.next(); status != CsvReader::Status::End; status = reader.next()) {
        if (status == CsvReader::Status::ReadError) {
            printError(m_errors, "cannot read the variants");
            return Failure;
        }
        if (status == CsvReader::Status::BadRecord) {
            refuse(reader.line(), reader.error());
            continue;
        }
        if (reader.fieldCount() != fieldCount) {
            refuse(reader.line(), std::to_string(reader.fieldCount()) + (reader.fieldCount() == 1 ? " field" : " fields")
                                      + ", expected " + std::to_string(fieldCount) + " as in the header");
            continue;
        }
        const auto field = [&](std::size_t c) {
            return column[c] == kNoColumn ? std::string_view() : reader.fields()[column[c]];
        };
        const std::string_view date = field(3).empty() ? std::string_view(m_dateForAll) : field(3);
        if (date.empty()) {
            refuse(reader.line(), "the date is empty; expected YYYY-MM-DD, or one --date for all the variants");
            continue;
        }
        if (const InputFault fault = makeVariant({field(0), field(1), field(2), date}, m_foldAccents, variant);
            fault != InputFault::None) {
            refuse(reader.line(), faultText(fault));
            continue;
        }
        if (const std::size_t length =
                characterCount(variant.first) + characterCount(variant.middle) + characterCount(variant.last);
            length > kMaxVariantNameLength) {
            refuse(reader.line(), longNameText(length));
            continue;
        }
        if (variants.size() == kMaxVariants) {
            printError(m_errors, "line " + std::to_string(reader.line()) + ": more than "
                                     + std::to_string(kMaxVariants)
                                     + " variants; at most that many are weighed (--batch takes any number)");
            return UsageError;
        }
        variants.push_back(variant);
    }
    return Success;
}

} // namespace velmora
