// SPDX-License-Identifier: MIT
#include "working.h"

#include <cassert>

#include "letters.h"

namespace velmora {
namespace {

char upper(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
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
