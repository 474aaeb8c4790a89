// SPDX-License-Identifier: MIT
#include "letters.h"

#include <array>
#include <span>

namespace velmora {
namespace {

// The tally counts letters in slots: A-Z in 0-25 and a-z in 26-51. Every
// other byte goes to one more slot, where it adds nothing, so that its count
// stays 0.
constexpr std::size_t kLetterSlots = 52;
constexpr std::uint8_t kOtherSlot = kLetterSlots;

// What the walk needs to know of each byte, in two tables whose entries the
// walk reads as memory operands: the chart value and the value as a vowel (0
// for the rest) side by side in one word, so that one addition adds both, and
// the bit among the values present; then the slot and whether the byte is a
// letter (1) or not (0).
struct ByteValues {
    std::uint32_t values = 0; // value | vowel value << 16
    std::uint32_t valueBit = 0;
};

struct ByteSlot {
    std::uint8_t slot = 0;
    std::uint8_t letter = 0;
};

constexpr std::uint32_t kVowelShift = 16;
constexpr std::uint32_t kValueMask = (1U << kVowelShift) - 1;

constexpr std::array<ByteValues, 256> kByteValues = [] {
    std::array<ByteValues, 256> table{};
    for (int ch = 0; ch < 256; ++ch) {
        const LetterInfo info = LetterValue(static_cast<char>(ch));
        const auto value = static_cast<std::uint32_t>(info.value);
        table[static_cast<std::size_t>(ch)] = {value | (info.vowel ? value : 0) << kVowelShift,
                                               value > 0 ? 1U << value : 0};
    }
    return table;
}();

// Every entry is set in the loop, as for detail::kChart.
constexpr std::array<ByteSlot, 256> kByteSlots = [] {
    std::array<ByteSlot, 256> table{};
    for (int ch = 0; ch < 256; ++ch) {
        ByteSlot &entry = table[static_cast<std::size_t>(ch)];
        if (ch >= 'A' && ch <= 'Z')
            entry = {static_cast<std::uint8_t>(ch - 'A'), 1};
        else if (ch >= 'a' && ch <= 'z')
            entry = {static_cast<std::uint8_t>(ch - 'a' + 26), 1};
        else
            entry = {kOtherSlot, 0};
    }
    return table;
}();

// One walk, from the last byte of the last part back to the first byte of the
// first, without a branch on the name. Walking backwards, a letter reaches its
// whole count at its first occurrence; a letter that reaches a count at least
// as high as any before it takes the lead, so the lead ends with the most
// frequent letter that occurs first. A byte that is no letter has count 0 and
// takes the lead only while no letter has been seen.
//
// Count is one byte for names shorter than 256 bytes: the counts cost little
// to clear, and the two sums, below 256 * 9, share one 32-bit word. Longer
// names take 64-bit counts and sums.
template<typename Count>
LetterTally tallyParts(std::span<const std::string_view> parts)
{
    constexpr bool kShortName = sizeof(Count) == 1;
    std::array<Count, kLetterSlots + 1> counts{};
    std::uint32_t bothSums = 0;
    std::int64_t full = 0;
    std::int64_t vowels = 0;
    unsigned present = 0;
    Count best = 0;
    char leader = '\0';
    for (std::size_t p = parts.size(); p > 0; --p) {
        const std::string_view part = parts[p - 1];
        for (const char *byte = part.data() + part.size(); byte != part.data();) {
            const char ch = *--byte;
            const auto index = static_cast<unsigned char>(ch);
            const ByteValues &v = kByteValues[index];
            if constexpr (kShortName) {
                bothSums += v.values;
            } else {
                full += v.values & kValueMask;
                vowels += v.values >> kVowelShift;
            }
            present |= v.valueBit;
            const ByteSlot &s = kByteSlots[index];
            const Count count = counts[s.slot] += s.letter;
            const bool leads = count >= best;
            leader = leads ? ch : leader;
            best = leads ? count : best;
        }
    }
    if constexpr (kShortName) {
        full = bothSums & kValueMask;
        vowels = bothSums >> kVowelShift;
    }
    LetterTally tally;
    tally.sums = {full, full - vowels, vowels};
    tally.values = static_cast<std::uint16_t>(present);
    tally.mostFrequent = best > 0 ? leader : '\0';
    return tally;
}

LetterTally tallyParts(std::span<const std::string_view> parts)
{
    std::size_t length = 0;
    for (const std::string_view part : parts)
        length += part.size();
    // One byte per count holds every count of a name shorter than 256 bytes.
    return length < 256 ? tallyParts<std::uint8_t>(parts) : tallyParts<std::uint64_t>(parts);
}

} // namespace

namespace detail {

constexpr ReduceTables kReduceTables;

} // namespace detail

LetterTally tallyLetters(const BirthDataView &data)
{
    const std::array<std::string_view, 3> parts = {data.FirstName, data.MiddleName, data.LastName};
    return tallyParts(parts);
}

LetterTally tallyLetters(std::string_view text)
{
    return tallyParts(std::span<const std::string_view>(&text, 1));
}

LetterSums letterSums(std::string_view text)
{
    return tallyLetters(text).sums;
}

LetterSums letterSums(const BirthDataView &data)
{
    return tallyLetters(data).sums;
}

std::string nameString(const BirthData &data)
{
    std::string name;
    name.reserve(data.FirstName.size() + data.MiddleName.size() + data.LastName.size());
    name.append(data.FirstName).append(data.MiddleName).append(data.LastName);
    return name;
}

} // namespace velmora
