// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "birthdata.h"
#include "letters.h"

namespace velmora {

// One person as typed: names as given, the date as YYYY-MM-DD.
struct PersonFields {
    std::string_view first;
    std::string_view middle;
    std::string_view last;
    std::string_view date;
};

// A person written as one argument, FIRST,MIDDLE,LAST,YYYY-MM-DD, the order
// of the batch's columns (--compare takes people so): the four fields as
// views into the text, or nullopt when it has not exactly four.
[[nodiscard]] std::optional<PersonFields> splitPerson(std::string_view text);

// What the input page would refuse, in the order it checks.
enum class InputFault { None, EmptyFirstName, BadDate, EmptyLastName };

struct IsoDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A date written YYYY-MM-DD that exists in the Gregorian calendar, years 1-9999.
[[nodiscard]] std::optional<IsoDate> parseIsoDate(std::string_view text);

// A person who passed the input page's checks: the names trimmed, as views
// into the fields they came from, and the date.
struct CheckedPerson {
    NameParts names;
    IsoDate date;
};

// Checks the person as the input page does (first name, date, last name).
// Names may hold any characters; the calculations count only A-Z.
[[nodiscard]] InputFault checkPerson(const PersonFields &fields, CheckedPerson &person);

// The day, month and year alone into data, without the month's name: all
// that a calculation reads of the date.
void setBirthDate(const IsoDate &date, BirthData &data);
// The names and the date, with its month's name, into data.
void fillPerson(const CheckedPerson &person, BirthData &data);

// checkPerson, and when sound fillPerson.
[[nodiscard]] InputFault readPerson(const PersonFields &fields, BirthData &data);

[[nodiscard]] std::string_view faultText(InputFault fault);

} // namespace velmora
