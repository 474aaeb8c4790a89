// SPDX-License-Identifier: MIT
#pragma once

// The formula of every number, each written once. A formula is evaluated
// either alone (kKeep false: the batch, the window's tabs) or with its working
// (kKeep true: --explain, the printed appendix); the working is recorded by
// the same lines that compute the number, so the two cannot part.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "calendardate.h"
#include "chart.h"
#include "karmicdebt.h"
#include "letters.h"
#include "planes.h"
#include "reduction.h"
#include "system.h"
#include "working.h"

namespace velmora::formulas {

// A named figure of a formula: "day" 15, "Destiny" 8.
struct Figure {
    std::string_view label;
    std::int64_t value = 0;
};

// Where a formula leaves its working: nowhere, or in a Working.
template<bool kKeep>
class Steps
{
public:
    static constexpr bool kKeeps = kKeep;

    explicit Steps(Working *working = nullptr)
        : m_working(working)
    {
    }

    void kind(WorkingKind kind)
    {
        if constexpr (kKeep)
            m_working->kind = kind;
    }
    void letter(char letter, int value)
    {
        if constexpr (kKeep)
            m_working->terms.push_back({std::string(1, letter), value, {}});
    }
    void figure(const Figure &figure)
    {
        if constexpr (kKeep)
            m_working->terms.push_back({std::string(figure.label), figure.value, {}});
    }
    // A figure brought down by the rule before it is used.
    std::int64_t reducedFigure(const Figure &figure, const ReductionRule &rule)
    {
        if constexpr (kKeep) {
            Reduction reduction = reduceWithSteps(figure.value, rule);
            const int reduced = reduction.result();
            reduction.sums.erase(reduction.sums.begin());
            m_working->terms.push_back({std::string(figure.label), figure.value, std::move(reduction.sums)});
            return reduced;
        } else {
            return reduce(figure.value, rule);
        }
    }
    // The total, reduced by the rule: the number.
    int total(std::int64_t total, const ReductionRule &rule)
    {
        if constexpr (kKeep) {
            m_working->total = reduceWithSteps(total, rule);
            return m_working->total.result();
        } else {
            return reduce(total, rule);
        }
    }
    // A number that is not a reduced total, such as a count.
    int result(int number)
    {
        if constexpr (kKeep)
            m_working->total = Reduction{{number}, false};
        return number;
    }
    void occurrences(int times)
    {
        if constexpr (kKeep)
            m_working->occurrences = times;
    }
    void compound(int number)
    {
        if constexpr (kKeep)
            m_working->compound = number;
    }
    // A decision of the rules; made into text only when the working is kept.
    template<typename Text>
    void note(Text &&text)
    {
        if constexpr (kKeep)
            m_working->notes.push_back(text());
    }
    // A term already brought down, such as a name part's sum.
    void reducedTerm(std::string_view label, std::int64_t value, const ReductionRule &rule)
    {
        if constexpr (kKeep) {
            Reduction reduction = reduceWithSteps(value, rule);
            reduction.sums.erase(reduction.sums.begin());
            m_working->terms.push_back({std::string(label), value, std::move(reduction.sums)});
        }
    }

private:
    Working *m_working;
};

enum class Letters : std::uint8_t { All, Vowels, Consonants };

inline bool counts(Letters letters, bool vowel)
{
    return letters == Letters::All || (letters == Letters::Vowels) == vowel;
}

inline std::int64_t sumOf(const LetterSums &sums, Letters letters)
{
    switch (letters) {
    case Letters::All:
        return sums.full;
    case Letters::Vowels:
        return sums.vowels;
    case Letters::Consonants:
        return sums.consonants;
    }
    return 0;
}

inline char upperCase(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// Everything a formula reads: the date of birth, the rules, the letters
// tallied once and the date of interest; the name itself only to show the
// working and for the Planes, which count letters by letter.
struct Inputs {
    CalendarDate born;
    NameParts names;
    const System &system;
    const LetterTally &letters;
    const CalendarDate &on;
};

// What a number was reduced from: the total its working shows, in which the
// Karmic Debts are sought, and the compound number beside it (0 where the
// system has none).
struct Origin {
    std::int64_t total = 0;
    int compound = 0;
};

// The total reduced by the rule, with its compound where the system has
// compounds: the number, and what it came from in origin.
template<bool kKeep>
int fromTotal(const Inputs &in, std::int64_t total, const ReductionRule &rule, Steps<kKeep> steps, Origin &origin)
{
    origin.total = total;
    origin.compound = 0;
    if (in.system.hasCompounds()) {
        origin.compound = velmora::compoundOf(total, in.system.compoundLow, in.system.compoundHigh);
        steps.compound(origin.compound);
    }
    return steps.total(total, rule);
}

// Why a Y counts as a vowel or a consonant, for the working.
inline std::string_view yPlaceText(YPlace place)
{
    switch (place) {
    case YPlace::AfterVowel:
        return "a consonant after a vowel";
    case YPlace::BeginningBeforeVowel:
        return "a consonant beginning the word before a vowel";
    case YPlace::AfterConsonant:
        return "a vowel after a consonant";
    case YPlace::BeginningOtherwise:
        return "a vowel beginning the word, not before a vowel";
    case YPlace::Charted:
        break;
    }
    return "as charted";
}

// Destiny (every letter), Soul Urge (the vowels) and Personality (the
// consonants): the letters' values added, or each part's (each word's) added
// and reduced first, and reduced as master numbers allow.
template<bool kKeep>
int nameNumber(const Inputs &in, Letters letters, Steps<kKeep> steps, Origin &origin)
{
    const System &system = in.system;
    const bool byParts = system.nameTotal == NameTotal::PartsReducedFirst;
    steps.kind(byParts ? WorkingKind::ReducedParts : WorkingKind::Sum);
    if constexpr (kKeep) {
        forEachWord(in.names, [&](std::string_view word) {
            std::string wordLetters;
            std::int64_t wordSum = 0;
            forEachLetter(NameParts{word, {}, {}}, system, [&](const CountedLetter &l) {
                if (l.y != YPlace::Charted && letters != Letters::All)
                    steps.note([&] { return "Y in " + std::string(word) + ": " + std::string(yPlaceText(l.y)); });
                if (!counts(letters, l.vowel))
                    return;
                if (byParts) {
                    wordLetters += (wordLetters.empty() ? "" : " ") + std::string(1, upperCase(l.letter))
                        + std::to_string(l.value);
                    wordSum += l.value;
                } else {
                    steps.letter(upperCase(l.letter), l.value);
                }
            });
            if (byParts && wordSum > 0) {
                steps.note([&] { return std::string(word) + ": " + wordLetters + " = " + std::to_string(wordSum); });
                steps.reducedTerm(word, wordSum, system.masterReduction);
            }
        });
    }
    const std::int64_t total = sumOf(byParts ? in.letters.partsReduced : in.letters.sums, letters);
    return fromTotal(in, total, system.masterReduction, steps, origin);
}

// The named figures added: the total.
template<bool kKeep>
std::int64_t added(std::initializer_list<Figure> figures, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Sum);
    std::int64_t total = 0;
    for (const Figure &figure : figures) {
        steps.figure(figure);
        total += figure.value;
    }
    return total;
}

// The named figures, each brought down by figureRule first, added: the total.
template<bool kKeep>
std::int64_t addedReduced(std::initializer_list<Figure> figures, const ReductionRule &figureRule, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::ReducedParts);
    std::int64_t total = 0;
    for (const Figure &figure : figures)
        total += steps.reducedFigure(figure, figureRule);
    return total;
}

// The named figures added, the total reduced by the rule.
template<bool kKeep>
int figureSum(std::initializer_list<Figure> figures, const ReductionRule &rule, Steps<kKeep> steps)
{
    return steps.total(added(figures, steps), rule);
}

// The named figures, each brought down by figureRule first, added, the total
// reduced by the rule.
template<bool kKeep>
int reducedFigureSum(std::initializer_list<Figure> figures, const ReductionRule &figureRule,
                     const ReductionRule &rule, Steps<kKeep> steps)
{
    return steps.total(addedReduced(figures, figureRule, steps), rule);
}

// Every digit of the date written DD MM YYYY, added: the total.
template<bool kKeep>
std::int64_t addedDigits(const CalendarDate &born, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Digits);
    std::int64_t total = 0;
    for (std::int64_t part : {std::int64_t{born.day} + 100, std::int64_t{born.month} + 100,
                              std::int64_t{born.year} + 10000}) {
        std::array<int, 4> digits{};
        std::size_t count = 0;
        for (; part >= 10; part /= 10)
            digits[count++] = static_cast<int>(part % 10);
        while (count > 0) {
            const int digit = digits[--count];
            steps.figure({{}, digit});
            total += digit;
        }
    }
    return total;
}

// Life Path: from the date of birth as the system forms its total (day +
// month + year, the three reduced first, or every digit), reduced as master
// numbers allow.
template<bool kKeep>
int lifePath(const Inputs &in, Steps<kKeep> steps, Origin &origin)
{
    const CalendarDate &born = in.born;
    const ReductionRule &rule = in.system.masterReduction;
    std::int64_t total = 0;
    switch (in.system.lifePathTotal) {
    case DateTotal::DayMonthYear:
        total = added({{"day", born.day}, {"month", born.month}, {"year", born.year}}, steps);
        break;
    case DateTotal::PartsReducedFirst:
        total = addedReduced({{"month", born.month}, {"day", born.day}, {"year", born.year}}, rule, steps);
        break;
    case DateTotal::Digits:
        total = addedDigits(born, steps);
        break;
    }
    return fromTotal(in, total, rule, steps, origin);
}

// Realization: Life Path + Destiny.
template<bool kKeep>
int realization(const Inputs &in, int lifePathNumber, int destinyNumber, Steps<kKeep> steps)
{
    return figureSum({{"Life Path", lifePathNumber}, {"Destiny", destinyNumber}}, in.system.masterReduction, steps);
}

// The pinnacles: month + day, day + year, month + year, each figure brought
// down first where the system says so; the third is the first two added.
template<bool kKeep>
int pinnacle(const Inputs &in, std::initializer_list<Figure> figures, Steps<kKeep> steps)
{
    if (in.system.pinnacleFigures.reduces)
        return reducedFigureSum(figures, in.system.pinnacleFigures, in.system.masterReduction, steps);
    return figureSum(figures, in.system.masterReduction, steps);
}

// Hidden Passion by value: every value 1-9 that the most letters carry.
template<bool kKeep>
void mostFrequentValues(const Inputs &in, Steps<kKeep> steps, NumberValue &passion)
{
    steps.kind(WorkingKind::MostFrequentValues);
    const auto &counts = in.letters.valueCounts;
    const std::uint32_t most = *std::max_element(counts.begin() + 1, counts.end());
    passion.count = 0;
    if (most == 0) {
        passion.set(steps.result(0));
        return;
    }
    for (int value = 1; value <= 9; ++value)
        if (counts[static_cast<std::size_t>(value)] == most) {
            passion.add(value);
            steps.figure({{}, value});
        }
    steps.occurrences(static_cast<int>(most));
    steps.result(passion.values[0]);
}

// Hidden Passion: the value of the letter that occurs most often.
template<bool kKeep>
int hiddenPassion(const Inputs &in, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::MostFrequent);
    const char letter = in.letters.mostFrequent;
    if (letter == '\0')
        return steps.result(0);
    const int value = in.system.letters.value(letter);
    if constexpr (kKeep) {
        int times = 0;
        forEachLetter(in.names, in.system, [&](const CountedLetter &l) { times += l.letter == letter ? 1 : 0; });
        steps.letter(letter, value);
        steps.occurrences(times);
    }
    return steps.result(value);
}

// Subconscious Self: how many of the values 1-9 the letters carry, each
// shown with the first letter that carries it.
template<bool kKeep>
int subconsciousSelf(const Inputs &in, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Count);
    if constexpr (kKeep) {
        std::array<char, 10> firstLetter{};
        forEachLetter(
            in.names, in.system,
            [&](const CountedLetter &l) {
                char &first = firstLetter[static_cast<std::size_t>(l.value)];
                first = first == '\0' ? upperCase(l.letter) : first;
            });
        for (std::size_t value = 1; value <= 9; ++value)
            if (firstLetter[value] != '\0')
                steps.figure({std::string_view(&firstLetter[value], 1), static_cast<std::int64_t>(value)});
    }
    return steps.result(in.letters.distinctValues);
}

// Attitude: day + month.
template<bool kKeep>
int attitude(const Inputs &in, Steps<kKeep> steps)
{
    return figureSum({{"day", in.born.day}, {"month", in.born.month}}, in.system.attitudeReduction,
                     steps);
}

// Birthday: the day of birth, as it is or brought down.
template<bool kKeep>
int birthday(const Inputs &in, Steps<kKeep> steps, Origin &origin)
{
    return fromTotal(in, added({{"day", in.born.day}}, steps), in.system.birthdayReduction, steps, origin);
}

// A challenge: two figures, each brought down to one digit first, the larger
// less the smaller.
template<bool kKeep>
int difference(const Figure &a, const Figure &b, const ReductionRule &rule, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Difference);
    const std::int64_t first = steps.reducedFigure(a, rule);
    const std::int64_t second = steps.reducedFigure(b, rule);
    return steps.result(static_cast<int>(std::abs(first - second)));
}

// The third challenge: the first two, as they are.
template<bool kKeep>
int challengeOfChallenges(int first, int second, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Difference);
    steps.figure({"Challenge 1", first});
    steps.figure({"Challenge 2", second});
    return steps.result(std::abs(first - second));
}

// The values 1-9 no letter carries; the working's result is how many.
template<bool kKeep>
std::uint16_t karmicLessons(const Inputs &in, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Missing);
    const auto missing = static_cast<std::uint16_t>(~in.letters.values & 0x3FEU);
    for (int value = 1; value <= 9; ++value)
        if ((missing & 1U << value) != 0)
            steps.figure({{}, value});
    if constexpr (kKeep)
        steps.result(std::popcount(missing));
    return missing;
}

// The Inclusion table: how many letters carry each value 1-9, as the tally
// counted them; the working of each value (stepsOf(value)) lists the letters
// that carry it, in the order of the name.
template<typename StepsOf>
void inclusion(const Inputs &in, std::array<std::uint32_t, 10> &counts, StepsOf &&stepsOf)
{
    counts = in.letters.valueCounts;
    if constexpr (decltype(stepsOf(std::size_t{1}))::kKeeps) {
        forEachLetter(in.names, in.system, [&](const CountedLetter &l) {
            stepsOf(static_cast<std::size_t>(l.value)).letter(upperCase(l.letter), l.value);
        });
        for (std::size_t value = 1; value <= 9; ++value) {
            auto steps = stepsOf(value);
            steps.kind(WorkingKind::Carriers);
            steps.result(static_cast<int>(counts[value]));
        }
    }
}

// The Planes of Expression: each plane's letters counted and their values
// added, the total reduced to one digit; the working of each plane
// (stepsOf(plane)) is its letters' sum.
template<typename StepsOf>
void planes(const Inputs &in, Planes &planes, StepsOf &&stepsOf)
{
    planes = {};
    forEachLetter(in.names, in.system, [&](const CountedLetter &l) {
        const std::size_t plane = indexOf(planeOf(l.letter));
        ++planes[plane].letters;
        planes[plane].total += l.value;
        stepsOf(plane).letter(upperCase(l.letter), l.value);
    });
    for (std::size_t plane = 0; plane < planes.size(); ++plane) {
        auto steps = stepsOf(plane);
        steps.kind(WorkingKind::Sum);
        planes[plane].number = steps.total(planes[plane].total, in.system.digitReduction);
    }
}

} // namespace velmora::formulas
