// SPDX-License-Identifier: MIT
#include "working.h"

#include <array>
#include <cassert>
#include <cstdlib>
#include <utility>

#include "letters.h"

namespace velmora {
namespace {

struct WorkedNumberNames {
    std::string_view name;
    std::string_view key;
};

constexpr std::array<WorkedNumberNames, kWorkedNumberCount> kNames = {{
    {"Destiny", "destiny"},
    {"Personality", "personality"},
    {"Soul Urge", "soulUrge"},
    {"Realization", "realization"},
    {"Pinnacle 1", "pinnacle1"},
    {"Pinnacle 2", "pinnacle2"},
    {"Pinnacle 3", "pinnacle3"},
    {"Pinnacle 4", "pinnacle4"},
    {"Hidden Passion", "hiddenPassion"},
    {"Subconscious Self", "subconsciousSelf"},
    {"Attitude", "attitude"},
    {"Life Path", "lifePath"},
    {"Birthday", "birthday"},
    {"Challenge 1", "challenge1"},
    {"Challenge 2", "challenge2"},
    {"Challenge 3", "challenge3"},
    {"Challenge 4", "challenge4"},
    {"Personal Year", "personalYear"},
    {"Personal Month", "personalMonth"},
    {"Personal Day", "personalDay"},
    {"Karmic Lessons", "karmicLessons"},
}};

enum class Letters { All, Vowels, Consonants };

std::array<std::string_view, 3> nameParts(const BirthData &data)
{
    return {data.FirstName, data.MiddleName, data.LastName};
}

char upper(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

Working letterSum(WorkedNumber number, const BirthData &data, Letters letters)
{
    Working working{number, WorkingKind::Sum, {}, {}, 0};
    std::int64_t total = 0;
    for (const std::string_view part : nameParts(data))
        for (const char ch : part) {
            const LetterInfo info = LetterValue(ch);
            const bool counts = info.value > 0
                && (letters == Letters::All || (letters == Letters::Vowels) == info.vowel);
            if (!counts)
                continue;
            working.terms.push_back({std::string(1, upper(ch)), info.value, {}});
            total += info.value;
        }
    working.total = reduceWithSteps(total, true);
    return working;
}

Working figureSum(WorkedNumber number, std::vector<WorkingTerm> terms, bool masterNumbers)
{
    std::int64_t total = 0;
    for (const WorkingTerm &term : terms)
        total += term.value;
    return {number, WorkingKind::Sum, std::move(terms), reduceWithSteps(total, masterNumbers), 0};
}

WorkingTerm figure(std::string_view label, std::int64_t value)
{
    return {std::string(label), value, {}};
}

// A figure reduced without master numbers before a challenge uses it.
WorkingTerm reducedFigure(std::string_view label, std::int64_t value)
{
    Reduction reduction = reduceWithSteps(value, false);
    reduction.sums.erase(reduction.sums.begin());
    return {std::string(label), value, std::move(reduction.sums)};
}

Working difference(WorkedNumber number, WorkingTerm a, WorkingTerm b)
{
    const std::int64_t result = std::abs(a.used() - b.used());
    return {number, WorkingKind::Difference, {std::move(a), std::move(b)}, Reduction{{result}, false}, 0};
}

// The most frequent letter, counted case-sensitively; among equally frequent
// letters the one that occurs first.
Working mostFrequentLetter(const BirthData &data)
{
    std::array<int, 256> counts{};
    std::string name;
    for (const std::string_view part : nameParts(data))
        for (const char ch : part)
            if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) {
                ++counts[static_cast<unsigned char>(ch)];
                name.push_back(ch);
            }
    Working working{WorkedNumber::HiddenPassion, WorkingKind::MostFrequent, {}, Reduction{{0}, false}, 0};
    char best = '\0';
    for (const char ch : name)
        if (counts[static_cast<unsigned char>(ch)] > working.occurrences) {
            best = ch;
            working.occurrences = counts[static_cast<unsigned char>(ch)];
        }
    if (best != '\0') {
        const int value = LetterValue(best).value;
        working.terms.push_back({std::string(1, best), value, {}});
        working.total.sums = {value};
    }
    return working;
}

// The values present, each with the first letter that carries it, or the
// values missing.
Working valuesOfLetters(const BirthData &data, bool missing)
{
    std::array<char, 10> firstLetter{};
    for (const std::string_view part : nameParts(data))
        for (const char ch : part) {
            const auto value = static_cast<std::size_t>(LetterValue(ch).value);
            if (value > 0 && firstLetter[value] == '\0')
                firstLetter[value] = upper(ch);
        }
    Working working{missing ? WorkedNumber::KarmicLessons : WorkedNumber::SubconsciousSelf,
                    missing ? WorkingKind::Missing : WorkingKind::Count, {}, {}, 0};
    for (int value = 1; value <= 9; ++value) {
        const char letter = firstLetter[static_cast<std::size_t>(value)];
        const bool present = letter != '\0';
        if (present != missing)
            working.terms.push_back({missing ? std::string() : std::string(1, letter), value, {}});
    }
    working.total.sums = {static_cast<std::int64_t>(working.terms.size())};
    return working;
}

std::string decimal(std::int64_t n)
{
    return std::to_string(n);
}

bool isLetterTerm(const WorkingTerm &term)
{
    return term.label.size() == 1 && LetterValue(term.label.front()).value > 0;
}

// A figure as the working names it: "day 15", and another number with its
// value in brackets, "Pinnacle 1 (4)", so that the two never read as one
// number (14).
std::string figureText(const WorkingTerm &term)
{
    const bool number = !term.label.empty() && term.label.front() >= 'A' && term.label.front() <= 'Z';
    return term.label + (number ? " (" + decimal(term.value) + ")" : " " + decimal(term.value));
}

std::string termsText(const std::vector<WorkingTerm> &terms)
{
    std::string text;
    for (const WorkingTerm &term : terms) {
        if (isLetterTerm(term)) {
            text += (text.empty() ? "" : " ") + term.label + decimal(term.value);
        } else {
            text += (text.empty() ? "" : " + ") + figureText(term);
        }
    }
    return text;
}

std::string sumsText(const Reduction &reduction)
{
    std::string text = decimal(reduction.sums.front());
    for (std::size_t i = 1; i < reduction.sums.size(); ++i)
        text += " → " + decimal(reduction.sums[i]);
    if (reduction.masterStop)
        text += " (master number, kept)";
    return text;
}

std::string listText(const std::vector<WorkingTerm> &terms, bool withLetters)
{
    if (terms.empty())
        return "none";
    std::string text;
    for (const WorkingTerm &term : terms) {
        text += (text.empty() ? "" : ", ") + decimal(term.value);
        if (withLetters)
            text += " (" + term.label + ")";
    }
    return text;
}

} // namespace

std::string_view workedNumberName(WorkedNumber number)
{
    return kNames[static_cast<std::size_t>(number)].name;
}

std::string_view workedNumberKey(WorkedNumber number)
{
    return kNames[static_cast<std::size_t>(number)].key;
}

std::vector<Working> WorkingsOf(const BirthData &data, const CalendarDate &dateOfInterest)
{
    assert(hasValidDate(data) && isRealDate(dateOfInterest.day, dateOfInterest.month, dateOfInterest.year));
    using enum WorkedNumber;
    const std::int64_t day = data.BirthDay;
    const std::int64_t month = data.BirthMonth;
    const std::int64_t year = data.BirthYear;

    std::vector<Working> w;
    w.reserve(kWorkedNumberCount);
    w.push_back(letterSum(Destiny, data, Letters::All));
    w.push_back(letterSum(Personality, data, Letters::Consonants));
    w.push_back(letterSum(SoulUrge, data, Letters::Vowels));
    const Working lifePath = figureSum(LifePath, {figure("day", day), figure("month", month), figure("year", year)}, true);
    w.push_back(figureSum(Realization, {figure("Life Path", lifePath.result()), figure("Destiny", w[0].result())}, true));
    w.push_back(figureSum(Pinnacle1, {figure("month", month), figure("day", day)}, true));
    w.push_back(figureSum(Pinnacle2, {figure("day", day), figure("year", year)}, true));
    w.push_back(figureSum(Pinnacle3, {figure("Pinnacle 1", w[4].result()), figure("Pinnacle 2", w[5].result())}, true));
    w.push_back(figureSum(Pinnacle4, {figure("month", month), figure("year", year)}, true));
    w.push_back(mostFrequentLetter(data));
    w.push_back(valuesOfLetters(data, false));
    w.push_back(figureSum(Attitude, {figure("day", day), figure("month", month)}, false));
    w.push_back(lifePath);
    w.push_back({Birthday, WorkingKind::Sum, {figure("day", day)}, Reduction{{day}, false}, 0});
    w.push_back(difference(Challenge1, reducedFigure("month", month), reducedFigure("day", day)));
    w.push_back(difference(Challenge2, reducedFigure("day", day), reducedFigure("year", year)));
    w.push_back(difference(Challenge3, figure("Challenge 1", w[13].result()), figure("Challenge 2", w[14].result())));
    w.push_back(difference(Challenge4, reducedFigure("month", month), reducedFigure("year", year)));
    w.push_back(figureSum(PersonalYear,
                          {figure("birth day", day), figure("birth month", month), figure("year", dateOfInterest.year)},
                          false));
    w.push_back(figureSum(PersonalMonth, {figure("Personal Year", w[17].result()), figure("month", dateOfInterest.month)},
                          false));
    w.push_back(figureSum(PersonalDay, {figure("Personal Month", w[18].result()), figure("day", dateOfInterest.day)},
                          false));
    w.push_back(valuesOfLetters(data, true));
    assert(w.size() == kWorkedNumberCount);
    return w;
}

std::string workingText(const Working &working)
{
    switch (working.kind) {
    case WorkingKind::Sum:
        if (working.terms.empty())
            return "no letters = 0";
        return termsText(working.terms) + " = " + sumsText(working.total);
    case WorkingKind::Difference: {
        std::string text;
        for (const WorkingTerm &term : working.terms) {
            text += (text.empty() ? "" : ", ") + figureText(term);
            for (const std::int64_t sum : term.digitSums)
                text += " → " + decimal(sum);
        }
        assert(working.terms.size() == 2);
        return text + ": |" + decimal(working.terms[0].used()) + " − " + decimal(working.terms[1].used())
            + "| = " + decimal(working.result());
    }
    case WorkingKind::Count:
        return "values present: " + listText(working.terms, true) + " = " + decimal(working.result());
    case WorkingKind::MostFrequent:
        if (working.terms.empty())
            return "no letters = 0";
        return "most frequent letter: " + working.terms[0].label + ", " + decimal(working.occurrences)
            + (working.occurrences == 1 ? " time; " : " times; ") + std::string(1, upper(working.terms[0].label[0]))
            + " = " + decimal(working.result());
    case WorkingKind::Missing:
        return "values no letter carries: " + listText(working.terms, false);
    }
    return {};
}

} // namespace velmora
