// SPDX-License-Identifier: MIT
#include "variantinput.h"

#include <algorithm>
#include <array>

#include "clidiagnostics.h"
#include "personcsv.h"

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
    PersonCsv input(m_input, "variants");
    if (const std::string problem = input.readHeader(); !problem.empty()) {
        printError(m_errors, problem);
        return Failure;
    }
    if (const std::string problem = input.findColumns(true); !problem.empty()) {
        printError(m_errors, problem);
        return Failure;
    }
    if (!input.hasDate() && m_dateForAll.empty()) {
        printError(m_errors, input.linePrefix() + "the header names no date column; expected one, or one --date for "
                                                  "all the variants (see --help)");
        return UsageError;
    }
    NameVariant variant;
    for (PersonCsv::Row row = input.next(); row != PersonCsv::Row::End; row = input.next()) {
        if (row == PersonCsv::Row::ReadError) {
            printError(m_errors, "cannot read the variants");
            return Failure;
        }
        const std::uint64_t line = input.reader().line();
        if (row == PersonCsv::Row::Refused) {
            refuse(line, input.refusal());
            continue;
        }
        PersonFields person = input.person();
        if (person.date.empty())
            person.date = m_dateForAll;
        if (person.date.empty()) {
            refuse(line, "the date is empty; expected YYYY-MM-DD, or one --date for all the variants");
            continue;
        }
        if (const InputFault fault = makeVariant(person, m_foldAccents, variant); fault != InputFault::None) {
            refuse(line, faultText(fault));
            continue;
        }
        if (const std::size_t length =
                characterCount(variant.first) + characterCount(variant.middle) + characterCount(variant.last);
            length > kMaxVariantNameLength) {
            refuse(line, longNameText(length));
            continue;
        }
        if (variants.size() == kMaxVariants) {
            printError(m_errors, "line " + std::to_string(line) + ": more than " + std::to_string(kMaxVariants)
                                     + " variants; at most that many are weighed (--batch takes any number)");
            return UsageError;
        }
        variants.push_back(variant);
    }
    return Success;
}

} // namespace velmora
