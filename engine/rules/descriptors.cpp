// SPDX-License-Identifier: MIT
#include "descriptors.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "attitudetexts.h"
#include "birthdaytexts.h"
#include "challengetexts.h"
#include "destinytexts.h"
#include "hiddenpassiontexts.h"
#include "karmicdebttexts.h"
#include "karmiclessontexts.h"
#include "lifepathtexts.h"
#include "personalcycletexts.h"
#include "personalitytexts.h"
#include "pinnacletexts.h"
#include "planes.h"
#include "realizationtexts.h"
#include "soulurgetexts.h"
#include "subconsciousselftexts.h"
#include "system.h"

namespace velmora {
namespace {

using enum NumberId;

constexpr std::array<NumberDescriptor, kNumberCount> kNumbers = {{
    {Destiny, "destiny", "Destiny", "destiny", SectionId::Destiny, true, false, true},
    {Personality, "personality", "Personality", "personality", SectionId::Personality, true, false, true},
    {SoulUrge, "soulUrge", "Soul Urge", "soul_urge", SectionId::SoulUrge, true, false, true},
    {Realization, "realization", "Realization", "realization", SectionId::Realization, true, false, false},
    {Pinnacle1, "pinnacle1", "Pinnacle 1", "pinnacle1", SectionId::Pinnacles, true, false, false},
    {Pinnacle2, "pinnacle2", "Pinnacle 2", "pinnacle2", SectionId::Pinnacles, true, false, false},
    {Pinnacle3, "pinnacle3", "Pinnacle 3", "pinnacle3", SectionId::Pinnacles, true, false, false},
    {Pinnacle4, "pinnacle4", "Pinnacle 4", "pinnacle4", SectionId::Pinnacles, true, false, false},
    {HiddenPassion, "hiddenPassion", "Hidden Passion", "hidden_passion", SectionId::HiddenPassion, true, false, false},
    {SubconsciousSelf, "subconsciousSelf", "Subconscious Self", "subconscious_self", SectionId::SubconsciousSelf, true, false, false},
    {Attitude, "attitude", "Attitude", "attitude", SectionId::Attitude, true, false, false},
    {LifePath, "lifePath", "Life Path", "life_path", SectionId::LifePath, true, false, true},
    {Birthday, "birthday", "Birthday", "birthday", SectionId::Birthday, true, false, true},
    {Challenge1, "challenge1", "Challenge 1", "challenge1", SectionId::Challenges, true, false, false},
    {Challenge2, "challenge2", "Challenge 2", "challenge2", SectionId::Challenges, true, false, false},
    {Challenge3, "challenge3", "Challenge 3", "challenge3", SectionId::Challenges, true, false, false},
    {Challenge4, "challenge4", "Challenge 4", "challenge4", SectionId::Challenges, true, false, false},
    {PersonalYear, "personalYear", "Personal Year", "personal_year", SectionId::PersonalYear, true, false, false},
    {PersonalMonth, "personalMonth", "Personal Month", "personal_month", SectionId::PersonalMonth, true, false, false, false},
    {PersonalDay, "personalDay", "Personal Day", "personal_day", SectionId::PersonalDay, true, false, false, false},
    {KarmicLessons, "karmicLessons", "Karmic Lessons", "karmic_lessons", SectionId::KarmicLessons, true, true, false},
    {KarmicDebts, "karmicDebts", "Karmic Debts", "karmic_debts", SectionId::KarmicDebts, false, true, false},
}};

constexpr std::array<ElementDescriptor, kElementCount> kElements = {{
    {ElementId::Inclusion, "inclusion", kInclusionTitle, "inclusion", ElementLayout::ValueCounts, &inclusionExplanation, 9},
    {ElementId::Planes, "planes", kPlanesTitle, "", ElementLayout::Planes, &planesExplanation, kPlaneCount},
}};

const ReadingTable &pinnacleReadings()
{
    return pinnacleTable().readings;
}

constexpr std::array<SectionDescriptor, kSectionCount> kSections = {{
    {SectionId::Destiny, Part::Readings, "Destiny Number", "destiny", Layout::Standard, &destinyTable,
     kDestinyHeading, Destiny, 1, false},
    {SectionId::Personality, Part::Readings, "Personality Number", "personality", Layout::Standard,
     &personalityTable, kPersonalityHeading, Personality, 1, false},
    {SectionId::SoulUrge, Part::Readings, "Soul Urge Number", "soulUrge", Layout::Standard, &soulUrgeTable,
     kSoulUrgeHeading, SoulUrge, 1, false},
    {SectionId::Realization, Part::Readings, "Realization Number", "realization", Layout::Standard,
     &realizationTable, kRealizationHeading, Realization, 1, false},
    {SectionId::Pinnacles, Part::Readings, "Pinnacle Number", "pinnacles", Layout::Pinnacles, &pinnacleReadings,
     kPinnacleIntroHeading, Pinnacle1, 4, true},
    {SectionId::HiddenPassion, Part::Readings, "Hidden Passion Number", "hiddenPassion", Layout::Standard,
     &hiddenPassionTable, kHiddenPassionHeading, HiddenPassion, 1, false},
    {SectionId::SubconsciousSelf, Part::Readings, "Subconscious Self Number", "subconsciousSelf", Layout::Standard,
     &subconsciousSelfTable, kSubconsciousSelfHeading, SubconsciousSelf, 1, false},
    {SectionId::Attitude, Part::Readings, "Attitude Number", "attitude", Layout::Standard, &attitudeTable,
     kAttitudeHeading, Attitude, 1, false},
    {SectionId::LifePath, Part::MoreNumbers, kLifePathTitle, "lifePath", Layout::Single, &lifePathTable, {},
     LifePath, 1, false},
    {SectionId::Birthday, Part::MoreNumbers, kBirthdayTitle, "birthday", Layout::Single, &birthdayTable, {},
     Birthday, 1, false},
    {SectionId::Challenges, Part::MoreNumbers, kChallengesTitle, "challenges", Layout::Challenges, &challengeTable,
     {}, Challenge1, 4, true},
    {SectionId::PersonalYear, Part::MoreNumbers, kPersonalYearTitle, "personalYear", Layout::PersonalYear,
     &personalYearTable, {}, PersonalYear, 1, false},
    {SectionId::PersonalMonth, Part::MoreNumbers, kPersonalMonthTitle, "personalMonth", Layout::PersonalMonth,
     &personalMonthTable, {}, PersonalMonth, 1, false},
    {SectionId::PersonalDay, Part::MoreNumbers, kPersonalDayTitle, "personalDay", Layout::PersonalDay,
     &personalDayTable, {}, PersonalDay, 1, false},
    {SectionId::KarmicLessons, Part::MoreNumbers, kKarmicLessonsTitle, "karmicLessons", Layout::Lessons,
     &karmicLessonTable, {}, KarmicLessons, 1, true},
    {SectionId::KarmicDebts, Part::MoreNumbers, kKarmicDebtsTitle, "karmicDebts", Layout::Debts, &karmicDebtTable,
     {}, KarmicDebts, 1, true},
}};

// Every descriptor stands at the index of its id, and a section's numbers
// name it as theirs: the outputs rely on both.
constexpr bool consistent()
{
    for (std::size_t i = 0; i < kNumbers.size(); ++i)
        if (indexOf(kNumbers[i].id) != i)
            return false;
    for (std::size_t i = 0; i < kElements.size(); ++i)
        if (indexOf(kElements[i].id) != i)
            return false;
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        const SectionDescriptor &section = kSections[i];
        if (indexOf(section.id) != i)
            return false;
        for (std::size_t k = 0; k < section.count; ++k)
            if (kNumbers[indexOf(section.first) + k].section != section.id)
                return false;
    }
    return true;
}
static_assert(consistent());

constexpr std::size_t kFirstMoreSection = indexOf(SectionId::LifePath);

} // namespace

std::span<const NumberDescriptor> numberDescriptors()
{
    return kNumbers;
}

const NumberDescriptor &describe(NumberId id)
{
    return kNumbers[indexOf(id)];
}

const NumberDescriptor *findNumber(std::string_view key)
{
    const auto it = std::ranges::find(kNumbers, key, &NumberDescriptor::key);
    return it == kNumbers.end() ? nullptr : &*it;
}

std::span<const ElementDescriptor> elementDescriptors()
{
    return kElements;
}

const ElementDescriptor &describe(ElementId id)
{
    return kElements[indexOf(id)];
}

std::span<const SectionDescriptor> sectionDescriptors()
{
    return kSections;
}

const SectionDescriptor &describe(SectionId id)
{
    return kSections[indexOf(id)];
}

std::span<const SectionDescriptor> sectionsOf(Part part)
{
    const std::span<const SectionDescriptor> all = kSections;
    return part == Part::Readings ? all.first(kFirstMoreSection) : all.subspan(kFirstMoreSection);
}

NumberShape shapeOf(const System &system, NumberId id)
{
    const NumberDescriptor &number = describe(id);
    const bool defined = system.hasNumber(id);
    // Hidden Passion by value lists every value tied for the most letters.
    const bool list = number.list || (id == HiddenPassion && system.passion == PassionRule::MostFrequentValue);
    return {id, defined, list, number.compound && system.hasCompounds(), defined && number.batched, number.key,
            number.column};
}

std::vector<NumberShape> batchedNumbers(const System &system)
{
    std::vector<NumberShape> shapes;
    for (const NumberDescriptor &number : kNumbers) {
        if (const NumberShape shape = shapeOf(system, number.id); shape.batched)
            shapes.push_back(shape);
    }
    return shapes;
}

} // namespace velmora
