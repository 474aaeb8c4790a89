// SPDX-License-Identifier: MIT
#include "morenumberstext.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "chaldeantexts.h"
#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 4> kOrdinals = {"First", "Second", "Third", "Fourth"};

std::string number(int value)
{
    return std::to_string(value);
}

// The explanation, then the paragraphs given.
std::string withExplanation(std::string_view explanation, std::string_view body)
{
    std::string text(explanation);
    text.append("\n\n").append(body);
    return text;
}

std::string withExplanation(const ReadingTable &table, std::string_view body)
{
    return withExplanation(table.explanation, body);
}

TextSection single(const Chart &chart, const SectionDescriptor &section, std::string heading, int value)
{
    const ReadingTable &table = chart.table(section.id);
    TextSection text{std::move(heading) + ": " + number(value),
                     withExplanation(chart.explanation(section.id), paragraphFor(table, value))};
    if (const CompoundReading *compound = chaldeanCompound(chart[section.first].compound)) {
        text.heading += " (compound " + number(compound->number) + ")";
        text.text += "\n\n" + std::string(kCompoundHeading) + number(compound->number) + ", "
            + std::string(compound->title) + ": " + std::string(compound->text);
    }
    return text;
}

TextSection challengesSection(const Chart &chart, const SectionDescriptor &section)
{
    std::string numbers;
    std::string body;
    for (std::size_t i = 0; i < section.count; ++i) {
        const int challenge = chart.numbers().values[indexOf(section.first) + i].value();
        numbers += (i == 0 ? "" : ", ") + number(challenge);
        body += (i == 0 ? "" : "\n\n") + std::string(kOrdinals[i]) + " challenge, " + agesText(chart.periods()[i])
            + ": " + number(challenge) + "\n" + std::string(paragraphFor(section.table(), challenge));
    }
    return {std::string(section.caption) + ": " + numbers, withExplanation(section.table(), body)};
}

TextSection lessonsSection(const Chart &chart, const SectionDescriptor &section)
{
    std::string numbers;
    std::string body;
    for (const int lesson : chart[section.first].list()) {
        numbers += (numbers.empty() ? "" : ", ") + number(lesson);
        body += (body.empty() ? "" : "\n") + number(lesson) + ": " + std::string(paragraphFor(section.table(), lesson));
    }
    if (numbers.empty()) {
        numbers = "none";
        body = "The letters of your name carry every value from 1 to 9, so no lesson is missing.";
    }
    return {std::string(section.caption) + ": " + numbers, withExplanation(section.table(), body)};
}

TextSection debtsSection(const Chart &chart, const SectionDescriptor &section)
{
    const NumberValue &debts = chart[section.first];
    std::string numbers;
    std::string body;
    std::vector<int> explained;
    for (std::size_t i = 0; i < debts.count; ++i) {
        const int debt = debts.values[i];
        numbers += (numbers.empty() ? "" : ", ") + number(debt) + " ("
            + std::string(describe(chart.numbers().debtSources[i]).name) + ")";
        if (std::ranges::find(explained, debt) != explained.end())
            continue;
        explained.push_back(debt);
        body += (body.empty() ? "" : "\n\n") + std::string(paragraphFor(section.table(), debt));
    }
    if (numbers.empty()) {
        numbers = "none";
        // Under a system that searches the birth day too, the text says so.
        body = std::string("No total on the way to your Destiny, Soul Urge, Personality or Life Path number")
            + (chart.system().birthdayDebt ? ", nor the day you were born," : "")
            + " is 13, 14, 16 or 19, so you carry no debt.";
    }
    return {std::string(section.caption) + ": " + numbers, withExplanation(section.table(), body)};
}

// A row of a chart element as its working names it: "Inclusion 1", "Physical plane".
std::string rowLabel(const ElementDescriptor &element, std::size_t row)
{
    switch (element.layout) {
    case ElementLayout::ValueCounts:
        return std::string(element.title) + " " + number(static_cast<int>(row) + 1);
    case ElementLayout::Planes:
        return std::string(planeDescriptors()[row].name) + " plane";
    }
    return {};
}

} // namespace

std::string agesText(const AgeRange &ages)
{
    if (ages.to == AgeRange::kOnward)
        return "ages " + number(ages.from) + " onward";
    return "ages " + number(ages.from) + " to " + number(ages.to);
}

std::string elementExplanation(const Chart &chart, const ElementDescriptor &element)
{
    std::string text(element.explanation());
    if (element.layout != ElementLayout::ValueCounts)
        return text;
    std::vector<std::string> uncharted;
    for (int value = 1; value <= 9; ++value)
        if (!chart.system().letters.carries(value))
            uncharted.push_back(number(value));
    if (uncharted.empty())
        return text;
    std::string values;
    for (std::size_t i = 0; i < uncharted.size(); ++i)
        values += (i == 0 ? "" : i + 1 == uncharted.size() ? " or " : ", ") + uncharted[i];
    const bool one = uncharted.size() == 1;
    return text + " No letter of the " + std::string(chart.system().name) + " chart carries " + values + ", so "
        + (one ? values + " is" : "they are") + " not on the chart: " + (one ? "it is" : "they are")
        + " no value you have yet to develop, for no name can carry " + (one ? "it." : "them.");
}

std::string calendarDateText(const CalendarDate &date)
{
    return number(date.day) + " " + std::string(monthName(date.month)) + " " + number(date.year);
}

TextSection textSection(const Chart &chart, SectionId id)
{
    const SectionDescriptor &section = describe(id);
    assert(section.part == Part::MoreNumbers);
    const CalendarDate &date = chart.dateOfInterest();
    const std::string caption(section.caption);
    const int value = chart.number(section.first);
    switch (section.layout) {
    case Layout::Single:
        return single(chart, section, caption, value);
    case Layout::PersonalYear:
        return single(chart, section, caption + " " + number(date.year), value);
    case Layout::PersonalMonth:
        return single(chart, section, caption + ", " + std::string(monthName(date.month)) + " " + number(date.year), value);
    case Layout::PersonalDay:
        return single(chart, section, caption + ", " + calendarDateText(date), value);
    case Layout::Challenges:
        return challengesSection(chart, section);
    case Layout::Lessons:
        return lessonsSection(chart, section);
    case Layout::Debts:
        return debtsSection(chart, section);
    case Layout::Standard:
    case Layout::Pinnacles:
        break;
    }
    assert(false && "not a section of the part More numbers");
    return {};
}

std::vector<std::string> workingLines(const Chart &chart, bool explainRules)
{
    assert(chart.hasWorking());
    std::vector<std::string> lines;
    for (const NumberDescriptor &number : numberDescriptors()) {
        if ((number.worked || explainRules) && chart[number.id].defined)
            lines.push_back(std::string(number.name) + ": " + workingText(chart.working(number.id), explainRules));
    }
    // Each chart element's rows: the letters behind each count of the
    // Inclusion table, then each plane's letters and sum.
    for (const ElementDescriptor &element : elementDescriptors())
        for (std::size_t row = 0; row < element.rows; ++row)
            lines.push_back(rowLabel(element, row) + ": " + workingText(chart.working(element.id, row)));
    return lines;
}

std::string systemLine(const System &system)
{
    return "Numerology system: " + std::string(system.name) + ". " + std::string(system.rules);
}

} // namespace velmora
