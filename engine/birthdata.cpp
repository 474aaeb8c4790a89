// SPDX-License-Identifier: MIT
#include "birthdata.h"

namespace velmora {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year)
{
    switch (month) {
    case 2:
        return isLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return month >= 1 && month <= 12 ? 31 : 0;
    }
}

bool hasValidDate(const BirthData &data)
{
    return data.BirthYear >= kMinYear && data.BirthYear <= kMaxYear && data.BirthMonth >= 1 && data.BirthMonth <= 12
        && data.BirthDay >= 1 && data.BirthDay <= 31;
}

bool isRealDate(int day, int month, int year)
{
    return year >= kMinYear && year <= kMaxYear && day >= 1 && day <= daysInMonth(month, year);
}

} // namespace velmora
