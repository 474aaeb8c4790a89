// SPDX-License-Identifier: MIT
#include "namevariants.h"

#include <algorithm>
#include <charconv>

#include "descriptors.h"
#include "namefolding.h"
#include "numbernames.h"
#include "trimspaces.h"

namespace velmora {
namespace {

constexpr std::string_view kWantForm = "expected NUMBER=V[,V...], such as destiny=5,6";

bool hasBit(std::uint64_t bits, int value)
{
    return value >= 0 && value < 64 && (bits >> value & 1U) != 0;
}

// The number a --want names, written any way findNumberByName takes, that the system has.
const NumberDescriptor *wantedNumber(std::string_view name, const System &system)
{
    const NumberDescriptor *number = findNumberByName(name);
    return number != nullptr && shapeOf(system, number->id).defined ? number : nullptr;
}

std::string systemKeys(const System &system)
{
    std::string keys;
    for (const NumberDescriptor &number : numberDescriptors()) {
        if (!system.hasNumber(number.id))
            continue;
        keys += (keys.empty() ? "" : ", ") + std::string(number.key);
    }
    return keys;
}

// "6, 8 or 11": the items apart by commas, the last by "or".
std::string eitherText(const std::vector<std::string> &items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " or " : ", ") + items[i];
    return text;
}

// "1-9, 11 or 22": the values with each run of three or more written as a range.
std::string valuesText(const std::vector<int> &values)
{
    std::vector<std::string> items;
    for (std::size_t k = 0; k < values.size();) {
        std::size_t end = k + 1;
        while (end < values.size() && values[end] == values[end - 1] + 1)
            ++end;
        if (end - k >= 3) {
            items.push_back(std::to_string(values[k]) + '-' + std::to_string(values[end - 1]));
        } else {
            for (std::size_t i = k; i < end; ++i)
                items.push_back(std::to_string(values[i]));
        }
        k = end;
    }
    return eitherText(items);
}

const ReadingTable &readingTableOf(SectionId section, const System &system)
{
    const ReadingTable *own = system.readingTable != nullptr ? system.readingTable(section) : nullptr;
    return own != nullptr ? *own : describe(section).table();
}

} // namespace

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(text, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }));
}

std::string longNameText(std::size_t characters)
{
    return "the name has " + std::to_string(characters) + " characters; name variants take names of at most "
        + std::to_string(kMaxVariantNameLength) + " (first, middle and last together; --batch takes any length)";
}

std::optional<std::vector<std::string>> splitAlternatives(std::string_view text)
{
    std::vector<std::string> alternatives;
    for (std::size_t from = 0;;) {
        const std::size_t bar = text.find('|', from);
        const std::string_view alternative =
            trimSpaces(text.substr(from, bar == std::string_view::npos ? std::string_view::npos : bar - from));
        // A name part given as nothing at all (no middle name) is one empty alternative.
        if (alternative.empty() && (bar != std::string_view::npos || from > 0))
            return std::nullopt;
        alternatives.emplace_back(alternative);
        if (bar == std::string_view::npos)
            return alternatives;
        from = bar + 1;
    }
}

std::uint64_t variantCount(std::size_t first, std::size_t middle, std::size_t last)
{
    std::uint64_t count = 1;
    for (const std::size_t factor : {first, middle, last}) {
        if (__builtin_mul_overflow(count, std::uint64_t{factor}, &count))
            return UINT64_MAX;
    }
    return count;
}

std::size_t longestVariantName(const std::array<std::vector<std::string>, 3> &parts)
{
    std::size_t longest = 0;
    for (const std::vector<std::string> &alternatives : parts) {
        std::size_t part = 0;
        for (const std::string &alternative : alternatives)
            part = std::max(part, characterCount(alternative));
        longest += part;
    }
    return longest;
}

InputFault combineVariants(const std::array<std::vector<std::string>, 3> &parts, const std::string &date, bool fold,
                           std::vector<NameVariant> &variants)
{
    variants.reserve(variants.size() + variantCount(parts[0].size(), parts[1].size(), parts[2].size()));
    NameVariant variant;
    for (const std::string &first : parts[0]) {
        for (const std::string &middle : parts[1]) {
            for (const std::string &last : parts[2]) {
                if (const InputFault fault = makeVariant({first, middle, last, date}, fold, variant);
                    fault != InputFault::None)
                    return fault;
                variants.push_back(variant);
            }
        }
    }
    return InputFault::None;
}

InputFault makeVariant(const PersonFields &fields, bool fold, NameVariant &variant)
{
    const auto counted = [fold](std::string_view name) { return fold ? foldAccents(name) : std::string(name); };
    const std::string first = counted(fields.first);
    const std::string middle = counted(fields.middle);
    const std::string last = counted(fields.last);
    if (const InputFault fault = readPerson({first, middle, last, fields.date}, variant.person);
        fault != InputFault::None)
        return fault;
    variant.first.assign(trimSpaces(fields.first));
    variant.middle.assign(trimSpaces(fields.middle));
    variant.last.assign(trimSpaces(fields.last));
    return InputFault::None;
}

std::string writtenName(const NameVariant &variant)
{
    std::string name = variant.first;
    for (const std::string *part : {&variant.middle, &variant.last}) {
        if (!part->empty())
            name.append(1, ' ').append(*part);
    }
    return name;
}

bool hasUncounted(const NameVariant &variant)
{
    return !uncountedCharacters(fullName(variant.person)).empty();
}

std::vector<int> possibleValues(NumberId id, const System &system)
{
    std::vector<int> values;
    for (const ReadingRow &row : readingTableOf(describe(id).section, system).rows)
        values.push_back(row.number);
    std::ranges::sort(values);
    return values;
}

bool VariantWishes::addWant(std::string_view text, const System &system, std::string *problem)
{
    const std::string quoted = "--want '" + std::string(text) + "': ";
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        *problem = quoted + std::string(kWantForm);
        return false;
    }
    const std::string_view name = text.substr(0, equals);
    const NumberDescriptor *number = wantedNumber(name, system);
    if (number == nullptr) {
        *problem = quoted + "no number " + std::string(name) + " under the " + std::string(system.key)
            + " system; expected one of " + systemKeys(system);
        return false;
    }
    const std::vector<int> roots = possibleValues(number->id, system);
    const bool compounds = shapeOf(system, number->id).compound;
    std::string expected = "expected " + valuesText(roots);
    if (compounds)
        expected += ", or a compound number " + std::to_string(system.compoundLow) + '-'
            + std::to_string(system.compoundHigh);
    Want want{number->id, 0, 0};
    const std::string_view values = text.substr(equals + 1);
    for (std::size_t from = 0;;) {
        const std::size_t comma = values.find(',', from);
        const std::string_view item =
            values.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from);
        int value = -1;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || error != std::errc() || end != item.data() + item.size()) {
            *problem = quoted + std::string(kWantForm);
            return false;
        }
        if (std::ranges::find(roots, value) != roots.end())
            want.roots |= std::uint64_t{1} << value;
        else if (compounds && value >= system.compoundLow && value <= system.compoundHigh)
            want.compounds |= std::uint64_t{1} << value;
        else {
            *problem = quoted + std::string(number->key) + " is never " + std::string(item) + " under the "
                + std::string(system.key) + " system; " + expected;
            return false;
        }
        if (comma == std::string_view::npos)
            break;
        from = comma + 1;
    }
    m_wants.push_back(std::move(want));
    return true;
}

bool VariantWishes::addNoDebts(const System &system, std::string *problem)
{
    if (!system.hasNumber(NumberId::KarmicDebts)) {
        *problem = "--no-debts: the " + std::string(system.key) + " system finds no Karmic Debts";
        return false;
    }
    m_noDebts = true;
    return true;
}

bool isNameDebt(NumberId source)
{
    return source == NumberId::Destiny || source == NumberId::SoulUrge || source == NumberId::Personality;
}

bool VariantWishes::meets(const ChartNumbers &numbers) const
{
    const std::span<const NumberId> sources(numbers.debtSources.data(), numbers[NumberId::KarmicDebts].count);
    if (m_noDebts && std::ranges::any_of(sources, &isNameDebt))
        return false;
    return std::ranges::all_of(m_wants, [&](const Want &want) {
        const NumberValue &number = numbers[want.id];
        // A list (the Karmic Lessons, a tie of Hidden Passion) meets the wish
        // when it holds one of the values.
        return std::ranges::any_of(number.list(), [&](int value) { return hasBit(want.roots, value); })
            || (number.compound != 0 && hasBit(want.compounds, number.compound));
    });
}

std::vector<NumberId> VariantWishes::wantedNumbers() const
{
    std::vector<NumberId> ids;
    for (const Want &want : m_wants) {
        if (std::ranges::find(ids, want.id) == ids.end())
            ids.push_back(want.id);
    }
    return ids;
}

std::string VariantWishes::words() const
{
    std::vector<std::string> parts;
    for (const Want &want : m_wants) {
        std::vector<std::string> values;
        for (int v = 0; v < 64; ++v)
            if (hasBit(want.roots, v) || hasBit(want.compounds, v))
                values.push_back(std::to_string(v));
        parts.push_back(std::string(describe(want.id).name) + ' ' + eitherText(values));
    }
    if (m_noDebts)
        parts.emplace_back("no Karmic Debt carried by the name");
    std::string text;
    for (const std::string &part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

void weighVariants(std::vector<NameVariant> &variants, const System &system, const CalendarDate &dateOfInterest,
                   const VariantWishes &wishes)
{
    for (NameVariant &variant : variants) {
        evaluateNumbers(dateOfBirth(variant.person), system, tallyLetters(variant.person, system), dateOfInterest,
                        variant.numbers);
        variant.match = wishes.meets(variant.numbers);
    }
    // The iterator form: clang with GCC 12's library cannot build the ranges one.
    std::stable_partition(variants.begin(), variants.end(), [](const NameVariant &variant) { return variant.match; });
}

} // namespace velmora
