// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <array>
#include <string>
#include <string_view>

#include "calculations.h"
#include "enginetext.h"

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

// One JSON object: "input" (first, middle, last, date) and, for each reading
// key, "number" ("numbers" for the four pinnacles) and "text", the reading's
// full plain text.
[[nodiscard]] QJsonObject readingsObject(const BirthData &data, const Results &results);
// The same object as indented JSON text.
[[nodiscard]] QByteArray readingsJson(const BirthData &data, const Results &results);

} // namespace velmora
