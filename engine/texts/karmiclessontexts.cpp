// SPDX-License-Identifier: MIT
#include "karmiclessontexts.h"

#include <array>

#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "Karmic Lessons are the values that no letter of your full name carries. Each marks a "
    "quality you were given little of and are asked to learn along the way.";

constexpr std::string_view kTexts[] = {
    // 1
    "Learn to trust your own judgement and to act without waiting for approval.",
    // 2
    "Learn tact, patience and the give and take of working closely with others.",
    // 3
    "Learn to voice your feelings and ideas instead of keeping them bottled up.",
    // 4
    "Learn method and thrift: a budget, a timetable and work carried to its end.",
    // 5
    "Learn to welcome change and to take a sensible risk when the chance appears.",
    // 6
    "Learn to accept duties at home and to give care without counting its cost.",
    // 7
    "Learn to look beneath the surface, to study deeply and to have faith.",
    // 8
    "Learn to handle money, property and authority wisely and without fear.",
    // 9
    "Learn compassion for people unlike yourself and a view wider than your own circle.",
};

constexpr std::array<ReadingRow, 9> kRows = paragraphRows<9>(consecutiveNumbers<9>(1), kTexts);

} // namespace

const ReadingTable &karmicLessonTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
