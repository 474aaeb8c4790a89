// SPDX-License-Identifier: MIT
#include "letters.h"

#include <algorithm>

namespace velmora {
namespace {

// Letters are counted case-sensitively, each in the slot of its distance
// from 'A': A-Z in 0-25, a-z in 32-57 (the six between stay empty).
constexpr std::size_t kLetterSlots = 'z' - 'A' + 1;

std::size_t letterSlot(char ch)
{
    return static_cast<std::size_t>(ch - 'A');
}

// Count holds how often one letter occurs, wide enough for every letter of
// the name. One walk in each: with the walks of both Y rules in one function
// the compiler picks the most frequent letter with a branch again (61 -> 78
// ns a tally).
template<typename Count, bool kYByPlace, bool kByWords>
LetterTally tally(const NameParts &names, const System &system)
{
    // Gathered in locals and put together at the end, so that the tally is
    // not cleared whole before the walk.
    LetterSums sums;
    LetterSums partsReduced;
    std::array<std::uint32_t, 10> valueCounts{};
    std::uint32_t others = 0;
    std::array<Count, kLetterSlots> counts{};
    // Each part's sums in locals, added when the part ends, and the values
    // present found from their counts at the end: fewer instructions a
    // batch row than either kept per letter (callgrind). Where the system
    // reduces each word first (kByWords), a part is a word, else a whole
    // field; fixed for the walk like the Y rule: 97.5 -> 94.0 ns the
    // numbers of a person (bench/run engine, median of 16 rounds).
    const ReductionRule &partRule = system.masterReduction;
    LetterSums part;
    // The most frequent letter, counted case-sensitively, the first of equals.
    // Walked backwards, a letter reaches its final count where it occurs
    // first, so of the letters that reach the highest count the last to do
    // so occurs first: found on the way, with no search after the walk:
    // 70 -> 61 ns a tally (measured as for the byte counts below).
    Count highest = 0;
    char mostFrequent = '\0';
    const auto onLetter = [&](const CountedLetter &letter) {
        part.full += letter.value;
        part.vowels += letter.vowel ? letter.value : 0;
        ++valueCounts[static_cast<std::size_t>(letter.value)];
        const Count count = ++counts[letterSlot(letter.letter)];
        mostFrequent = count >= highest ? letter.letter : mostFrequent;
        highest = count >= highest ? count : highest;
    };
    const auto endPart = [&] {
        sums.full += part.full;
        sums.vowels += part.vowels;
        if constexpr (kByWords) {
            partsReduced.full += reduce(part.full, partRule);
            partsReduced.vowels += reduce(part.vowels, partRule);
            partsReduced.consonants += reduce(part.full - part.vowels, partRule);
        }
        part = {};
    };
    const auto onOther = [&](char ch) {
        ++others;
        if (kByWords && endsWord(ch))
            endPart();
    };
    const auto onEnd = [&](std::size_t) { endPart(); };
    detail::walkLetters<kYByPlace, true>(names, system.letters, onLetter, onOther, onEnd);
    sums.consonants = sums.full - sums.vowels;
    // Counted here, not by std::popcount, which is a library call without -mpopcnt.
    std::uint16_t values = 0;
    std::uint8_t distinctValues = 0;
    for (std::size_t value = 1; value <= 9; ++value) {
        // 1 when the count is not 0 (then it or its negation has the top bit),
        // with no branch on what the name holds: 79 -> 70 ns a tally
        // (measured as for the byte counts below).
        const std::uint32_t count = valueCounts[value];
        const std::uint32_t present = (count | (0U - count)) >> 31;
        values = static_cast<std::uint16_t>(values | present << value);
        distinctValues = static_cast<std::uint8_t>(distinctValues + present);
    }
    return LetterTally{sums, partsReduced, values, distinctValues, valueCounts, mostFrequent, others};
}

template<bool kYByPlace, bool kByWords>
LetterTally tallyOf(const NameParts &names, const System &system)
{
    // A name of fewer than 256 bytes counts each letter in a byte, a quarter
    // of the room to clear: 90 -> 84 ns a tally (the 200,000 names of a
    // generated batch, tallied in a loop, least of 30 rounds). 32 bits hold
    // more letters than any name.
    const bool shortName = names[0].size() + names[1].size() + names[2].size() < 256;
    return shortName ? tally<std::uint8_t, kYByPlace, kByWords>(names, system)
                     : tally<std::uint32_t, kYByPlace, kByWords>(names, system);
}

} // namespace

LetterTally tallyLetters(const NameParts &names, const System &system)
{
    const bool yByPlace = system.y == YRule::ConsonantAfterOrBeginningBeforeVowel;
    if (system.nameTotal == NameTotal::PartsReducedFirst)
        return yByPlace ? tallyOf<true, true>(names, system) : tallyOf<false, true>(names, system);
    return yByPlace ? tallyOf<true, false>(names, system) : tallyOf<false, false>(names, system);
}

LetterTally tallyLetters(std::string_view text)
{
    return tallyLetters(NameParts{text, {}, {}}, classicSystem());
}

} // namespace velmora
