// SPDX-License-Identifier: MIT
#include "personinput.h"

#include <array>

namespace velmora {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};

// The value of a digit, or 10 or more for any other character.
unsigned digitValue(char ch)
{
    return static_cast<unsigned>(static_cast<unsigned char>(ch)) - '0';
}

} // namespace

std::string_view trimSpaces(std::string_view text)
{
    // Most names have no space at either end.
    if (text.empty() || (text.front() != ' ' && text.back() != ' '))
        return text;
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<IsoDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10)
        return std::nullopt;
    // Every character is looked at, with one branch for all of them: the
    // batch mode reads a date for every row. The arithmetic is unsigned, as
    // the values of characters that are no digits are used before the check.
    unsigned bad = (text[4] != '-' ? 1U : 0U) | (text[7] != '-' ? 1U : 0U);
    const auto digit = [&bad, text](std::size_t i) {
        const unsigned value = digitValue(text[i]);
        bad |= value > 9 ? 1U : 0U;
        return value;
    };
    const unsigned year = digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3);
    const unsigned month = digit(5) * 10 + digit(6);
    const unsigned day = digit(8) * 10 + digit(9);
    if (bad != 0)
        return std::nullopt;
    const IsoDate date{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
    if (!isRealDate(date.day, date.month, date.year))
        return std::nullopt;
    return date;
}

InputFault readPerson(const PersonFields &fields, BirthDataView &data)
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
    data.FirstName = first;
    data.MiddleName = trimSpaces(fields.middle);
    data.LastName = last;
    data.BirthDay = static_cast<std::int16_t>(date->day);
    data.BirthMonth = static_cast<std::int16_t>(date->month);
    data.BirthYear = static_cast<std::int16_t>(date->year);
    return InputFault::None;
}

InputFault readPerson(const PersonFields &fields, BirthData &data)
{
    BirthDataView view;
    const InputFault fault = readPerson(fields, view);
    if (fault != InputFault::None)
        return fault;
    data.FirstName.assign(view.FirstName);
    data.MiddleName.assign(view.MiddleName);
    data.LastName.assign(view.LastName);
    data.BirthDay = view.BirthDay;
    data.BirthMonth = view.BirthMonth;
    data.BirthMonthName.assign(monthName(view.BirthMonth));
    data.BirthYear = view.BirthYear;
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
