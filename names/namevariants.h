// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "birthdata.h"
#include "calendardate.h"
#include "chart.h"
#include "numberid.h"
#include "personinput.h"
#include "system.h"

namespace velmora {

// More variants than this are not weighed: the table is a shortlist to read,
// and the PDF prints every row.
inline constexpr std::uint64_t kMaxVariants = 10'000;

// A variant's name, its first, middle and last names together, has at most
// this many characters, so that what the variants hold and print is bounded by
// their number (--batch takes names of any length).
inline constexpr std::size_t kMaxVariantNameLength = 1'000;

// The characters of the UTF-8 text: its code points, a stray byte as one.
[[nodiscard]] std::size_t characterCount(std::string_view text);

// Why a variant's name of that many characters is refused.
[[nodiscard]] std::string longNameText(std::size_t characters);

// One spelling of a name with the numbers it has under the system weighed.
struct NameVariant {
    // The names as written (trimmed), which the table shows.
    std::string first;
    std::string middle;
    std::string last;
    // The person as counted: the names folded when accents are folded.
    BirthData person;
    ChartNumbers numbers{};
    bool match = true;
};

// Fills the variant with the names as written and the person they make,
// counted with accents folded when asked; the fault the input page would
// find in them, or InputFault::None.
[[nodiscard]] InputFault makeVariant(const PersonFields &fields, bool fold, NameVariant &variant);

// The variant's full name as written: its parts apart by single spaces.
[[nodiscard]] std::string writtenName(const NameVariant &variant);

// Whether a name of the variant holds characters that do not count.
[[nodiscard]] bool hasUncounted(const NameVariant &variant);

// The alternatives of one name part written with |, each trimmed: "Jon|John"
// gives Jon and John, a name without | itself alone. Nothing when an
// alternative is empty (Jon||John, a | at either end, one of spaces only).
[[nodiscard]] std::optional<std::vector<std::string>> splitAlternatives(std::string_view text);

// How many variants the alternatives make, first × middle × last; the
// largest number it can hold where the product is larger still.
[[nodiscard]] std::uint64_t variantCount(std::size_t first, std::size_t middle, std::size_t last);

// The characters of the longest name the alternatives of the first, middle
// and last names make.
[[nodiscard]] std::size_t longestVariantName(const std::array<std::vector<std::string>, 3> &parts);

// Appends every spelling the alternatives make, first × middle × last, in
// reading order (the last name varies fastest, the first slowest), each born
// on the date (YYYY-MM-DD), counted with accents folded when asked. The fault
// of the first spelling refused (only a first or last name of spaces alone
// can be), with the spellings before it kept.
[[nodiscard]] InputFault combineVariants(const std::array<std::vector<std::string>, 3> &parts,
                                         const std::string &date, bool fold, std::vector<NameVariant> &variants);

// Whether a Karmic Debt met in this number is carried by the name (Destiny,
// Soul Urge, Personality), which another spelling may lose, rather than by the
// date of birth, which no spelling changes.
[[nodiscard]] bool isNameDebt(NumberId source);

// What the variants are weighed against: every --want and --no-debts. A
// variant matches when it meets every wish; with no wish every one does.
class VariantWishes
{
public:
    // One --want NUMBER=V[,V...] under the system: NUMBER a number's key
    // (destiny, soulUrge, lifePath ...) or its batch column (soul_urge ...)
    // that the system has, V the values it can take, or under a system with
    // compounds a compound number for a number that has one. False, with the
    // usage error's text in problem, when the wish cannot be met by any name.
    bool addWant(std::string_view text, const System &system, std::string *problem);
    // No Karmic Debt carried by the variant's name (isNameDebt). False, with
    // the problem, under a system that finds no Karmic Debts.
    bool addNoDebts(const System &system, std::string *problem);

    [[nodiscard]] bool empty() const { return m_wants.empty() && !m_noDebts; }
    [[nodiscard]] bool meets(const ChartNumbers &numbers) const;
    // The numbers wished for, in the order first asked, each once.
    [[nodiscard]] std::vector<NumberId> wantedNumbers() const;
    // The wishes in words, in order: "Destiny 6 or 8, Soul Urge 6"; empty without any.
    [[nodiscard]] std::string words() const;

private:
    struct Want {
        NumberId id;
        std::uint64_t roots = 0;     // bit v: the value v is wanted
        std::uint64_t compounds = 0; // bit v: the compound number v is wanted
    };
    std::vector<Want> m_wants;
    bool m_noDebts = false;
};

// Finds every variant's numbers under the system from its person, marks the
// ones that meet the wishes and puts them first, each group in the order given.
void weighVariants(std::vector<NameVariant> &variants, const System &system, const CalendarDate &dateOfInterest,
                   const VariantWishes &wishes);

// The values a number can take under the system: the numbers its readings
// are written for, from the lowest.
[[nodiscard]] std::vector<int> possibleValues(NumberId id, const System &system);

} // namespace velmora
