// SPDX-License-Identifier: MIT
#include "morenumberstext.h"

#include <algorithm>

#include "birthday.h"
#include "challenges.h"
#include "karmiclessons.h"
#include "lifepath.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 4> kOrdinals = {"First", "Second", "Third", "Fourth"};

std::string number(int value)
{
    return std::to_string(value);
}

// The table's explanation, then the paragraphs given.
std::string withExplanation(const ReadingTable &table, std::string_view body)
{
    std::string text(table.explanation);
    text.append("\n\n").append(body);
    return text;
}

TextSection single(std::string heading, const NumberReading &reading, const ReadingTable &table)
{
    return {std::move(heading) + ": " + number(reading.number), withExplanation(table, reading.text)};
}

TextSection challengesSection(const MoreNumbers &more)
{
    std::string numbers;
    std::string body;
    for (std::size_t i = 0; i < more.challenges.size(); ++i) {
        const ChallengeReading &challenge = more.challenges[i];
        numbers += (i == 0 ? "" : ", ") + number(challenge.number);
        body += (i == 0 ? "" : "\n\n") + std::string(kOrdinals[i]) + " challenge, " + agesText(challenge.ages) + ": "
            + number(challenge.number) + "\n" + std::string(challenge.text);
    }
    return {std::string(kChallengesTitle) + ": " + numbers, withExplanation(challengeTable(), body)};
}

TextSection lessonsSection(const MoreNumbers &more)
{
    std::string numbers;
    std::string body;
    for (const NumberReading &lesson : more.karmicLessons) {
        numbers += (numbers.empty() ? "" : ", ") + number(lesson.number);
        body += (body.empty() ? "" : "\n") + number(lesson.number) + ": " + std::string(lesson.text);
    }
    if (more.karmicLessons.empty()) {
        numbers = "none";
        body = "The letters of your name carry every value from 1 to 9, so no lesson is missing.";
    }
    return {std::string(kKarmicLessonsTitle) + ": " + numbers, withExplanation(karmicLessonTable(), body)};
}

TextSection debtsSection(const MoreNumbers &more)
{
    std::string numbers;
    std::string body;
    std::vector<int> explained;
    for (const KarmicDebtReading &debt : more.karmicDebts) {
        numbers += (numbers.empty() ? "" : ", ") + number(debt.debt.debt) + " ("
            + std::string(workedNumberName(debt.debt.from)) + ")";
        if (std::ranges::find(explained, debt.debt.debt) != explained.end())
            continue;
        explained.push_back(debt.debt.debt);
        body += (body.empty() ? "" : "\n\n") + std::string(debt.text);
    }
    if (more.karmicDebts.empty()) {
        numbers = "none";
        body = "No total on the way to your Destiny, Soul Urge, Personality or Life Path number is 13, 14, 16 or "
               "19, so you carry no debt.";
    }
    return {std::string(kKarmicDebtsTitle) + ": " + numbers, withExplanation(karmicDebtTable(), body)};
}

} // namespace

std::string agesText(const AgeRange &ages)
{
    if (ages.to == AgeRange::kOnward)
        return "ages " + number(ages.from) + " onward";
    return "ages " + number(ages.from) + " to " + number(ages.to);
}

std::string calendarDateText(const CalendarDate &date)
{
    return number(date.day) + " " + std::string(monthName(date.month)) + " " + number(date.year);
}

std::vector<TextSection> moreNumbersSections(const MoreNumbers &more)
{
    const CalendarDate &date = more.dateOfInterest;
    const std::string month = std::string(monthName(date.month)) + " " + number(date.year);
    return {
        single(std::string(kLifePathTitle), more.lifePath, lifePathTable()),
        single(std::string(kBirthdayTitle), more.birthday, birthdayTable()),
        challengesSection(more),
        single(std::string(kPersonalYearTitle) + " " + number(date.year), more.personalYear, personalYearTable()),
        single(std::string(kPersonalMonthTitle) + ", " + month, more.personalMonth, personalMonthTable()),
        single(std::string(kPersonalDayTitle) + ", " + calendarDateText(date), more.personalDay,
               personalDayTable()),
        lessonsSection(more),
        debtsSection(more),
    };
}

std::vector<std::string> workingLines(const std::vector<Working> &workings)
{
    std::vector<std::string> lines;
    lines.reserve(workings.size());
    for (const Working &working : workings)
        lines.push_back(std::string(workedNumberName(working.number)) + ": " + workingText(working));
    return lines;
}

} // namespace velmora
