// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include <cstddef>
#include <string>
#include <string_view>

#include "reading.h"

// One stored paragraph as it must be: the table it lives in, the row number
// (kExplanation for the explanation paragraph), its place in the row, its
// exact opening words and its length in characters (kept within 10%).
struct TextCase {
    static constexpr int kExplanation = -1;

    std::string_view name; // unique, used as the test name
    const velmora::ReadingTable &(*table)();
    int number = kExplanation;
    std::size_t paragraph = 0;
    std::string_view opening;
    std::size_t length = 0;


    friend void PrintTo(const TextCase &c, std::ostream *os) { *os << c.name; }
};

class ReadingTextTest : public ::testing::TestWithParam<TextCase>
{
};

inline std::string textCaseName(const ::testing::TestParamInfo<TextCase> &info)
{
    return std::string(info.param.name);
}
