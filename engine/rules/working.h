// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "numberid.h"
#include "reduction.h"

namespace velmora {

enum class WorkingKind : std::uint8_t {
    Sum,          // the terms added up, then reduced
    Difference,   // two terms, each reduced first; the larger less the smaller
    Count,        // how many values 1-9 the letters carry
    MostFrequent, // the chart value of the letter that occurs most often
    Missing,      // the values 1-9 no letter carries; the result is how many
    ReducedParts, // the terms each reduced first, then added and reduced
    Digits,       // every digit of the date added, then reduced
    MostFrequentValues, // the values 1-9 that the most letters carry
    Debts,        // the totals a Karmic Debt was met in, each down to it
    Carriers,     // the letters that carry one value; the result is how many
};

struct WorkingTerm {
    // A letter as it counts, upper-cased ("J"), or the name of a figure
    // ("day", "Destiny"). Most frequent letter: the letter as it occurs.
    std::string label;
    std::int64_t value = 0;
    // The digit sums that reduce the value before it is used.
    std::vector<std::int64_t> digitSums;

    [[nodiscard]] std::int64_t used() const { return digitSums.empty() ? value : digitSums.back(); }
};

// How one number was obtained, as the formula that found it recorded it.
struct Working {
    NumberId number = NumberId::Destiny;
    WorkingKind kind = WorkingKind::Sum;
    std::vector<WorkingTerm> terms;
    // Sum: the total and its digit sums. Other kinds: one entry, the number.
    Reduction total;
    int occurrences = 0; // MostFrequent: how often the letter occurs; MostFrequentValues: the letters each
    int compound = 0;    // the compound number met on the way down, or 0
    // The rule's decisions that the working shows before the sums, such as
    // "Y in Lynn: a vowel after a consonant".
    std::vector<std::string> notes;

    [[nodiscard]] int result() const { return total.result(); }
};

// One line of plain text, such as "J1 O6 H8 N5 S1 M4 I9 T2 H8 = 44 → 8" or
// "month 9 + day 20 = 29 → 11 (master number, kept)".
// With explainRules, a master number reduced as a starting total says why.
[[nodiscard]] std::string workingText(const Working &working, bool explainRules = false);

} // namespace velmora
