// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "birthdata.h"
#include "letters.h"
#include "pinnacle.h"
#include "reading.h"

namespace velmora {

// The eight readings in tab order.
enum class ReadingIndex : std::size_t {
    Destiny,
    Personality,
    SoulUrge,
    Realization,
    Pinnacle,
    HiddenPassion,
    SubconsciousSelf,
    Attitude,
};

inline constexpr std::size_t kReadingCount = 8;

inline constexpr std::array<std::string_view, kReadingCount> kReadingCaptions = {
    "Destiny Number",     "Personality Number",    "Soul Urge Number",         "Realization Number",
    "Pinnacle Number",    "Hidden Passion Number", "Subconscious Self Number", "Attitude Number",
};

struct Numbers {
    int destiny = 0;
    int personality = 0;
    int soulUrge = 0;
    int realization = 0;
    PinnacleNumbers pinnacles{};
    int hiddenPassion = 0;
    int subconsciousSelf = 0;
    int attitude = 0;

    friend bool operator==(const Numbers &, const Numbers &) = default;
};

struct Results {
    Numbers numbers;
    std::array<Reading, kReadingCount> readings;

    [[nodiscard]] const Reading &reading(ReadingIndex index) const { return readings[static_cast<std::size_t>(index)]; }
};

// All eight numbers, in tab order; Realization takes the Destiny number
// computed just before it. Requires hasValidDate(data).
[[nodiscard]] Numbers CalculateNumbers(const BirthData &data);
// The same from the person's letters already tallied (tallyLetters).
[[nodiscard]] Numbers CalculateNumbers(const BirthData &data, const LetterTally &letters);

// The eight readings for the numbers.
[[nodiscard]] std::array<Reading, kReadingCount> readingsFor(const Numbers &numbers);

// The reading table of each calculation, in tab order; the Pinnacle entry
// holds the paragraphs the four pinnacles share.
[[nodiscard]] std::array<const ReadingTable *, kReadingCount> readingTables();

// Numbers and readings together: one complete run.
[[nodiscard]] Results calculateAll(const BirthData &data);

} // namespace velmora
