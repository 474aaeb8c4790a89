// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A person as the tool and the window take one: the names as typed, the date
// of birth and the date of interest of the personal cycles.
struct GeneratedPerson {
    QString first;
    QString middle;
    QString last;
    int year = 1;
    int month = 1;
    int day = 1;
    QString on; // YYYY-MM-DD

    [[nodiscard]] QString date() const;
};

// Made-up people that reach the corners of the rules: Y and W, every letter in
// both cases, ties for the most frequent letter, letter totals of 11, 22, 33,
// the Karmic Debts' 13, 14, 16 and 19 and very large ones, separators and
// letters that do not count, the first and last years and 29 February. The
// same seed gives the same people on every machine and library version: the
// generator is a splitmix64 of its own and uses no standard distribution.
class PeopleGenerator
{
public:
    explicit PeopleGenerator(std::uint64_t seed);

    [[nodiscard]] std::vector<GeneratedPerson> people(int count);

private:
    std::uint64_t next();
    int below(int bound);
    bool percent(int share);
    template<typename List>
    auto pick(const List &list) -> decltype(list[0]);

    static std::optional<GeneratedPerson> fixedPerson(int index);
    GeneratedPerson randomPerson();
    void fillNames(GeneratedPerson &person);
    QString syllableName();
    QString randomLetters();
    QString repeatedLetters();
    QString lettersAddingUpTo(int total, bool vowels);
    void namesWithTotals(GeneratedPerson &person);
    QString uncountedName();
    QString separated(QString name);
    QString decorated(QString name);
    void fillDate(GeneratedPerson &person);

    std::uint64_t m_state;
};
