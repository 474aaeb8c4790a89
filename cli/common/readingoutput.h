// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <string>

#include "chart.h"

namespace velmora {

struct CliOptions;

// The person as JSON gives one: first, middle, last and date.
[[nodiscard]] QJsonObject personObject(const BirthData &data);

// The date of the birth data written YYYY-MM-DD.
[[nodiscard]] std::string isoDateText(const BirthData &data);

// The eight readings as the window's views show them, each under its tab
// caption and a rule, with an empty line between readings.
[[nodiscard]] std::string readingsText(const Chart &chart);

// The part "More numbers" that follows the eight readings: its title over a
// double rule, then each number under its heading and a rule.
[[nodiscard]] std::string moreNumbersText(const Chart &chart);

// The Inclusion table drawn as a grid of three rows (1 4 7, 2 5 8, 3 6 9),
// each cell a value and its count, a dash for a value no letter carries; then
// the Planes of Expression, each plane's letters, total, number and reading.
// Each under its heading and a rule, as the part "More numbers" has them.
[[nodiscard]] std::string letterChartsText(const Chart &chart);

// The part that shows how every number was found, one line each. When the
// options name the system, the system's rules come first and the rules'
// decisions and the Karmic Debts are shown too. Requires chart.hasWorking().
[[nodiscard]] std::string workingsText(const Chart &chart, const CliOptions &options);

// One JSON object: "input" (first, middle, last, date), then every reading
// under its key with "number" (or "numbers" where the system makes it a
// list: shapeOf) and "text", its full plain text;
// the Personal Year adds its "year", the Karmic Debts "from" (the keys of the
// numbers each debt was met in); "inclusion" holds the nine counts, value 1
// first, and "planes" four objects with "plane", "letters", "total", "number"
// and "text". With the options' explain (which requires
// chart.hasWorking()), "working" holds one line of text under each number's key.
// When the options name the system, "system" holds the system's key, and the
// working gains the rules' decisions and the Karmic Debts.
[[nodiscard]] QJsonObject chartObject(const Chart &chart, const CliOptions &options);

// A caption over a rule of its length, as every part of the text output has.
void appendCaption(std::string &text, std::string_view caption, char rule);

} // namespace velmora
