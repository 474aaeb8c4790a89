// SPDX-License-Identifier: MIT
#include "readingoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdio>

#include "clidiagnostics.h"
#include "clioptions.h"
#include "enginetext.h"
#include "morenumberstext.h"

namespace velmora {
namespace {

// The plain text of a reading, whichever part it belongs to.
std::string sectionText(const Chart &chart, const SectionDescriptor &section)
{
    return section.part == Part::Readings ? chart.reading(section.id).plainText() : textSection(chart, section.id).text;
}

QJsonObject sectionObject(const Chart &chart, const SectionDescriptor &section)
{
    QJsonObject object;
    if (section.listed || shapeOf(chart.system(), section.first).list) {
        QJsonArray numbers;
        for (std::size_t k = 0; k < section.count; ++k) {
            const auto id = static_cast<NumberId>(indexOf(section.first) + k);
            for (const int value : chart[id].list())
                numbers.append(value);
        }
        object.insert(QStringLiteral("numbers"), numbers);
    } else {
        object.insert(QStringLiteral("number"), chart.number(section.first));
    }
    if (const int compound = chart[section.first].compound; compound != 0)
        object.insert(QStringLiteral("compound"), compound);
    object.insert(QStringLiteral("text"), toQString(sectionText(chart, section)));
    if (section.layout == Layout::PersonalYear)
        object.insert(QStringLiteral("year"), chart.dateOfInterest().year);
    if (section.layout == Layout::Debts) {
        QJsonArray from;
        for (std::size_t i = 0; i < chart[section.first].count; ++i)
            from.append(toQString(describe(chart.numbers().debtSources[i]).key));
        object.insert(QStringLiteral("from"), from);
    }
    return object;
}

} // namespace

void appendCaption(std::string &text, std::string_view caption, char rule)
{
    text.append(caption).push_back('\n');
    text.append(caption.size(), rule).push_back('\n');
}

QJsonObject personObject(const BirthData &data)
{
    return {
        {QStringLiteral("first"), toQString(data.FirstName)},
        {QStringLiteral("middle"), toQString(data.MiddleName)},
        {QStringLiteral("last"), toQString(data.LastName)},
        {QStringLiteral("date"), toQString(isoDateText(data))},
    };
}

std::string isoDateText(const BirthData &data)
{
    std::array<char, 32> text{};
    const int length = std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", data.BirthYear, data.BirthMonth,
                                     data.BirthDay);
    return {text.data(), static_cast<std::size_t>(length)};
}

std::string readingsText(const Chart &chart)
{
    std::string text;
    for (const SectionDescriptor &section : sectionsOf(Part::Readings)) {
        if (!chart.shows(section.id))
            continue;
        if (!text.empty())
            text.push_back('\n');
        appendCaption(text, section.caption, '-');
        text.append(chart.reading(section.id).plainText()).push_back('\n');
    }
    return text;
}

std::string moreNumbersText(const Chart &chart)
{
    std::string text;
    appendCaption(text, kMoreNumbersTitle, '=');
    for (const SectionDescriptor &section : sectionsOf(Part::MoreNumbers)) {
        if (!chart.shows(section.id))
            continue;
        const TextSection reading = textSection(chart, section.id);
        text.push_back('\n');
        appendCaption(text, reading.heading, '-');
        text.append(reading.text).push_back('\n');
    }
    return text;
}

namespace {

// The counts of the values 1-9 as a grid of three rows (1 4 7, 2 5 8, 3 6 9);
// a value no letter of the chart carries has its cell left blank.
void appendCountsGrid(std::string &text, const std::array<std::uint32_t, 10> &counts, const LetterChart &letters)
{
    std::size_t width = 1;
    for (std::size_t value = 1; value <= 9; ++value)
        width = std::max(width, std::to_string(counts[value]).size());
    const std::string rule = "+" + std::string(width + 5, '-');
    const std::string border = rule + rule + rule + "+\n";
    text.append(border);
    for (std::size_t row = 1; row <= 3; ++row) {
        for (std::size_t value = row; value <= 9; value += 3) {
            // The dash is one column wide, as a digit is.
            const bool charted = letters.carries(static_cast<int>(value));
            const std::string count = !charted ? " " : counts[value] == 0 ? "–" : std::to_string(counts[value]);
            const std::size_t shown = counts[value] == 0 ? 1 : count.size();
            text.append("| ").append(std::to_string(value)).append(": ");
            text.append(width - shown, ' ').append(count).append(" ");
        }
        text.append("|\n").append(border);
    }
}

} // namespace

std::string letterChartsText(const Chart &chart)
{
    std::string text;
    for (const ElementDescriptor &element : elementDescriptors()) {
        if (!text.empty())
            text.push_back('\n');
        appendCaption(text, element.title, '-');
        text.append(elementExplanation(chart, element)).append("\n");
        switch (element.layout) {
        case ElementLayout::ValueCounts:
            text.push_back('\n');
            appendCountsGrid(text, chart.inclusion(), chart.system().letters);
            break;
        case ElementLayout::Planes:
            for (const PlaneDescriptor &plane : planeDescriptors()) {
                const PlaneValue &value = chart.plane(plane.plane);
                text.append("\n").append(planeSummary(plane.plane, value)).append("\n");
                text.append(planeReading(plane.plane, value)).append("\n");
            }
            break;
        }
    }
    return text;
}

std::string workingsText(const Chart &chart, const CliOptions &options)
{
    const bool nameSystem = options.systemNamed;
    std::string text;
    appendCaption(text, kWorkingTitle, '=');
    if (nameSystem)
        text.append(systemLine(chart.system())).append("\n\n");
    for (const std::string &line : workingLines(chart, nameSystem))
        text.append(line).push_back('\n');
    return text;
}

namespace {

// A chart element in JSON: the nine counts, value 1 first, null for a value
// no letter of the chart carries; or an object for each plane.
QJsonArray elementArray(const Chart &chart, const ElementDescriptor &element)
{
    QJsonArray array;
    switch (element.layout) {
    case ElementLayout::ValueCounts:
        for (std::size_t value = 1; value <= 9; ++value)
            array.append(chart.system().letters.carries(static_cast<int>(value))
                             ? QJsonValue(static_cast<qint64>(chart.inclusion()[value]))
                             : QJsonValue(QJsonValue::Null));
        break;
    case ElementLayout::Planes:
        for (const PlaneDescriptor &plane : planeDescriptors()) {
            const PlaneValue &value = chart.plane(plane.plane);
            array.append(QJsonObject{{QStringLiteral("plane"), toQString(plane.key)},
                                     {QStringLiteral("letters"), value.letters},
                                     {QStringLiteral("total"), static_cast<qint64>(value.total)},
                                     {QStringLiteral("number"), value.number},
                                     {QStringLiteral("text"), toQString(planeReading(plane.plane, value))}});
        }
        break;
    }
    return array;
}

} // namespace

QJsonObject chartObject(const Chart &chart, const CliOptions &options)
{
    const bool nameSystem = options.systemNamed;
    QJsonObject root;
    root.insert(QStringLiteral("input"), personObject(chart.person()));
    if (nameSystem)
        root.insert(QStringLiteral("system"), toQString(chart.system().key));
    for (const SectionDescriptor &section : sectionDescriptors())
        if (chart.shows(section.id))
            root.insert(toQString(section.jsonKey), sectionObject(chart, section));
    for (const ElementDescriptor &element : elementDescriptors())
        root.insert(toQString(element.key), elementArray(chart, element));
    if (options.explain) {
        QJsonObject working;
        for (const NumberDescriptor &number : numberDescriptors())
            if ((number.worked || nameSystem) && chart[number.id].defined)
                working.insert(toQString(number.key), toQString(workingText(chart.working(number.id), nameSystem)));
        root.insert(QStringLiteral("working"), working);
    }
    return root;
}

} // namespace velmora
