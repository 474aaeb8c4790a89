// SPDX-License-Identifier: MIT
#include "namefolding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace velmora {
namespace {

constexpr AccentFold kFolds[] = {
    {"ÀÁÂÃÄÅĀĂĄǍ", "A"}, {"àáâãäåāăąǎ", "a"},   {"Æ", "AE"},          {"æ", "ae"},
    {"ÇĆĈĊČ", "C"},      {"çćĉċč", "c"},        {"ÐĎĐ", "D"},         {"ðďđ", "d"},
    {"ÈÉÊËĒĔĖĘĚ", "E"},  {"èéêëēĕėęě", "e"},    {"ĜĞĠĢ", "G"},        {"ĝğġģ", "g"},
    {"ĤĦ", "H"},         {"ĥħ", "h"},           {"ÌÍÎÏĨĪĬĮİ", "I"},   {"ìíîïĩīĭįı", "i"},
    {"Ĳ", "IJ"},         {"ĳ", "ij"},           {"Ĵ", "J"},           {"ĵ", "j"},
    {"Ķ", "K"},          {"ķĸ", "k"},           {"ĹĻĽĿŁ", "L"},       {"ĺļľŀł", "l"},
    {"ÑŃŅŇŊ", "N"},      {"ñńņňŉŋ", "n"},       {"ÒÓÔÕÖØŌŎŐ", "O"},   {"òóôõöøōŏő", "o"},
    {"Œ", "OE"},         {"œ", "oe"},           {"ŔŖŘ", "R"},         {"ŕŗř", "r"},
    {"ŚŜŞŠȘ", "S"},      {"śŝşšșſ", "s"},       {"ẞ", "SS"},          {"ß", "ss"},
    {"ŢŤŦȚ", "T"},       {"ţťŧț", "t"},         {"Þ", "TH"},          {"þ", "th"},
    {"ÙÚÛÜŨŪŬŮŰŲ", "U"}, {"ùúûüũūŭůűų", "u"},   {"Ŵ", "W"},           {"ŵ", "w"},
    {"ÝŶŸ", "Y"},        {"ýÿŷ", "y"},          {"ŹŻŽ", "Z"},         {"źżž", "z"},
};

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
    char32_t code = kReplacement;
    std::size_t length = 1; // bytes taken; 1 for a byte that is not valid UTF-8
    bool valid = false;
};

// The length of the sequence a lead byte of UTF-8 starts, and the bits of the
// character it carries; length 0 for a byte that starts no valid sequence.
struct Lead {
    std::size_t length = 0;
    char32_t bits = 0;
};

Lead leadOf(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, lead & 0x1Fu};
    if (lead >= 0xE0 && lead <= 0xEF)
        return {3, lead & 0x0Fu};
    if (lead >= 0xF0 && lead <= 0xF4)
        return {4, lead & 0x07u};
    return {};
}

// One character of UTF-8 at the start of text; overlong forms, surrogates
// and values above U+10FFFF are not valid.
Decoded decode(std::string_view text)
{
    const auto first = static_cast<unsigned char>(text[0]);
    if (first < 0x80)
        return {first, 1, true};
    const auto [length, bits] = leadOf(first);
    if (length == 0 || text.size() < length)
        return {};
    char32_t code = bits;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80)
            return {};
        code = code << 6 | (byte & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length, true};
}

std::string encode(char32_t code)
{
    std::string out;
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | code >> 6));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | code >> 12));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | code >> 18));
        out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
    return out;
}

bool counts(char32_t code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

bool isCombiningMark(char32_t code)
{
    return code >= 0x300 && code <= 0x36F;
}

const AccentFold *foldOf(char32_t code)
{
    for (const AccentFold &fold : kFolds)
        for (std::string_view letters = fold.letters; !letters.empty();) {
            const Decoded d = decode(letters);
            if (d.code == code)
                return &fold;
            letters.remove_prefix(d.length);
        }
    return nullptr;
}

} // namespace

std::vector<std::string> uncountedCharacters(std::string_view name)
{
    std::vector<std::string> found;
    while (!name.empty()) {
        const Decoded d = decode(name);
        name.remove_prefix(d.length);
        if (counts(d.code) || separatesNameParts(d.code))
            continue;
        std::string character = encode(d.code);
        if (std::ranges::find(found, character) == found.end())
            found.push_back(std::move(character));
    }
    return found;
}

std::string foldAccents(std::string_view name)
{
    std::string folded;
    folded.reserve(name.size());
    while (!name.empty()) {
        const Decoded d = decode(name);
        if (d.valid && d.code >= 0x80) {
            if (const AccentFold *fold = foldOf(d.code))
                folded.append(fold->base);
            else if (!isCombiningMark(d.code))
                folded.append(name.substr(0, d.length));
        } else {
            folded.append(name.substr(0, d.length));
        }
        name.remove_prefix(d.length);
    }
    return folded;
}

std::span<const AccentFold> accentFolds()
{
    return kFolds;
}

bool separatesNameParts(char32_t code)
{
    return code == ' ' || code == '-' || code == '\'' || code == '.' || code == 0x2019;
}

} // namespace velmora
