// SPDX-License-Identifier: MIT
// The tool's name variants: the table of spellings weighed side by side.
#include "variantsrun.h"

#include <algorithm>

#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "enginetext.h"
#include "readingdocument.h"
#include "shortenedtext.h"
#include "variantinput.h"
#include "variantoutput.h"
#include "variantsdocument.h"
#include "variantsheet.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

VariantsRun::VariantsRun(const CliOptions &options, CliStreams &streams)
    : m_options(options)
    , m_streams(streams)
{
}

int VariantsRun::readWishes()
{
    std::string problem;
    for (const QString &want : m_options.wants) {
        if (!m_wishes.addWant(utf8(want), *m_options.system, &problem))
            return m_streams.usageError(toQString(problem));
    }
    if (m_options.noDebts && !m_wishes.addNoDebts(*m_options.system, &problem))
        return m_streams.usageError(toQString(problem));
    return Success;
}

int VariantsRun::readFile()
{
    std::FILE *input = m_streams.openInput(m_options.variantsFile);
    if (input == nullptr)
        return Failure;
    VariantInput reader(input, m_streams.errors(), utf8(m_options.date), m_options.foldAccents);
    const int status = reader.read(m_variants);
    CliStreams::closeInput(input);
    m_refused = reader.refused();
    return status;
}

int VariantsRun::combineAlternatives()
{
    std::array<std::vector<std::string>, 3> parts;
    const std::array<std::pair<QString, const QString *>, 3> options = {
        {{u"first"_s, &m_options.first}, {u"middle"_s, &m_options.middle}, {u"last"_s, &m_options.last}}};
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const auto &[name, value] = options[k];
        std::optional<std::vector<std::string>> alternatives = splitAlternatives(utf8(*value));
        if (!alternatives)
            return m_streams.usageError(
                u"--%1 '%2': an empty alternative; expected names apart by single bars, such as Jon|John"_s.arg(
                    name, *value));
        parts[k] = std::move(*alternatives);
    }
    const std::size_t longest = longestVariantName(parts);
    if (longest > kMaxVariantNameLength)
        return m_streams.usageError(u"the alternatives make a name of %1 characters; name variants take names of at "
                                    "most %2 (first, middle and last together; --batch takes any length)"_s.arg(
                                        QString::number(longest), QString::number(kMaxVariantNameLength)));
    const std::uint64_t count = variantCount(parts[0].size(), parts[1].size(), parts[2].size());
    if (count > kMaxVariants)
        return m_streams.usageError(u"the alternatives make %1 variants (%2 × %3 × %4); at most %5 are weighed"_s.arg(
            QString::number(count), QString::number(parts[0].size()), QString::number(parts[1].size()),
            QString::number(parts[2].size()), QString::number(kMaxVariants)));
    if (const InputFault fault = combineVariants(parts, utf8(m_options.date), m_options.foldAccents, m_variants);
        fault != InputFault::None)
        return m_streams.failure(faultText(fault));
    return Success;
}

int VariantsRun::writePdf(const VariantTable &table) const
{
    const System &system = *m_options.system;
    VariantSheet sheet = variantSheet(m_variants, system, m_wishes, m_options.dateOfInterest);
    for (const std::string &cell : table.head)
        sheet.head << toQString(cell);
    sheet.rows.reserve(table.rows.size());
    for (const std::vector<std::string> &row : table.rows) {
        QStringList cells;
        for (const std::string &cell : row)
            cells << toQString(cells.isEmpty() ? shortenedText(cell) : cell); // the name, shortened
        sheet.rows.push_back(std::move(cells));
    }
    return m_streams.writePdf(m_options.pdfFile, variantSheetPdf(sheet, localePageSize()));
}

int VariantsRun::print(const VariantTable &table) const
{
    switch (m_options.format) {
    case OutputFormat::Json:
        return m_streams.writeAll(variantJson(m_variants, *m_options.system, m_wishes));
    case OutputFormat::Csv:
        if (!writeVariantCsv(m_streams.output(), m_variants, *m_options.system, m_wishes))
            return m_streams.failure(std::string_view("cannot write the output"));
        return Success;
    case OutputFormat::Text:
        break;
    }
    return m_streams.writeAll(variantText(table));
}

int VariantsRun::run()
{
    if (const int status = readWishes(); status != Success)
        return status;
    if (const int status = m_streams.checkName(m_options.pdfFile); status != Success)
        return status;
    if (m_options.dateGiven && !parseIsoDate(utf8(m_options.date)))
        return m_streams.failure(u"--date '%1': "_s.arg(m_options.date) + toQString(faultText(InputFault::BadDate)));
    const int read = m_options.variantsGiven ? readFile() : combineAlternatives();
    if (read != Success)
        return read;
    const auto uncounted = std::ranges::count_if(m_variants, &hasUncounted);
    if (uncounted > 0)
        printError(m_streams.errors(), std::to_string(uncounted) + (uncounted == 1 ? " variant has" : " variants have")
                                           + " characters in a name that do not count: only the letters A–Z do");
    weighVariants(m_variants, *m_options.system, m_options.dateOfInterest, m_wishes);

    // Only the sheet and the text show the table; CSV and JSON go without it.
    const VariantTable table =
        !m_options.pdfFile.isEmpty() || (m_options.printed && m_options.format == OutputFormat::Text)
        ? variantTable(m_variants, *m_options.system, m_wishes)
        : VariantTable{};
    if (!m_options.pdfFile.isEmpty()) {
        if (const int status = writePdf(table); status != Success)
            return status;
    }
    const int status = m_options.printed ? print(table) : Success;
    return status == Success && m_refused > 0 ? Failure : status;
}

} // namespace velmora
