// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <array>
#include <string>
#include <string_view>

#include "calculations.h"
#include "compatibility.h"
#include "enginetext.h"
#include "morenumbers.h"
#include "working.h"

namespace velmora {

// The keys of the readings in the JSON output, in tab order.
inline constexpr std::array<std::string_view, kReadingCount> kReadingKeys = {
    "destiny",    "personality",   "soulUrge",         "realization",
    "pinnacles",  "hiddenPassion", "subconsciousSelf", "attitude",
};

// The date of the birth data written YYYY-MM-DD.
[[nodiscard]] std::string isoDateText(const BirthData &data);

// The eight readings as the window's views show them, each under its tab
// caption and a rule, with an empty line between readings.
[[nodiscard]] std::string readingsText(const Results &results);

// The part "More numbers" that follows the eight readings: its title over a
// double rule, then each number under its heading and a rule.
[[nodiscard]] std::string moreNumbersText(const MoreNumbers &more);

// The part that shows how every number was found, one line each.
[[nodiscard]] std::string workingsText(const std::vector<Working> &workings);

// Adds the keys lifePath, birthday, challenges, personalYear (with its year),
// personalMonth, personalDay, karmicLessons and karmicDebts (with "from", the
// keys of the numbers each debt was met in), each with "number" or "numbers"
// and "text".
void insertMoreNumbers(QJsonObject &root, const MoreNumbers &more);

// Adds "working": for each number's key, its working as one line of text.
void insertWorkings(QJsonObject &root, const std::vector<Working> &workings);

// Two people compared: who they are, then the relation of their Life Path
// and Destiny numbers with its reading.
[[nodiscard]] std::string comparisonText(const BirthData &first, const BirthData &second,
                                         const Comparison &comparison);
[[nodiscard]] QByteArray comparisonJson(const BirthData &first, const BirthData &second,
                                        const Comparison &comparison);

// One JSON object: "input" (first, middle, last, date) and, for each reading
// key, "number" ("numbers" for the four pinnacles) and "text", the reading's
// full plain text.
[[nodiscard]] QJsonObject readingsObject(const BirthData &data, const Results &results);

} // namespace velmora
