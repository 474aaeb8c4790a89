// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "numberid.h"
#include "reading.h"

namespace velmora {

// One number as every output names it.
struct NumberDescriptor {
    NumberId id;
    std::string_view key;    // "pinnacle3": how a chart and a working are keyed, also in JSON
    std::string_view name;   // "Pinnacle 3": how the working names it
    std::string_view column; // "pinnacle3": its column in the CSV the tool writes
    SectionId section;       // the reading that shows it
    bool worked;             // whether the working has a line for it
    bool list;               // several values or none (the Karmic Lessons and Debts), not one
    bool compound;           // may have a compound number beside it
    bool batched = true;     // the batch writes its column
};

// Which part of the output a reading belongs to.
enum class Part : std::uint8_t { Readings, MoreNumbers };

// How a reading is laid out from its numbers and its table.
enum class Layout : std::uint8_t {
    Standard,      // explanation, the bold heading with the number, the row's paragraphs
    Pinnacles,     // the four pinnacles, each under its age label
    Single,        // "Life Path Number: 4", the explanation, the row's paragraph
    Challenges,    // the four challenges, each with the ages of its period
    PersonalYear,  // as Single, the heading naming the year of interest
    PersonalMonth, // ... its month
    PersonalDay,   // ... its day
    Lessons,       // every missing value with its paragraph
    Debts,         // every debt with the number it was met in
};

struct SectionDescriptor {
    SectionId id;
    Part part;
    std::string_view caption; // "Destiny Number", "Challenge Numbers": the tab or heading
    std::string_view jsonKey; // "destiny", "pinnacles"
    Layout layout;
    const ReadingTable &(*table)();
    std::string_view heading; // Standard: "Your Destiny Number is "
    NumberId first;           // the numbers it shows: first and the count - 1 after it
    std::uint8_t count;
    bool listed;              // JSON gives "numbers" (a list) rather than "number"
};

// How the outputs draw a chart element.
enum class ElementLayout : std::uint8_t {
    ValueCounts, // a count for each value 1-9: a grid of three rows (1 4 7, 2 5 8, 3 6 9); in JSON and the
                 // batch the nine counts, value 1 first
    Planes,      // a row for each plane: its letters, their total and number, and its reading
};

// One chart element as every output names it.
struct ElementDescriptor {
    ElementId id;
    std::string_view key;    // "inclusion": how JSON keys it
    std::string_view title;  // "Inclusion": its heading
    std::string_view column; // "inclusion": its batch column; empty when a batch has none
    ElementLayout layout;
    std::string_view (*explanation)(); // what it shows, in a sentence or two
    std::uint8_t rows;       // the lines of its working: one per value, one per plane
};

[[nodiscard]] std::span<const NumberDescriptor> numberDescriptors();
[[nodiscard]] const NumberDescriptor &describe(NumberId id);
// The number with this key, or nullptr.
[[nodiscard]] const NumberDescriptor *findNumber(std::string_view key);

[[nodiscard]] std::span<const ElementDescriptor> elementDescriptors();
[[nodiscard]] const ElementDescriptor &describe(ElementId id);

[[nodiscard]] std::span<const SectionDescriptor> sectionDescriptors();
[[nodiscard]] const SectionDescriptor &describe(SectionId id);
// The readings of one part, in order.
[[nodiscard]] std::span<const SectionDescriptor> sectionsOf(Part part);

inline constexpr std::size_t kReadingCount = 8;

struct System;

// How a number stands under one system, decided here once for every output:
// whether the system has it, whether it is a list (JSON "numbers", a CSV cell
// of numbers apart by spaces) or one value, whether a compound number may
// stand beside it, and whether the batch writes its column.
struct NumberShape {
    NumberId id;
    bool defined;
    bool list;
    bool compound;
    bool batched;
    std::string_view key;    // "soulUrge", as in JSON
    std::string_view column; // "soul_urge", as in CSV

    // "soul_urge_compound", "soulUrgeCompound"
    [[nodiscard]] std::string compoundColumn() const { return std::string(column) + "_compound"; }
    [[nodiscard]] std::string compoundKey() const { return std::string(key) + "Compound"; }
};

[[nodiscard]] NumberShape shapeOf(const System &system, NumberId id);
// The numbers the batch writes under the system, in the order of its columns
// (a compound's column after its number's).
[[nodiscard]] std::vector<NumberShape> batchedNumbers(const System &system);

} // namespace velmora
