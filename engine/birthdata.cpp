// SPDX-License-Identifier: MIT
#include "birthdata.h"

#include <array>

#include "birthdataview.h"

namespace velmora {

// Both without a branch on the date: the batch mode checks one for every row,
// and a branch per month length or leap rule is mispredicted for many of them.
bool isLeapYear(int year)
{
    const bool byFour = year % 4 == 0;
    const bool byHundred = year % 100 == 0;
    const bool byFourHundred = year % 400 == 0;
    return (byFour & !byHundred) | byFourHundred;
}

int daysInMonth(int month, int year)
{
    // Index 0 stands for every number that is not a month.
    static constexpr std::array<std::int8_t, 13> kDays = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const auto index = static_cast<unsigned>(month) <= 12 ? static_cast<std::size_t>(month) : 0;
    return kDays[index] + static_cast<int>(month == 2 && isLeapYear(year));
}

bool hasValidDate(const BirthData &data)
{
    return hasValidDate(BirthDataView(data));
}

bool hasValidDate(const BirthDataView &data)
{
    return data.BirthYear >= kMinYear && data.BirthYear <= kMaxYear && data.BirthMonth >= 1 && data.BirthMonth <= 12
        && data.BirthDay >= 1 && data.BirthDay <= 31;
}

bool isRealDate(int day, int month, int year)
{
    return year >= kMinYear && year <= kMaxYear && day >= 1 && day <= daysInMonth(month, year);
}

} // namespace velmora
