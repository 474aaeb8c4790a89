// SPDX-License-Identifier: MIT
#include "personinput.h"

#include <array>

namespace velmora {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

int digitsValue(std::string_view digits)
{
    int value = 0;
    for (const char ch : digits)
        value = value * 10 + (ch - '0');
    return value;
}

} // namespace

std::string_view trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<IsoDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!isDigit(text[i]))
            return std::nullopt;
    }
    const IsoDate date{digitsValue(text.substr(0, 4)), digitsValue(text.substr(5, 2)), digitsValue(text.substr(8, 2))};
    if (!isRealDate(date.day, date.month, date.year))
        return std::nullopt;
    return date;
}

InputFault readPerson(const PersonFields &fields, BirthData &data)
{
    const std::string_view first = trimSpaces(fields.first);
    if (first.empty())
        return InputFault::EmptyFirstName;
    const std::optional<IsoDate> date = parseIsoDate(fields.date);
    if (!date)
        return InputFault::BadDate;
    const std::string_view last = trimSpaces(fields.last);
    if (last.empty())
        return InputFault::EmptyLastName;
    // assign() keeps the strings' storage, so a batch reusing one record does not allocate per row.
    data.FirstName.assign(first);
    data.MiddleName.assign(trimSpaces(fields.middle));
    data.LastName.assign(last);
    data.BirthDay = static_cast<std::int16_t>(date->day);
    data.BirthMonth = static_cast<std::int16_t>(date->month);
    data.BirthMonthName.assign(monthName(date->month));
    data.BirthYear = static_cast<std::int16_t>(date->year);
    return InputFault::None;
}

std::string_view faultText(InputFault fault)
{
    switch (fault) {
    case InputFault::None:
        break;
    case InputFault::EmptyFirstName:
        return "the first name is empty";
    case InputFault::BadDate:
        return "the date is not a real date written YYYY-MM-DD (years 1-9999)";
    case InputFault::EmptyLastName:
        return "the last name is empty";
    }
    return {};
}

std::string_view monthName(int month)
{
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

} // namespace velmora
