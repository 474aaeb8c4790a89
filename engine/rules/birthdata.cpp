// SPDX-License-Identifier: MIT
#include "birthdata.h"

#include <array>


namespace velmora {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && isLeapYear(year))
        return 29;
    return kDays[static_cast<std::size_t>(month - 1)];
}

std::string_view monthName(int month)
{
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

std::string fullName(const BirthData &data)
{
    std::string name;
    for (const std::string *part : {&data.FirstName, &data.MiddleName, &data.LastName}) {
        if (part->empty())
            continue;
        if (!name.empty())
            name.push_back(' ');
        name.append(*part);
    }
    return name;
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
