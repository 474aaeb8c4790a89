// SPDX-License-Identifier: MIT
#pragma once

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
