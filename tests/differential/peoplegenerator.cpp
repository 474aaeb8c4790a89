// SPDX-License-Identifier: MIT
#include "peoplegenerator.h"

#include <array>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kVowels = "AEIOU";
constexpr std::string_view kConsonants = "BCDFGHJKLMNPQRSTVWXYZ";

// The letter chart: A J S = 1, B K T = 2, ... I R = 9.
int letterValue(char letter)
{
    return (letter - 'A') % 9 + 1;
}

// Totals that stop a reduction or pass through one: master numbers as the
// starting total and as a digit sum (29, 38, 499 ...), 33, the Karmic Debts
// at the start and on the way (49 → 13, 59 → 14, 79 → 16, 199 → 19), and the
// edges of ten thousand.
constexpr std::array kTotals = {1,   2,   9,   10,  11,  12,  13,  14,  16,  19,  20,   22,   29,    31,    33,
                                38,  40,  44,  47,  49,  55,  58,  59,  66,  67,  68,   76,   77,   79,    85,
                                88,  94,  97,  99,  103, 112, 121, 139, 148, 166, 199,  229,  289,  299,   379,
                                389, 499, 589, 679, 769, 859, 949, 999, 1399, 2929, 4999, 9999, 10000, 10001};
constexpr std::array kHugeTotals = {10049, 10050, 10051, 12345, 19999, 29999};

constexpr std::array kDatesOfInterest = {"2025-12-31"_L1, "2026-01-01"_L1, "2024-02-29"_L1, "2000-01-01"_L1,
                                         "0001-01-01"_L1, "9999-12-31"_L1, "1999-12-31"_L1, "2026-07-15"_L1};

constexpr std::array kOnsets = {"",  "b", "c", "d", "f", "g",  "h",  "j",  "k",  "l",  "m",  "n",  "p",  "qu", "r",
                                "s", "t", "v", "w", "x", "y",  "z",  "th", "sh", "ch", "wr", "br", "st", "gw", "wy"};
constexpr std::array kNuclei = {"a", "e", "i", "o", "u", "y", "ai", "ea", "oo", "ou", "ey", "aw", "ow", "ie", "ya"};
constexpr std::array kCodas = {"", "", "", "n", "r", "s", "th", "ck", "ll", "nn", "w", "y", "x", "z", "ld"};

// Characters outside A-Z: accented letters of Windows-1252, letters a report
// file cannot hold, a combining accent, and the folded letters' special cases.
constexpr std::array kUncounted = {u"é", u"ß", u"Ø", u"ø", u"ñ", u"ü", u"Å", u"æ", u"œ", u"Ÿ", u"Þ",
                                   u"Ω", u"Ж", u"ı", u"ẞ", u"\u0301", u"ĳ", u"ç", u"Ð"};
constexpr std::array kWithoutLetters = {u"Øø", u"ßß", u"Ωμέγα", u"---", u"'.", u"Ææ", u"ñ", u"Жанна", u"é-è"};

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year)
{
    constexpr std::array days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

QString capitalised(QString name)
{
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace

QString GeneratedPerson::date() const
{
    return u"%1-%2-%3"_s.arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0')).arg(day, 2, 10, QChar(u'0'));
}

PeopleGenerator::PeopleGenerator(std::uint64_t seed)
    : m_state(seed)
{
}

std::uint64_t PeopleGenerator::next()
{
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

int PeopleGenerator::below(int bound)
{
    return static_cast<int>(next() % static_cast<std::uint64_t>(bound));
}

bool PeopleGenerator::percent(int share)
{
    return below(100) < share;
}

template<typename List>
auto PeopleGenerator::pick(const List &list) -> decltype(list[0])
{
    return list[static_cast<std::size_t>(below(static_cast<int>(list.size())))];
}

std::vector<GeneratedPerson> PeopleGenerator::people(int count)
{
    std::vector<GeneratedPerson> people;
    people.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        const std::optional<GeneratedPerson> fixed = fixedPerson(index);
        GeneratedPerson person = fixed ? *fixed : randomPerson();
        person.on = pick(kDatesOfInterest);
        people.push_back(person);
    }
    return people;
}

// The first people are written out: every letter in both cases, the worked
// examples, the refusals, the first and last dates.
std::optional<GeneratedPerson> PeopleGenerator::fixedPerson(int index)
{
    struct Fixed {
        const char16_t *first;
        const char16_t *middle;
        const char16_t *last;
        int year;
        int month;
        int day;
    };
    static constexpr std::array kFixed = {
        Fixed{u"Abcdefghijklm", u"", u"Nopqrstuvwxyz", 1980, 7, 15},
        Fixed{u"ABCDEFGHIJKLM", u"", u"NOPQRSTUVWXYZ", 1975, 9, 20},
        Fixed{u"abcdefghijklmnopqrstuvwxyz", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", u"Yw", 2000, 2, 29},
        Fixed{u"John", u"", u"Smith", 1980, 7, 15},
        Fixed{u"John", u"Paul", u"Smith", 1980, 7, 15},
        Fixed{u"Anna", u"Lee", u"Smith", 1975, 9, 20},
        Fixed{u"Lynn", u"", u"Wynn", 2000, 1, 1},
        Fixed{u"David", u"", u"Brown", 1962, 3, 3},
        Fixed{u"Wy", u"Yw", u"Wyyw", 1, 1, 1},
        Fixed{u"Øø", u"", u"Øø", 9999, 12, 31},
        Fixed{u"José", u"", u"Muñoz", 1980, 7, 15},
        Fixed{u"Straße", u"Ørsted", u"Éclair", 1900, 2, 28},
        Fixed{u"Mary-Jane", u"", u"O'Neil", 1904, 2, 29},
        Fixed{u"St. John", u"van der", u"Berg", 2050, 12, 31},
        Fixed{u"  Padded ", u"  ", u"  Name  ", 1900, 1, 1},
        Fixed{u"Zoë", u"", u"Ωmega", 1990, 3, 3},
        Fixed{u"Aaaa", u"", u"Bbbb", 2000, 2, 29},
        Fixed{u"aAbB", u"Bb", u"AaBb", 1600, 2, 29},
        Fixed{u"", u"", u"Smith", 1980, 7, 15},
        Fixed{u"   ", u"", u"Smith", 1980, 7, 15},
        Fixed{u"Ann", u"", u"   ", 1980, 7, 15},
        Fixed{u"Ann", u"Lee", u"", 9996, 2, 29},
        Fixed{u"Ka", u"", u"B", 4, 2, 29},
        Fixed{u"Qqq", u"Zzz", u"Hhh", 9999, 1, 31},
        Fixed{u"Iiiiiiiiiii", u"", u"Rrrrrrrrrrr", 1, 12, 31},
    };
    if (index >= static_cast<int>(kFixed.size()))
        return std::nullopt;
    const Fixed &fixed = kFixed[static_cast<std::size_t>(index)];
    GeneratedPerson person;
    person.first = QString::fromUtf16(fixed.first);
    person.middle = QString::fromUtf16(fixed.middle);
    person.last = QString::fromUtf16(fixed.last);
    person.year = fixed.year;
    person.month = fixed.month;
    person.day = fixed.day;
    return person;
}

GeneratedPerson PeopleGenerator::randomPerson()
{
    GeneratedPerson person;
    fillNames(person);
    fillDate(person);
    return person;
}

void PeopleGenerator::fillNames(GeneratedPerson &person)
{
    const int roll = below(1000);
    if (roll < 200) { // letter totals chosen beforehand
        namesWithTotals(person);
        return;
    }
    if (roll < 204) { // far beyond the tables of small totals
        const int total = pick(kHugeTotals);
        const int vowels = 1 + below(total / 3);
        person.first = lettersAddingUpTo(vowels, true);
        person.middle = QString();
        person.last = lettersAddingUpTo(total - vowels, false);
        return;
    }
    if (roll < 210) { // refused: a first or last name that is empty or all spaces
        person.first = percent(50) ? QString() : u"  "_s;
        person.last = syllableName();
        if (percent(50))
            std::swap(person.first, person.last);
        return;
    }
    // Otherwise each name has a kind of its own.
    const auto name = [this] {
        const int kind = below(100);
        QString text;
        if (kind < 45)
            text = syllableName();
        else if (kind < 65)
            text = randomLetters();
        else if (kind < 80)
            text = repeatedLetters();
        else
            text = uncountedName();
        return percent(12) ? decorated(text) : text;
    };
    person.first = name();
    person.middle = percent(40) ? QString() : name();
    person.last = name();
}

QString PeopleGenerator::syllableName()
{
    QString name;
    const int syllables = 1 + below(4);
    for (int k = 0; k < syllables; ++k)
        name += QLatin1StringView(pick(kOnsets)) + QLatin1StringView(pick(kNuclei)) + QLatin1StringView(pick(kCodas));
    const int casing = below(20);
    if (casing == 0)
        return name.toUpper();
    if (casing == 1)
        return name;
    return capitalised(name);
}

QString PeopleGenerator::randomLetters()
{
    QString name;
    const int length = 1 + below(14);
    for (int k = 0; k < length; ++k)
        name += QChar(u'A' + below(26) + (percent(50) ? 32 : 0));
    return name;
}

// A few letters, each as often as the others: the most frequent letter is a
// tie, and upper and lower case count apart.
QString PeopleGenerator::repeatedLetters()
{
    QString letters;
    const int distinct = 1 + below(3);
    const int times = 2 + below(4);
    for (int k = 0; k < distinct; ++k) {
        const QChar letter(u'A' + below(26) + (percent(30) ? 32 : 0));
        letters += QString(times, letter);
    }
    if (percent(30))
        letters += QChar(u'a' + below(26));
    for (qsizetype k = letters.size() - 1; k > 0; --k)
        std::swap(letters[k], letters[below(static_cast<int>(k) + 1)]);
    return letters;
}

QString PeopleGenerator::lettersAddingUpTo(int total, bool vowels)
{
    const std::string_view alphabet = vowels ? kVowels : kConsonants;
    QString letters;
    for (int left = total; left > 0;) {
        char letter = 0;
        do
            letter = alphabet[static_cast<std::size_t>(below(static_cast<int>(alphabet.size())))];
        while (letterValue(letter) > left);
        left -= letterValue(letter);
        letters += QChar(percent(70) ? letter + 32 : letter);
    }
    return letters;
}

// Names whose letters, vowels or consonants add up to a total of interest.
void PeopleGenerator::namesWithTotals(GeneratedPerson &person)
{
    int total = percent(70) ? pick(kTotals) : 1 + below(150);
    int vowels = 0;
    switch (below(4)) {
    case 0: // the vowels at a total of interest too
        do
            vowels = pick(kTotals);
        while (vowels > total);
        break;
    case 1: // the consonants at one
    {
        int consonants = 0;
        do
            consonants = pick(kTotals);
        while (consonants > total);
        vowels = total - consonants;
        break;
    }
    case 2: // no vowels at all
        break;
    default:
        vowels = below(total + 1);
        break;
    }
    QString letters = lettersAddingUpTo(vowels, true) + lettersAddingUpTo(total - vowels, false);
    for (qsizetype k = letters.size() - 1; k > 0; --k)
        std::swap(letters[k], letters[below(static_cast<int>(k) + 1)]);

    const bool withMiddle = percent(50) && letters.size() >= 3;
    const int size = static_cast<int>(letters.size());
    const int firstEnd = size < 2 ? size : 1 + below(size - 1);
    const int middleEnd = withMiddle ? firstEnd + below(size - firstEnd) : firstEnd;
    const auto part = [&](int from, int to) {
        const QString text = letters.mid(from, to - from);
        return percent(60) ? capitalised(text) : text;
    };
    person.first = part(0, firstEnd);
    person.middle = part(firstEnd, middleEnd);
    person.last = part(middleEnd, size);
    if (person.last.isEmpty()) // one letter in all: the last name holds none
        person.last = u"Ø"_s;
    if (percent(10))
        person.last = separated(person.last);
}

QString PeopleGenerator::uncountedName()
{
    if (percent(25))
        return QString::fromUtf16(pick(kWithoutLetters));
    QString name = syllableName();
    const int inserts = 1 + below(2);
    for (int k = 0; k < inserts; ++k)
        name.insert(below(static_cast<int>(name.size()) + 1), QString::fromUtf16(pick(kUncounted)));
    return name;
}

// Separators that add no letter: the totals stay as they were.
QString PeopleGenerator::separated(QString name)
{
    switch (below(3)) {
    case 0:
        return name.insert(1 + below(static_cast<int>(name.size())), u'-');
    case 1:
        return name.insert(1, u'\'');
    default:
        return u"  "_s + name + u" "_s;
    }
}

QString PeopleGenerator::decorated(QString name)
{
    switch (below(6)) {
    case 0:
        return (percent(50) ? u"van "_s : u"de la "_s) + name;
    case 1:
        return u"St. "_s + name;
    case 2:
        return name + u" Jr."_s;
    case 3:
        return name + u"  "_s + syllableName();
    default:
        return separated(name);
    }
}

void PeopleGenerator::fillDate(GeneratedPerson &person)
{
    const int yearRoll = below(100);
    if (yearRoll < 40) {
        person.year = 1900 + below(151); // the window's list of years
    } else if (yearRoll < 46) {
        constexpr std::array kYears = {1, 2, 4, 99, 100, 400, 1000, 1600, 1899, 1900, 2000, 2051, 9996, 9999};
        person.year = pick(kYears);
    } else {
        person.year = 1 + below(9999);
    }
    person.month = percent(10) ? (percent(50) ? 1 : 12) : 1 + below(12);
    const int dayRoll = below(100);
    const int last = daysInMonth(person.month, person.year);
    if (dayRoll < 4) { // 29 February of a leap year near the one drawn
        while (!isLeapYear(person.year))
            person.year = person.year >= 9996 ? person.year - 1 : person.year + 1;
        person.month = 2;
        person.day = 29;
    } else if (dayRoll < 14) {
        person.day = 1;
    } else if (dayRoll < 30) {
        person.day = last;
    } else {
        person.day = 1 + below(last);
    }
}
