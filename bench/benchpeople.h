// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "birthdata.h"

// Made-up people for the benchmarks, the same for every run: names of 3 to
// 10 letters, a middle name for about half of them, dates of birth between
// 1900 and 2050.
[[nodiscard]] std::vector<velmora::BirthData> benchPeople(std::size_t count);

// The same people as batch input: the header first,middle,last,date and one
// row each, CR LF line ends.
[[nodiscard]] std::string benchPeopleCsv(std::size_t count);
