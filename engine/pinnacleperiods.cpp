// SPDX-License-Identifier: MIT
#include "pinnacleperiods.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <string_view>

namespace velmora {
namespace {

// Reads "... from age 36-44 is " or "... from age 54 & beyond is ": the
// labels are the one place the ages are written.
AgeRange agesInLabel(std::string_view label)
{
    constexpr std::string_view kFrom = "from age ";
    AgeRange ages;
    const std::size_t at = label.find(kFrom);
    assert(at != std::string_view::npos);
    if (at == std::string_view::npos)
        return ages;
    const char *p = label.data() + at + kFrom.size();
    const char *end = label.data() + label.size();
    p = std::from_chars(p, end, ages.from).ptr;
    if (p != end && *p == '-')
        std::from_chars(p + 1, end, ages.to);
    return ages;
}

} // namespace

std::array<AgeRange, 4> pinnaclePeriods(const PinnacleNumbers &numbers)
{
    const PinnacleTable &table = pinnacleTable();
    std::array<AgeRange, 4> periods{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto it = std::ranges::find(table.labels, numbers[i], &PinnacleLabels::number);
        assert(it != table.labels.end());
        if (it != table.labels.end())
            periods[i] = agesInLabel(it->labels[i]);
    }
    return periods;
}

} // namespace velmora
