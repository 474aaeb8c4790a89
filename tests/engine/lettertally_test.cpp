// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>

#include "chart.h"
#include "letters.h"
#include "person.h"

using velmora::BirthData;
using velmora::LetterValue;

namespace {

// The name-based numbers worked out the plain way, from the chart alone:
// letters counted in a map, the first letter of the name with the highest
// count, the values present in a set.
struct PlainNumbers {
    std::int64_t full = 0;
    std::int64_t vowels = 0;
    int hiddenPassion = 0;
    int subconsciousSelf = 0;
};

PlainNumbers plainNumbers(const std::string &name)
{
    PlainNumbers plain;
    std::map<char, std::int64_t> counts;
    std::array<bool, 10> present{};
    for (const char ch : name) {
        const velmora::LetterInfo letter = LetterValue(ch);
        if (letter.value == 0)
            continue;
        plain.full += letter.value;
        plain.vowels += letter.vowel ? letter.value : 0;
        present[static_cast<std::size_t>(letter.value)] = true;
        ++counts[ch];
    }
    std::int64_t best = 0;
    for (const char ch : name) {
        if (LetterValue(ch).value != 0 && counts[ch] > best) {
            best = counts[ch];
            plain.hiddenPassion = LetterValue(ch).value;
        }
    }
    for (const bool p : present)
        plain.subconsciousSelf += p ? 1 : 0;
    return plain;
}

// Names of letters in both cases, spaces, hyphens, digits and UTF-8 bytes;
// sometimes from a few letters only, so that counts tie, and sometimes long.
class RandomPeople
{
public:
    BirthData next()
    {
        BirthData person;
        for (std::string *name : {&person.FirstName, &person.MiddleName, &person.LastName})
            *name = nextName();
        person.BirthYear = static_cast<std::int16_t>(1 + m_random() % 9999);
        person.BirthMonth = static_cast<std::int16_t>(1 + m_random() % 12);
        person.BirthDay = static_cast<std::int16_t>(1 + m_random() % 28);
        return person;
    }

private:
    std::string nextName()
    {
        static const std::string kBytes = "AaJjSsEeIiOoUuYyWwZz- '09\xC3\xA9\xC3\x89"
                                          "BCDFGHKLMNPQRTVXbcdfghklmnpqrtvx";
        const std::size_t pool = m_random() % 3 == 0 ? 5 : kBytes.size();
        const std::size_t length = m_random() % 5 == 0 ? 80 + m_random() % 200 : m_random() % 13;
        std::string name;
        for (std::size_t i = 0; i < length; ++i)
            name += kBytes[m_random() % pool];
        return name;
    }

    std::mt19937 m_random{20261208};
};

// Runs the check for 3,000 random people, naming each in a failure.
template<typename Check>
void forRandomPeople(Check check)
{
    RandomPeople people;
    for (int i = 0; i < 3000; ++i) {
        const BirthData person = people.next();
        SCOPED_TRACE(testing::Message() << '"' << person.FirstName << "\" \"" << person.MiddleName << "\" \""
                                        << person.LastName << '"');
        check(person);
    }
}

TEST(LetterTally, countsEveryByteAsTheChartSays)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char ch = static_cast<char>(byte);
        const velmora::LetterInfo letter = LetterValue(ch);
        // Once, as often as a byte counts (the short names' counts) and once
        // more, and more often than 16 bits count (a batch field may hold 1 MiB).
        for (const std::int64_t times : {1, 255, 256, 70'000}) {
            SCOPED_TRACE(testing::Message() << "byte " << byte << " x" << times);
            const velmora::LetterTally tally = velmora::tallyLetters(std::string(static_cast<std::size_t>(times), ch));
            EXPECT_EQ(tally.sums.full, times * letter.value);
            EXPECT_EQ(tally.sums.vowels, letter.vowel ? times * letter.value : 0);
            EXPECT_EQ(tally.sums.consonants, letter.vowel ? 0 : times * letter.value);
            EXPECT_EQ(tally.values, letter.value == 0 ? 0U : 1U << letter.value);
            EXPECT_EQ(tally.mostFrequent, letter.value == 0 ? '\0' : ch);
            if (letter.value != 0) {
                EXPECT_EQ(tally.valueCounts[static_cast<std::size_t>(letter.value)], times);
            }
        }
        // Before a letter: a letter that occurs first wins the tie, and any
        // other byte leaves the letter the most frequent.
        EXPECT_EQ(velmora::tallyLetters(std::string(1, ch) + 'A').mostFrequent, letter.value == 0 ? 'A' : ch)
            << "byte " << byte;
    }
}

// Among letters of equal count the one that occurs first in the whole name
// wins, whichever name part holds it and however the counts grew.
TEST(LetterTally, picksTheFirstOfEquallyFrequentLetters)
{
    struct Case {
        velmora::NameParts names;
        char expected;
    };
    for (const Case &c : {Case{{"ABAB", "", ""}, 'A'}, Case{{"BAAB", "", ""}, 'B'}, Case{{"Ann", "", "Lee"}, 'n'},
                          Case{{"Lee", "", "Ann"}, 'e'}, Case{{"x", "yy", "xy"}, 'y'}, Case{{"Aa", "", "aA"}, 'A'},
                          Case{{"-", "3", "Zz"}, 'Z'}, Case{{"--", "", "12"}, '\0'}}) {
        EXPECT_EQ(velmora::tallyLetters(c.names, velmora::classicSystem()).mostFrequent, c.expected)
            << c.names[0] << "|" << c.names[1] << "|" << c.names[2];
    }
}

TEST(LetterTally, agreesWithAPlainCountOnRandomNames)
{
    forRandomPeople([](const BirthData &person) {
        const PlainNumbers plain = plainNumbers(person.FirstName + person.MiddleName + person.LastName);
        const velmora::LetterTally tally = velmora::tallyLetters(person);
        EXPECT_EQ(tally.sums.full, plain.full);
        EXPECT_EQ(tally.sums.vowels, plain.vowels);
        EXPECT_EQ(tally.sums.consonants, plain.full - plain.vowels);
        const velmora::Chart numbers = chart(person);
        EXPECT_EQ(numbers.number(velmora::NumberId::HiddenPassion), plain.hiddenPassion);
        EXPECT_EQ(numbers.number(velmora::NumberId::SubconsciousSelf), plain.subconsciousSelf);
    });
}

// The names count as one string: where one name ends and the next begins
// makes no difference to any number drawn from them.
TEST(Chart, readsTheThreeNamesAsOneString)
{
    forRandomPeople([](const BirthData &person) {
        BirthData joined = person;
        joined.FirstName = person.FirstName + person.MiddleName + person.LastName;
        joined.MiddleName.clear();
        joined.LastName.clear();
        const velmora::Chart one = chart(joined);
        const velmora::Chart three = chart(person);
        for (const velmora::NumberDescriptor &number : velmora::numberDescriptors())
            EXPECT_TRUE(std::ranges::equal(one[number.id].list(), three[number.id].list())) << number.key;
    });
}

// ReduceNumber's table of small totals, and the totals beyond it, against
// digit sums taken one at a time.
TEST(ReduceNumber, agreesWithDigitSumsTakenOneByOne)
{
    const auto reduce = [](std::uint64_t total, bool masterNumbers) {
        do {
            std::uint64_t sum = 0;
            for (; total > 0; total /= 10)
                sum += total % 10;
            total = sum;
        } while (total > 9 && !(masterNumbers && (total == 11 || total == 22)));
        return static_cast<int>(total);
    };
    std::mt19937_64 random(1980);
    for (std::int64_t total = 0; total < 30000; ++total) {
        for (const bool masters : {false, true})
            ASSERT_EQ(velmora::ReduceNumber(total, masters), reduce(static_cast<std::uint64_t>(total), masters))
                << total;
    }
    for (int i = 0; i < 10000; ++i) {
        const auto total = static_cast<std::int64_t>(random() >> (1 + random() % 63)); // 0 to 2^63 - 1
        for (const bool masters : {false, true})
            ASSERT_EQ(velmora::ReduceNumber(total, masters), reduce(static_cast<std::uint64_t>(total), masters))
                << total;
    }
}

} // namespace
