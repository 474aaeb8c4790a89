// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "birthdata.h"

// A person as the tests need one: the three names and the date of birth.
inline velmora::BirthData person(const char *first, const char *middle, const char *last, int day = 1, int month = 1,
                                 int year = 1900)
{
    velmora::BirthData data;
    data.FirstName = first;
    data.MiddleName = middle;
    data.LastName = last;
    data.BirthDay = static_cast<std::int16_t>(day);
    data.BirthMonth = static_cast<std::int16_t>(month);
    data.BirthYear = static_cast<std::int16_t>(year);
    return data;
}

#include "chart.h"

// The classic chart of a person, the personal cycles of the given date.
inline velmora::Chart chart(const velmora::BirthData &data, velmora::CalendarDate on = {1, 1, 2000},
                            bool withWorking = false)
{
    return velmora::chartOf(data, velmora::classicSystem(), on, withWorking);
}

// The four numbers from first on: the pinnacles or the challenges.
inline std::array<int, 4> fourOf(const velmora::Chart &c, velmora::NumberId first)
{
    std::array<int, 4> numbers{};
    for (std::size_t k = 0; k < numbers.size(); ++k)
        numbers[k] = c.numbers().values[velmora::indexOf(first) + k].value();
    return numbers;
}
