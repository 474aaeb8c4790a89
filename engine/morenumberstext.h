// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "morenumbers.h"
#include "working.h"

namespace velmora {

inline constexpr std::string_view kMoreNumbersTitle = "More numbers";
inline constexpr std::string_view kWorkingTitle = "How the numbers were found";

// One reading of the part "More numbers": a heading that names the number
// ("Life Path Number: 4") and its plain text, paragraphs apart by an empty line.
struct TextSection {
    std::string heading;
    std::string text;
};

// The further numbers in the order they are shown: Life Path, Birthday,
// Challenges, Personal Year, Month and Day, Karmic Lessons, Karmic Debts.
inline constexpr std::size_t kMoreSectionCount = 8;
[[nodiscard]] std::vector<TextSection> moreNumbersSections(const MoreNumbers &more);

// "ages 0 to 32", "ages 59 onward"
[[nodiscard]] std::string agesText(const AgeRange &ages);

// "8 December 2026"
[[nodiscard]] std::string calendarDateText(const CalendarDate &date);

// One line per number: "Destiny: J1 O6 H8 N5 S1 M4 I9 T2 H8 = 44 → 8".
[[nodiscard]] std::vector<std::string> workingLines(const std::vector<Working> &workings);

} // namespace velmora
