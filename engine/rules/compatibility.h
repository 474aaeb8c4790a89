// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "reading.h"
#include "relationtexts.h"

namespace velmora {

// How two numbers get on, by the grouping numerologists commonly publish:
// 1, 5, 7 / 2, 4, 8 / 3, 6, 9 are natural matches among themselves; six pairs
// across the groups are challenging; all other pairs are compatible.
enum class Relation : std::uint8_t {
    NaturalMatch,
    Compatible,
    Challenging,
    NothingToCompare, // one of the numbers is 0: a name without the letters A-Z
};

// The number a number stands as in the grouping: 11 as 2 and 22 as 4 (their
// digit sums), any other as it is.
[[nodiscard]] int groupedAs(int number);
// The same whichever number comes first.
[[nodiscard]] Relation RelationOf(int first, int second);
// "natural match", "compatible", "challenging", "nothing to compare"
[[nodiscard]] std::string_view relationName(Relation relation);

struct Pairing {
    int first = 0; // the first person's number
    int second = 0;
    Relation relation = Relation::NothingToCompare;
    std::string_view text;
};

struct Comparison {
    Pairing lifePath;
    Pairing destiny;
};

class Chart;

// The two people's Life Path and Destiny numbers, as their charts hold them.
[[nodiscard]] Comparison ComparePeople(const Chart &first, const Chart &second);

} // namespace velmora
