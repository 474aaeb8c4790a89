// SPDX-License-Identifier: MIT
#include "numbernames.h"

#include <array>
#include <string>
#include <utility>

namespace velmora {
namespace {

// The name in lower case with its separators (space, '-', '_', apostrophe) left
// out, so that every way of writing a key compares equal: "personal-day",
// "personal_day" and "personalDay" all give "personalday". Empty for a
// name with a byte no key has.
std::string folded(std::string_view name)
{
    std::string text;
    text.reserve(name.size());
    for (const char c : name) {
        if (c >= 'A' && c <= 'Z')
            text += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            text += c;
        else if (c != ' ' && c != '-' && c != '_' && c != '\'')
            return {};
    }
    return text;
}

// The names readers know some numbers by, folded.
constexpr std::array<std::pair<std::string_view, NumberId>, 4> kReadersNames = {{
    {"expression", NumberId::Destiny},
    {"maturity", NumberId::Realization},
    {"heartsdesire", NumberId::SoulUrge},
    {"birthnumber", NumberId::Birthday},
}};

} // namespace

const NumberDescriptor *findNumberByName(std::string_view name)
{
    const std::string wanted = folded(name);
    if (wanted.empty())
        return nullptr;
    for (const NumberDescriptor &number : numberDescriptors()) {
        if (folded(number.key) == wanted || (!number.column.empty() && folded(number.column) == wanted))
            return &number;
    }
    for (const auto &[known, id] : kReadersNames) {
        if (known == wanted)
            return &describe(id);
    }
    return nullptr;
}

} // namespace velmora
