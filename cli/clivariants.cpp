// SPDX-License-Identifier: MIT
// The tool's name variants: the table of spellings weighed side by side.
#include "cliapplication.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <map>

#include "clidiagnostics.h"
#include "clioptions.h"
#include "enginetext.h"
#include "morenumberstext.h"
#include "namevariants.h"
#include "readingdocument.h"
#include "readingoutput.h"
#include "shortenedtext.h"
#include "systemreason.h"
#include "variantinput.h"
#include "variantoutput.h"
#include "variantsdocument.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// A reading names at most this many of the variants it belongs to.
constexpr std::size_t kNamesPerReading = 12;

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// The first paragraph of the Destiny's reading under the variant's chart.
QString destinyParagraph(const NameVariant &variant, const System &system, const CalendarDate &dateOfInterest)
{
    const Chart chart = chartOf(variant.person, system, dateOfInterest);
    const ReadingRow *row = chart.table(SectionId::Destiny).find(chart.number(NumberId::Destiny));
    if (row == nullptr || row->paragraphs.empty())
        return toQString(kNotValidText);
    return toQString(row->paragraphs.front()).replace(u"\r\n"_s, u"\n"_s);
}

// The readings of the matching variants' Destiny numbers: one for each
// number (with its compound), naming the variants it belongs to.
std::vector<VariantSheet::DestinyReading> destinyReadings(const std::vector<NameVariant> &variants,
                                                          const System &system, const CalendarDate &dateOfInterest)
{
    std::map<std::pair<int, int>, std::vector<const NameVariant *>> groups;
    for (const NameVariant &variant : variants) {
        if (!variant.match)
            break; // the matches come first
        const NumberValue &destiny = variant.numbers[NumberId::Destiny];
        groups[{destiny.value(), destiny.compound}].push_back(&variant);
    }
    std::vector<VariantSheet::DestinyReading> readings;
    for (const auto &[number, members] : groups) {
        QString heading = u"Destiny "_s;
        if (number.second != 0)
            heading += QString::number(number.second) + u'/';
        heading += QString::number(number.first) + u": "_s;
        for (std::size_t k = 0; k < members.size() && k < kNamesPerReading; ++k)
            heading += (k == 0 ? u""_s : u", "_s) + toQString(shortenedText(writtenName(*members[k])));
        if (members.size() > kNamesPerReading)
            heading += u" and %1 more"_s.arg(members.size() - kNamesPerReading);
        readings.push_back({heading, destinyParagraph(*members.front(), system, dateOfInterest)});
    }
    return readings;
}

} // namespace

int CliApplication::runVariants(const QCommandLineParser &parser, bool printTable)
{
    VariantWishes wishes;
    std::string problem;
    for (const QString &want : parser.values(u"want"_s)) {
        if (!wishes.addWant(utf8(want), *m_system, &problem))
            return usageError(toQString(problem));
    }
    if (parser.isSet(u"no-debts"_s) && !wishes.addNoDebts(*m_system, &problem))
        return usageError(toQString(problem));
    const QString pdfFile = parser.value(u"pdf"_s);
    if (!pdfFile.isEmpty() && pdfFile != u"-"_s && !isExactName(pdfFile))
        return failure(inexactNameText(pdfFile));

    const std::string date = utf8(parser.value(u"date"_s));
    if (parser.isSet(u"date"_s) && !parseIsoDate(date))
        return failure(u"--date '%1': "_s.arg(parser.value(u"date"_s)) + toQString(faultText(InputFault::BadDate)));
    std::vector<NameVariant> variants;
    std::uint64_t refused = 0;
    if (parser.isSet(u"variants"_s)) {
        const QString fileName = parser.value(u"variants"_s);
        std::FILE *input = stdin;
        if (fileName != u"-"_s) {
            if (!isExactName(fileName))
                return failure(inexactNameText(fileName));
            input = std::fopen(QFile::encodeName(fileName).constData(), "rb");
            if (input == nullptr)
                return failure(u"%1: cannot open: %2"_s.arg(fileName, systemReason(errno)));
        }
        VariantInput reader(input, m_errors, date, m_foldAccents);
        const int status = reader.read(variants);
        if (input != stdin)
            std::fclose(input);
        if (status != Success)
            return status;
        refused = reader.refused();
    } else {
        std::array<std::vector<std::string>, 3> parts;
        const std::array<QString, 3> options = {u"first"_s, u"middle"_s, u"last"_s};
        for (std::size_t k = 0; k < parts.size(); ++k) {
            std::optional<std::vector<std::string>> alternatives = splitAlternatives(utf8(parser.value(options[k])));
            if (!alternatives)
                return usageError(u"--%1 '%2': an empty alternative; expected names apart by single bars, such as "
                                  "Jon|John"_s.arg(options[k], parser.value(options[k])));
            parts[k] = std::move(*alternatives);
        }
        std::size_t longest = 0;
        for (const std::vector<std::string> &alternatives : parts) {
            std::size_t part = 0;
            for (const std::string &alternative : alternatives)
                part = std::max(part, characterCount(alternative));
            longest += part;
        }
        if (longest > kMaxVariantNameLength)
            return usageError(u"the alternatives make a name of %1 characters; name variants take names of at most "
                              "%2 (first, middle and last together; --batch takes any length)"_s.arg(
                                  QString::number(longest), QString::number(kMaxVariantNameLength)));
        const std::uint64_t count = variantCount(parts[0].size(), parts[1].size(), parts[2].size());
        if (count > kMaxVariants)
            return usageError(u"the alternatives make %1 variants (%2 × %3 × %4); at most %5 are weighed"_s.arg(
                QString::number(count), QString::number(parts[0].size()), QString::number(parts[1].size()),
                QString::number(parts[2].size()), QString::number(kMaxVariants)));
        // In reading order: the last name varies fastest, the first slowest.
        variants.reserve(count);
        NameVariant variant;
        for (const std::string &first : parts[0]) {
            for (const std::string &middle : parts[1]) {
                for (const std::string &last : parts[2]) {
                    if (const InputFault fault = makeVariant({first, middle, last, date}, m_foldAccents, variant);
                        fault != InputFault::None) {
                        // Only a first or last name of spaces alone can be refused here.
                        printError(m_errors, faultText(fault));
                        return Failure;
                    }
                    variants.push_back(variant);
                }
            }
        }
    }
    const auto uncounted = std::ranges::count_if(variants, &hasUncounted);
    if (uncounted > 0)
        printError(m_errors, std::to_string(uncounted) + (uncounted == 1 ? " variant has" : " variants have")
                                 + " characters in a name that do not count: only the letters A–Z do");
    weighVariants(variants, *m_system, m_dateOfInterest, wishes);

    // Only the sheet and the text show the table; CSV and JSON go without it.
    const VariantTable table = !pdfFile.isEmpty() || (printTable && m_format == Format::Text)
        ? variantTable(variants, *m_system, wishes)
        : VariantTable{};
    if (!pdfFile.isEmpty()) {
        VariantSheet sheet;
        sheet.title = u"Velmora name variants"_s;
        if (!variants.empty() && std::ranges::all_of(variants, [&](const NameVariant &v) {
                return isoDateText(v.person) == isoDateText(variants.front().person);
            })) {
            const BirthData &person = variants.front().person;
            sheet.facts << u"Born "_s
                    + toQString(calendarDateText({person.BirthDay, person.BirthMonth, person.BirthYear}));
        }
        sheet.facts << u"System: "_s + toQString(m_system->name);
        QStringList wished;
        for (const std::string &text : wishes.texts())
            wished << toQString(text);
        sheet.facts << (wished.isEmpty() ? u"Wishes: none; every variant's Destiny is read below"_s
                                         : u"Wishes: "_s + wished.join(u"; "_s));
        for (const std::string &cell : table.head)
            sheet.head << toQString(cell);
        sheet.rows.reserve(table.rows.size());
        for (const std::vector<std::string> &row : table.rows) {
            QStringList cells;
            for (const std::string &cell : row)
                cells << toQString(cells.isEmpty() ? shortenedText(cell) : cell); // the name, shortened
            sheet.rows.push_back(std::move(cells));
        }
        sheet.readingsHeading = wishes.empty() ? u"The Destiny of each variant"_s
                                               : u"The Destiny of each matching variant"_s;
        sheet.readings = destinyReadings(variants, *m_system, m_dateOfInterest);
        if (const int status = writePdf(pdfFile, variantSheetPdf(sheet, localePageSize())); status != Success)
            return status;
    }
    int status = Success;
    if (printTable) {
        switch (m_format) {
        case Format::Json:
            status = writeAll(variantJson(variants, *m_system, wishes));
            break;
        case Format::Csv:
            if (!writeVariantCsv(m_output, variants, *m_system, wishes)) {
                printError(m_errors, "cannot write the output");
                status = Failure;
            }
            break;
        case Format::Text: {
            const std::string text = variantText(table);
            status = write(text.data(), text.size()) ? Success : Failure;
            break;
        }
        }
    }
    return status == Success && refused > 0 ? Failure : status;
}

} // namespace velmora
