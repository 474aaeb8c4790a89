// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "reading.h"

namespace velmora {

// The age-range labels of one pinnacle number, first to fourth pinnacle.
struct PinnacleLabels {
    int number = 0;
    std::array<std::string_view, 4> labels;
};

struct PinnacleTable {
    ReadingTable readings; // one paragraph per number, shared by all four pinnacles
    std::span<const PinnacleLabels> labels;
    // A third pinnacle of 3 reads this copy of the number-3 paragraph.
    std::string_view thirdPinnacleThree;
};

using PinnacleNumbers = std::array<int, 4>;

// The four pinnacles' reading; pinnacle k reads the age label of row
// labelRows[k] of the table (classic: its own number).
[[nodiscard]] Reading PinnacleReading(const PinnacleNumbers &numbers, const PinnacleNumbers &labelRows);
// The same with the paragraphs of another table (the rules that keep 33).
[[nodiscard]] Reading PinnacleReading(const PinnacleNumbers &numbers, const PinnacleNumbers &labelRows,
                                      const ReadingTable &readings);
[[nodiscard]] const PinnacleTable &pinnacleTable();

inline constexpr std::string_view kPinnacleIntroHeading = "Your Pinnacle Numbers are as below.";

} // namespace velmora
