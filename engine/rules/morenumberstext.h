// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart.h"

namespace velmora {

inline constexpr std::string_view kMoreNumbersTitle = "More numbers";
inline constexpr std::string_view kWorkingTitle = "How the numbers were found";

// One reading of the part "More numbers": a heading that names the number
// ("Life Path Number: 4") and its plain text, paragraphs apart by an empty line.
struct TextSection {
    std::string heading;
    std::string text;
};

// The reading of a section of the part "More numbers".
[[nodiscard]] TextSection textSection(const Chart &chart, SectionId section);

// "ages 0 to 32", "ages 59 onward"
[[nodiscard]] std::string agesText(const AgeRange &ages);
// "8 December 2026"
[[nodiscard]] std::string calendarDateText(const CalendarDate &date);

// One line per number that has a working: "Destiny: J1 O6 H8 N5 S1 M4 I9 T2 H8 = 44 → 8";
// then one per value of the Inclusion table, "Inclusion 1: A A S → 3", and
// one per plane, "Physical plane: M4 M4 = 8". Requires chart.hasWorking().
// With explainRules, the rules' decisions and the Karmic Debts are shown too.
[[nodiscard]] std::vector<std::string> workingLines(const Chart &chart, bool explainRules = false);

// The element's explanation; for the Inclusion table under a chart on which
// no letter carries some value, a sentence saying that value is not on the
// chart rather than missing.
[[nodiscard]] std::string elementExplanation(const Chart &chart, const ElementDescriptor &element);

// "Numerology system: Chaldean. Letters: ..." : the system and its rules.
[[nodiscard]] std::string systemLine(const System &system);

} // namespace velmora
