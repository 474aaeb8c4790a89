// SPDX-License-Identifier: MIT
#include "benchpeople.h"

#include <array>
#include <cstdio>
#include <random>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 16> kSyllables = {"an", "ber", "cha", "dor", "el", "fi", "gun", "ha",
                                                         "is", "jo", "kel", "li", "mar", "no", "ro", "sen"};

std::string name(std::mt19937 &random, bool capital)
{
    std::string text;
    const unsigned parts = 2 + random() % 3;
    for (unsigned i = 0; i < parts; ++i)
        text += kSyllables[random() % kSyllables.size()];
    if (capital)
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

} // namespace

std::vector<velmora::BirthData> benchPeople(std::size_t count)
{
    std::mt19937 random(1980);
    std::vector<velmora::BirthData> people(count);
    for (velmora::BirthData &person : people) {
        person.FirstName = name(random, true);
        if (random() % 2 == 0)
            person.MiddleName = name(random, true);
        person.LastName = name(random, random() % 4 != 0);
        person.BirthYear = static_cast<std::int16_t>(1900 + random() % 151);
        person.BirthMonth = static_cast<std::int16_t>(1 + random() % 12);
        const int days = velmora::daysInMonth(person.BirthMonth, person.BirthYear);
        person.BirthDay = static_cast<std::int16_t>(1 + random() % static_cast<unsigned>(days));
    }
    return people;
}

std::string benchPeopleCsv(std::size_t count)
{
    std::string csv = "first,middle,last,date\r\n";
    for (const velmora::BirthData &person : benchPeople(count)) {
        std::array<char, 32> date{};
        std::snprintf(date.data(), date.size(), "%04d-%02d-%02d", person.BirthYear, person.BirthMonth,
                      person.BirthDay);
        csv.append(person.FirstName).append(",").append(person.MiddleName).append(",").append(person.LastName);
        csv.append(",").append(date.data()).append("\r\n");
    }
    return csv;
}
