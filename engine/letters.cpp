// SPDX-License-Identifier: MIT
#include "letters.h"

#include <cassert>

namespace velmora {

LetterSums letterSums(std::string_view text)
{
    LetterSums sums;
    for (const char ch : text) {
        const LetterInfo letter = LetterValue(ch);
        sums.full += letter.value;
        (letter.vowel ? sums.vowels : sums.consonants) += letter.value;
    }
    return sums;
}

LetterSums letterSums(const BirthData &data)
{
    LetterSums sums;
    for (const std::string *part : {&data.FirstName, &data.MiddleName, &data.LastName}) {
        const LetterSums s = letterSums(*part);
        sums.full += s.full;
        sums.consonants += s.consonants;
        sums.vowels += s.vowels;
    }
    return sums;
}

std::string nameString(const BirthData &data)
{
    std::string name;
    name.reserve(data.FirstName.size() + data.MiddleName.size() + data.LastName.size());
    name.append(data.FirstName).append(data.MiddleName).append(data.LastName);
    return name;
}

int ReduceNumber(std::int64_t total, bool masterNumbers)
{
    assert(total >= 0);
    if (total < 0)
        total = -total;
    do {
        std::int64_t digitSum = 0;
        for (; total > 0; total /= 10)
            digitSum += total % 10;
        total = digitSum;
    } while (total > 9 && !(masterNumbers && (total == 11 || total == 22)));
    return static_cast<int>(total);
}

} // namespace velmora
