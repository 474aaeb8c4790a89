// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "birthdata.h"
#include "reduction.h"
#include "system.h"

namespace velmora {

struct LetterInfo {
    int value = 0; // 1-9, or 0 for a character outside A-Z
    bool vowel = false;
};

// The classic letter chart: A J S 1, B K T 2, ... I R 9, after upper-casing;
// the vowels are exactly A E I O U, so Y and W count as consonants. Any other
// character (space, hyphen, digit, accented letter, a byte of a UTF-8
// sequence) has no value.
[[nodiscard]] inline LetterInfo LetterValue(char ch)
{
    const LetterChart &chart = classicSystem().letters;
    return {chart.value(ch), chart.isVowel(ch)};
}

// The first, middle and last name, in order.
using NameParts = std::array<std::string_view, 3>;

// The three parts of a name, in order, without building the name string.
[[nodiscard]] inline NameParts nameParts(const BirthData &data)
{
    return {data.FirstName, data.MiddleName, data.LastName};
}

// A space, a hyphen or a full stop ends a word of a name. An apostrophe
// does not: O'Brien is one word, as it is one name. Where a system reduces
// each part of a name first, each word is a part, so "Mary Ann" as the first
// name counts as two parts, and so does a hyphenated name: Smith-Jones is
// worked out as Smith and Jones, as practitioners count a hyphenated name.
[[nodiscard]] constexpr bool endsWord(char ch)
{
    return ch == ' ' || ch == '-' || ch == '.';
}

// Each word of the first, middle and last name in turn, as written; the
// characters that end words are left out, and so are empty words.
template<typename Word>
void forEachWord(const NameParts &parts, Word &&word)
{
    for (const std::string_view part : parts) {
        std::size_t begin = 0;
        for (std::size_t i = 0; i <= part.size(); ++i) {
            if (i < part.size() && !endsWord(part[i]))
                continue;
            if (i > begin)
                word(part.substr(begin, i - begin));
            begin = i + 1;
        }
    }
}

// Where a Y stands, under the rule that decides it by its place: a consonant
// after a vowel (Murray, Joy) or beginning a word before one (Yolanda), a
// vowel otherwise (Bryan, Lynn, Yvonne). A Y begins a word when no letter
// stands directly before it.
enum class YPlace : std::uint8_t {
    Charted,              // not a Y, or the chart decides it
    AfterVowel,           // a consonant
    BeginningBeforeVowel, // a consonant
    AfterConsonant,       // a vowel
    BeginningOtherwise,   // a vowel
};

// One letter of a name as a system counts it.
struct CountedLetter {
    char letter = '\0';      // as written
    int value = 0;           // 1-9
    bool vowel = false;
    YPlace y = YPlace::Charted; // a Y whose place decided it
    std::size_t part = 0;    // 0 first, 1 middle, 2 last name
};

namespace detail {

// Letter i of part p of the name: to letter() with its value, or to other().
template<bool kYByPlace, typename Letter, typename Other>
void visitLetter(std::string_view part, std::size_t i, std::size_t p, const LetterChart &chart, Letter &letter,
                 Other &other)
{
    const char ch = part[i];
    const std::uint8_t code = chart.bytes[static_cast<unsigned char>(ch)];
    if (code == 0) {
        other(ch);
        return;
    }
    CountedLetter counted{ch, code & LetterChart::kValue, (code & LetterChart::kVowel) != 0, YPlace::Charted, p};
    if (kYByPlace && (ch == 'Y' || ch == 'y')) {
        const std::uint8_t before = i > 0 ? chart.bytes[static_cast<unsigned char>(part[i - 1])] : 0;
        if ((before & LetterChart::kVowel) != 0)
            counted.y = YPlace::AfterVowel;
        else if (before != 0)
            counted.y = YPlace::AfterConsonant;
        else if (i + 1 < part.size() && chart.isVowel(part[i + 1]))
            counted.y = YPlace::BeginningBeforeVowel;
        else
            counted.y = YPlace::BeginningOtherwise;
        counted.vowel = counted.y == YPlace::AfterConsonant || counted.y == YPlace::BeginningOtherwise;
    }
    letter(counted);
}

// The walk with the Y rule fixed, so that the loop does not ask it again for
// every letter: a batch row 3,231 -> 3,122 instructions (callgrind).
// Backwards (the tally's walk), from the last letter of the last name to the
// first of the first, endPart(p) follows the first letter of part p.
template<bool kYByPlace, bool kBackwards, typename Letter, typename Other, typename EndPart>
void walkLetters(const NameParts &parts, const LetterChart &chart, Letter &letter, Other &other, EndPart &endPart)
{
    if constexpr (kBackwards) {
        for (std::size_t p = parts.size(); p-- > 0;) {
            for (std::size_t i = parts[p].size(); i-- > 0;)
                visitLetter<kYByPlace>(parts[p], i, p, chart, letter, other);
            endPart(p);
        }
    } else {
        for (std::size_t p = 0; p < parts.size(); ++p) {
            for (std::size_t i = 0; i < parts[p].size(); ++i)
                visitLetter<kYByPlace>(parts[p], i, p, chart, letter, other);
            endPart(p);
        }
    }
}

} // namespace detail

// The walk over a name that every letter total comes from: each letter A-Z
// or a-z of the first, middle and last name in turn, with its value and
// whether the system counts it as a vowel. Other characters are passed to
// other(), for the count of what does not count, and endPart(p) follows the
// last letter of part p.
template<typename Letter, typename Other, typename EndPart>
void forEachLetter(const NameParts &parts, const System &system, Letter &&letter, Other &&other, EndPart &&endPart)
{
    if (system.y == YRule::ConsonantAfterOrBeginningBeforeVowel)
        detail::walkLetters<true, false>(parts, system.letters, letter, other, endPart);
    else
        detail::walkLetters<false, false>(parts, system.letters, letter, other, endPart);
}

template<typename Letter, typename Other, typename EndPart>
void forEachLetter(const BirthData &data, const System &system, Letter &&letter, Other &&other, EndPart &&endPart)
{
    forEachLetter(nameParts(data), system, letter, other, endPart);
}

// The walk without the other characters and the ends of the parts.
template<typename Letter>
void forEachLetter(const NameParts &parts, const System &system, Letter &&letter)
{
    forEachLetter(parts, system, letter, [](char) {}, [](std::size_t) {});
}

template<typename Letter>
void forEachLetter(const BirthData &data, const System &system, Letter &&letter)
{
    forEachLetter(nameParts(data), system, letter);
}

// Letter sums; 64 bits wide, so no name is long enough to overflow them.
struct LetterSums {
    std::int64_t full = 0;
    std::int64_t consonants = 0;
    std::int64_t vowels = 0;
};

// What every number drawn from the name needs, gathered in one walk.
struct LetterTally {
    LetterSums sums; // the whole name
    // Where the system reduces each part of a name first: each word's sums
    // (endsWord) reduced by the system's master reduction, then added; the
    // totals the name numbers are reduced from. Zero under other systems.
    LetterSums partsReduced;
    // Bit v is set when a letter of value v (1-9) occurs; how many are set.
    std::uint16_t values = 0;
    std::uint8_t distinctValues = 0;
    // How many letters carry each value 1-9 (index 0 unused): the Inclusion
    // table.
    std::array<std::uint32_t, 10> valueCounts{};
    // The most frequent letter, counted case-sensitively ('A' and 'a' apart);
    // among equally frequent letters the one that occurs first. Only A-Z and
    // a-z are candidates; '\0' when the name holds none.
    char mostFrequent = '\0';
    // How many bytes are not the letters A-Z or a-z (spaces and accents too).
    std::uint32_t others = 0;
};

[[nodiscard]] LetterTally tallyLetters(const NameParts &parts, const System &system);
[[nodiscard]] inline LetterTally tallyLetters(const BirthData &data, const System &system = classicSystem())
{
    return tallyLetters(nameParts(data), system);
}
// The same for one text under the classic chart, such as the name string itself.
[[nodiscard]] LetterTally tallyLetters(std::string_view text);

} // namespace velmora
