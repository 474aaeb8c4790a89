// SPDX-License-Identifier: MIT
#include "variantoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <span>

#include "clidiagnostics.h"
#include "csvwriter.h"
#include "descriptors.h"
#include "enginetext.h"
#include "readingoutput.h"
#include "shortenedtext.h"

namespace velmora {
namespace {

constexpr std::string_view kCheckMark = "\u2713";

// Destiny, Soul Urge, Personality and the Karmic Debts where the system finds
// them, then every other number wished for, in the order asked.
std::vector<NumberId> shownNumbers(const System &system, const VariantWishes &wishes)
{
    std::vector<NumberId> ids = {NumberId::Destiny, NumberId::SoulUrge, NumberId::Personality};
    if (system.hasNumber(NumberId::KarmicDebts))
        ids.push_back(NumberId::KarmicDebts);
    for (const NumberId id : wishes.wantedNumbers()) {
        if (std::ranges::find(ids, id) == ids.end())
            ids.push_back(id);
    }
    return ids;
}

std::string spaced(std::span<const std::uint8_t> values)
{
    std::string text;
    for (const int value : values)
        text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
}

// "30/3" with a compound, else the number, or the list apart by spaces.
std::string numberCell(const NumberValue &number, bool listed)
{
    if (listed)
        return spaced(number.list());
    if (number.compound != 0)
        return std::to_string(number.compound) + '/' + std::to_string(number.value());
    return std::to_string(number.value());
}

bool sharesOneDate(const std::vector<NameVariant> &variants)
{
    return std::ranges::all_of(variants, [&](const NameVariant &variant) {
        const BirthData &a = variant.person;
        const BirthData &b = variants.front().person;
        return a.BirthDay == b.BirthDay && a.BirthMonth == b.BirthMonth && a.BirthYear == b.BirthYear;
    });
}

// The debts of the name (fromName) or of the date, each with the number it
// was met in: "13 (Destiny), 14 (Soul Urge)".
std::string debtsCell(const ChartNumbers &numbers, bool fromName)
{
    const NumberValue &debts = numbers[NumberId::KarmicDebts];
    std::string text;
    for (std::size_t k = 0; k < debts.count; ++k) {
        if (isNameDebt(numbers.debtSources[k]) != fromName)
            continue;
        text += (text.empty() ? "" : ", ") + std::to_string(debts.values[k]) + " ("
            + std::string(describe(numbers.debtSources[k]).name) + ')';
    }
    return text;
}

bool hasDateDebt(const NameVariant &variant)
{
    const ChartNumbers &numbers = variant.numbers;
    return std::ranges::any_of(std::span(numbers.debtSources.data(), numbers[NumberId::KarmicDebts].count),
                               [](NumberId source) { return !isNameDebt(source); });
}

} // namespace

VariantTable variantTable(const std::vector<NameVariant> &variants, const System &system,
                          const VariantWishes &wishes)
{
    const std::vector<NumberId> numbers = shownNumbers(system, wishes);
    const bool dates = !variants.empty() && !sharesOneDate(variants);
    VariantTable table;
    table.head.emplace_back("Name");
    if (dates)
        table.head.emplace_back("Born");
    // The debts of the date stand apart: no spelling changes them.
    const bool dateDebts = std::ranges::any_of(variants, &hasDateDebt);
    for (const NumberId id : numbers) {
        table.head.emplace_back(describe(id).name);
        if (id == NumberId::KarmicDebts && dateDebts)
            table.head.emplace_back("Debts of the Date");
    }
    if (!wishes.empty())
        table.head.emplace_back("Match");
    table.rows.reserve(variants.size());
    for (const NameVariant &variant : variants) {
        std::vector<std::string> row;
        row.reserve(table.head.size());
        row.push_back(writtenName(variant));
        if (dates)
            row.push_back(isoDateText(variant.person));
        for (const NumberId id : numbers) {
            if (id != NumberId::KarmicDebts) {
                row.push_back(numberCell(variant.numbers[id], shapeOf(system, id).list));
                continue;
            }
            row.push_back(debtsCell(variant.numbers, true));
            if (dateDebts)
                row.push_back(debtsCell(variant.numbers, false));
        }
        if (!wishes.empty())
            row.emplace_back(variant.match ? kCheckMark : "");
        table.rows.push_back(std::move(row));
    }
    if (!wishes.empty() && std::ranges::none_of(variants, &NameVariant::match))
        table.notes.emplace_back("No spelling meets every wish.");
    return table;
}

std::string variantText(const VariantTable &table)
{
    std::vector<std::size_t> widths;
    for (const std::string &cell : table.head)
        widths.push_back(displayWidth(cell));
    std::vector<std::vector<std::string>> shown;
    shown.reserve(table.rows.size());
    for (const std::vector<std::string> &row : table.rows) {
        std::vector<std::string> cells;
        for (std::size_t k = 0; k < row.size(); ++k) {
            // The name column is as wide as its widest name, which is shortened: memory and lines stay bounded.
            cells.push_back(k == 0 ? shortenedText(visibleText(row[k])) : visibleText(row[k]));
            widths[k] = std::max(widths[k], displayWidth(cells.back()));
        }
        shown.push_back(std::move(cells));
    }
    std::string text;
    const auto appendLine = [&](const std::vector<std::string> &cells) {
        std::string line;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            line += cells[k];
            if (k + 1 < cells.size())
                line.append(widths[k] - displayWidth(cells[k]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    };
    appendLine(table.head);
    for (const std::vector<std::string> &cells : shown)
        appendLine(cells);
    for (const std::string &note : table.notes)
        text += '\n' + note + '\n';
    return text;
}

bool writeVariantCsv(std::FILE *output, const std::vector<NameVariant> &variants, const System &system,
                     const VariantWishes &wishes)
{
    const std::vector<NumberId> numbers = shownNumbers(system, wishes);
    CsvWriter writer(output);
    for (const std::string_view column : {"first", "middle", "last", "date"})
        writer.field(column);
    for (const NumberId id : numbers) {
        const NumberShape shape = shapeOf(system, id);
        writer.field(shape.column);
        if (shape.compound)
            writer.field(shape.compoundColumn());
    }
    writer.field("match");
    writer.endRecord();
    for (const NameVariant &variant : variants) {
        writer.field(variant.first);
        writer.field(variant.middle);
        writer.field(variant.last);
        writer.field(isoDateText(variant.person));
        for (const NumberId id : numbers) {
            const NumberValue &number = variant.numbers[id];
            const NumberShape shape = shapeOf(system, id);
            if (shape.list)
                writer.field(spaced(number.list()));
            else
                writer.field(number.value());
            if (shape.compound) {
                if (number.compound != 0)
                    writer.field(number.compound);
                else
                    writer.field(std::string_view());
            }
        }
        writer.field(variant.match ? "yes" : "no");
        writer.endRecord();
    }
    return writer.flush() && std::fflush(output) == 0;
}

QByteArray variantJson(const std::vector<NameVariant> &variants, const System &system, const VariantWishes &wishes)
{
    const std::vector<NumberId> numbers = shownNumbers(system, wishes);
    // One object at a time, indented as the array's member it is: the whole
    // array as a QJsonArray held the names twice more (10,000 long names: 80 MB).
    QByteArray text = "[\n";
    for (const NameVariant &variant : variants) {
        QJsonObject object{
            {QStringLiteral("first"), toQString(variant.first)},
            {QStringLiteral("middle"), toQString(variant.middle)},
            {QStringLiteral("last"), toQString(variant.last)},
            {QStringLiteral("date"), toQString(isoDateText(variant.person))},
            {QStringLiteral("match"), variant.match},
        };
        for (const NumberId id : numbers) {
            const NumberValue &number = variant.numbers[id];
            const NumberShape shape = shapeOf(system, id);
            const QString key = toQString(shape.key);
            if (shape.list) {
                QJsonArray values;
                for (const int value : number.list())
                    values.append(value);
                object.insert(key, values);
            } else {
                object.insert(key, number.value());
            }
            if (shape.compound && number.compound != 0)
                object.insert(toQString(shape.compoundKey()), number.compound);
            if (id == NumberId::KarmicDebts) {
                // The number each debt was met in, as a person's JSON gives it.
                QJsonArray from;
                for (std::size_t k = 0; k < number.count; ++k)
                    from.append(toQString(describe(variant.numbers.debtSources[k]).key));
                object.insert(QStringLiteral("karmicDebtsFrom"), from);
            }
        }
        const QByteArray member = QJsonDocument(object).toJson(QJsonDocument::Indented);
        if (text.size() > 2)
            text += ",\n";
        for (qsizetype from = 0; from < member.size();) {
            const qsizetype end = member.indexOf('\n', from);
            text.append("    ").append(QByteArrayView(member).sliced(from, end - from));
            if (end + 1 < member.size())
                text += '\n';
            from = end + 1;
        }
    }
    text += text.size() > 2 ? "\n]\n" : "]\n";
    return text;
}

} // namespace velmora
