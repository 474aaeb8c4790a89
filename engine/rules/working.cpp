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

// The total and its digit sums; where a compound number was met, the sums
// end there and name it with its root.
std::string sumsText(const Reduction &reduction, int compound, bool explainRules)
{
    std::string text = decimal(reduction.sums.front());
    for (std::size_t i = 1; i < reduction.sums.size(); ++i) {
        if (compound != 0 && reduction.sums[i - 1] == compound)
            break;
        text += " → " + decimal(reduction.sums[i]);
    }
    if (compound != 0)
        return text + ": compound " + decimal(compound) + " → root " + decimal(reduction.sums.back());
    if (reduction.masterStop)
        text += " (master number, kept)";
    if (explainRules && reduction.masterTotalReduced)
        text += ": a master number counts only as a digit sum";
    return text;
}

// "month 7, day 15 → 6, year 1980 → 18 → 9": each figure with the digit sums
// that brought it down.
std::string reducedTermsText(const std::vector<WorkingTerm> &terms)
{
    std::string text;
    for (const WorkingTerm &term : terms) {
        text += (text.empty() ? "" : ", ") + term.label + " " + decimal(term.value);
        for (const std::int64_t sum : term.digitSums)
            text += " → " + decimal(sum);
    }
    return text;
}

std::string usedText(const std::vector<WorkingTerm> &terms)
{
    std::string text;
    for (const WorkingTerm &term : terms)
        text += (text.empty() ? "" : " + ") + decimal(term.used());
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

std::string mainText(const Working &working, bool explainRules)
{
    const std::string sums = sumsText(working.total, working.compound, explainRules);
    switch (working.kind) {
    case WorkingKind::Sum:
        if (working.terms.empty())
            return "no letters = 0";
        return termsText(working.terms) + " = " + sums;
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
    case WorkingKind::ReducedParts:
        if (working.terms.empty())
            return "no letters = 0";
        return reducedTermsText(working.terms) + ": " + usedText(working.terms) + " = " + sums;
    case WorkingKind::Digits:
        return "the digits " + usedText(working.terms) + " = " + sums;
    case WorkingKind::MostFrequentValues: {
        if (working.terms.empty())
            return "no letters = 0";
        std::string values;
        for (std::size_t i = 0; i < working.terms.size(); ++i)
            values += (i == 0 ? "" : i + 1 == working.terms.size() ? " and " : ", ") + decimal(working.terms[i].value);
        return "the value most letters carry: " + values + ", " + decimal(working.occurrences)
            + (working.occurrences == 1 ? " letter" : " letters") + (working.terms.size() > 1 ? " each" : "");
    }
    case WorkingKind::Carriers: {
        std::string letters;
        for (const WorkingTerm &term : working.terms)
            letters += (letters.empty() ? "" : " ") + term.label;
        return (letters.empty() ? "no letter" : letters) + " → " + decimal(working.result());
    }
    case WorkingKind::Debts: {
        if (working.terms.empty())
            return "none";
        std::string text;
        for (const WorkingTerm &term : working.terms) {
            text += (text.empty() ? "" : "; ") + decimal(term.used()) + " in " + term.label + " (" + decimal(term.value);
            for (const std::int64_t sum : term.digitSums)
                text += " → " + decimal(sum);
            text += ")";
        }
        return text;
    }
    }
    return {};
}


} // namespace

std::string workingText(const Working &working, bool explainRules)
{
    std::string text;
    for (const std::string &note : working.notes)
        text += note + "; ";
    return text + mainText(working, explainRules);
}

} // namespace velmora
