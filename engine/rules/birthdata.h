// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calendardate.h"

namespace velmora {

// The birth data behind one set of readings. Names are UTF-8; only the
// letters A-Z and a-z take part in any calculation.
//
// The calculations expect BirthDay 1-31, BirthMonth 1-12 and BirthYear
// 1-9999; the input page, the report reader and the command-line tool make
// sure of it before anything is calculated.
struct BirthData {
    std::string FirstName;
    std::string MiddleName;
    std::string LastName;
    std::int16_t BirthDay = 0;
    std::int16_t BirthMonth = 0;
    std::string BirthMonthName;
    std::int16_t BirthYear = 0;

    friend bool operator==(const BirthData &, const BirthData &) = default;
};

inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;

// The ranges the calculations rely on: day 1-31, month 1-12, year 1-9999.
[[nodiscard]] bool hasValidDate(const BirthData &data);

// Gregorian calendar: a leap year is divisible by 4, and not by 100 unless by 400.
[[nodiscard]] bool isLeapYear(int year);
[[nodiscard]] int daysInMonth(int month, int year);
// A date that exists in the Gregorian calendar, year 1-9999.
[[nodiscard]] bool isRealDate(int day, int month, int year);

// The date of birth, as the numbers drawn from it read it.
[[nodiscard]] inline CalendarDate dateOfBirth(const BirthData &data)
{
    return {data.BirthDay, data.BirthMonth, data.BirthYear};
}

// First, middle (when there is one) and last name, one space apart, as every
// output names the person.
[[nodiscard]] std::string fullName(const BirthData &data);

// The English month name for 1-12, empty for any other number.
[[nodiscard]] std::string_view monthName(int month);

} // namespace velmora
