// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "reading.h"

namespace velmora {

// Reading rows of one paragraph each: numbers[i] reads texts[i]. The texts
// must be stored for the whole run, as every table's are.
template<std::size_t N>
constexpr std::array<ReadingRow, N> paragraphRows(const std::array<int, N> &numbers, const std::string_view (&texts)[N])
{
    std::array<ReadingRow, N> rows{};
    for (std::size_t i = 0; i < N; ++i)
        rows[i] = {numbers[i], std::span<const std::string_view>(&texts[i], 1)};
    return rows;
}

// The numbers first, first + 1, ... for a table of consecutive rows.
template<std::size_t N>
constexpr std::array<int, N> consecutiveNumbers(int first)
{
    std::array<int, N> numbers{};
    for (std::size_t i = 0; i < N; ++i)
        numbers[i] = first + static_cast<int>(i);
    return numbers;
}

// The one paragraph of a number's row, or kNotValidText when it has none.
[[nodiscard]] std::string_view paragraphFor(const ReadingTable &table, int number);

} // namespace velmora
