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

#include "birthdata.h"
#include "chart.h"
#include "karmicdebts.h"
#include "letters.h"
#include "personalcycles.h"
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

// Everything a formula reads: the person, the rules, the letters tallied once
// and the date of interest.
struct Inputs {
    const BirthData &person;
    const System &system;
    const LetterTally &letters;
    const CalendarDate &on;
};

// Destiny (every letter), Soul Urge (the vowels) and Personality (the
// consonants): the letters' values added and reduced as master numbers allow.
template<bool kKeep>
int nameNumber(const Inputs &in, Letters letters, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Sum);
    if constexpr (kKeep) {
        forEachLetter(
            in.person, in.system,
            [&](const CountedLetter &l) {
                if (counts(letters, l.vowel))
                    steps.letter(upperCase(l.letter), l.value);
            });
    }
    return steps.total(sumOf(in.letters.sums, letters), in.system.masterReduction);
}

// The named figures added, the total reduced by the rule.
template<bool kKeep>
int figureSum(std::initializer_list<Figure> figures, const ReductionRule &rule, Steps<kKeep> steps)
{
    steps.kind(WorkingKind::Sum);
    std::int64_t total = 0;
    for (const Figure &figure : figures) {
        steps.figure(figure);
        total += figure.value;
    }
    return steps.total(total, rule);
}

// Life Path: day + month + year of birth, reduced as master numbers allow.
template<bool kKeep>
int lifePath(const Inputs &in, Steps<kKeep> steps)
{
    const BirthData &p = in.person;
    return figureSum({{"day", p.BirthDay}, {"month", p.BirthMonth}, {"year", p.BirthYear}},
                     in.system.masterReduction, steps);
}

// Realization: Life Path + Destiny.
template<bool kKeep>
int realization(const Inputs &in, int lifePathNumber, int destinyNumber, Steps<kKeep> steps)
{
    return figureSum({{"Life Path", lifePathNumber}, {"Destiny", destinyNumber}}, in.system.masterReduction, steps);
}

// The pinnacles: month + day, day + year, the first two added, month + year.
template<bool kKeep>
int pinnacle(const Inputs &in, std::initializer_list<Figure> figures, Steps<kKeep> steps)
{
    return figureSum(figures, in.system.masterReduction, steps);
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
        forEachLetter(in.person, in.system, [&](const CountedLetter &l) { times += l.letter == letter ? 1 : 0; });
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
            in.person, in.system,
            [&](const CountedLetter &l) {
                char &first = firstLetter[static_cast<std::size_t>(l.value)];
                first = first == '\0' ? upperCase(l.letter) : first;
            });
        for (std::size_t value = 1; value <= 9; ++value)
            if (firstLetter[value] != '\0')
                steps.figure({std::string_view(&firstLetter[value], 1), static_cast<std::int64_t>(value)});
    }
    return steps.result(std::popcount(in.letters.values));
}

// Attitude: day + month.
template<bool kKeep>
int attitude(const Inputs &in, Steps<kKeep> steps)
{
    return figureSum({{"day", in.person.BirthDay}, {"month", in.person.BirthMonth}}, in.system.attitudeReduction,
                     steps);
}

// Birthday: the day of birth as it is.
template<bool kKeep>
int birthday(const Inputs &in, Steps<kKeep> steps)
{
    return figureSum({{"day", in.person.BirthDay}}, ReductionRule{false, 0, false}, steps);
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

} // namespace velmora::formulas
