// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "reading.h"

namespace velmora {

// The readings of the Chaldean chart. A number there has a root (1-9) and,
// when its total or one of its digit sums lies in 10-52, a compound with a
// symbolic title of its own.

// What a root is, and one paragraph for each root 1-9 naming its planet.
[[nodiscard]] const ReadingTable &chaldeanRootTable();

// "Sun" for 1 ... "Mars" for 9; empty for any other number.
[[nodiscard]] std::string_view chaldeanPlanet(int root);

struct CompoundReading {
    int number = 0;
    std::string_view title;
    std::string_view text;
};

// Every compound from 10 to 52, in order.
[[nodiscard]] std::span<const CompoundReading> chaldeanCompounds();

// The compound's reading, or nullptr outside 10-52.
[[nodiscard]] const CompoundReading *chaldeanCompound(int number);

// What a compound number is and how it is found.
[[nodiscard]] std::string_view chaldeanCompoundExplanation();

// The numbers the Chaldean chart shows, each with a paragraph saying what it is.
enum class ChaldeanNumber : std::uint8_t { Name, SoulUrge, Personality, Birth, LifePath };
[[nodiscard]] std::string_view chaldeanExplanation(ChaldeanNumber number);

// The Life Path's explanation working one date: workedDate such as
// "your date, 15 July 1980, gives 1 + 5 + 0 + 7 + 1 + 9 + 8 + 0 = 31".
[[nodiscard]] std::string chaldeanLifePathExplanation(std::string_view workedDate);

} // namespace velmora
