// SPDX-License-Identifier: MIT
#include "variantsheet.h"

#include <algorithm>
#include <map>

#include "chaldeantexts.h"
#include "enginetext.h"
#include "morenumberstext.h"
#include "shortenedtext.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// A reading names at most this many of the variants it belongs to.
constexpr std::size_t kNamesPerReading = 12;

// The first paragraph of the Destiny's reading under the variant's chart.
QString destinyParagraph(const NameVariant &variant, const System &system, const CalendarDate &dateOfInterest)
{
    const Chart chart = chartOf(variant.person, system, dateOfInterest);
    const ReadingRow *row = chart.table(SectionId::Destiny).find(chart.number(NumberId::Destiny));
    if (row == nullptr || row->paragraphs.empty())
        return toQString(kNotValidText);
    return toQString(row->paragraphs.front()).replace(u"\r\n"_s, u"\n"_s);
}

} // namespace

std::vector<VariantSheet::DestinyReading> destinyReadings(const std::vector<NameVariant> &variants,
                                                          const System &system, const CalendarDate &dateOfInterest)
{
    std::map<std::pair<int, int>, std::vector<const NameVariant *>> groups;
    for (const NameVariant &variant : variants) {
        if (!variant.match)
            break; // the matches come first
        const NumberValue &destiny = variant.numbers[NumberId::Destiny];
        groups[{destiny.value(), destiny.compound}].push_back(&variant);
    }
    std::vector<VariantSheet::DestinyReading> readings;
    for (const auto &[number, members] : groups) {
        QString heading = u"Destiny "_s;
        if (number.second != 0)
            heading += QString::number(number.second) + u'/';
        heading += QString::number(number.first) + u": "_s;
        for (std::size_t k = 0; k < members.size() && k < kNamesPerReading; ++k)
            heading += (k == 0 ? u""_s : u", "_s) + toQString(shortenedText(writtenName(*members[k])));
        if (members.size() > kNamesPerReading)
            heading += u" and %1 more"_s.arg(members.size() - kNamesPerReading);
        VariantSheet::DestinyReading reading{heading, destinyParagraph(*members.front(), system, dateOfInterest), {}, {}};
        if (const CompoundReading *compound = chaldeanCompound(number.second)) {
            reading.compoundHeading = toQString(kCompoundHeading) + QString::number(compound->number) + u", "_s
                + toQString(compound->title);
            reading.compoundText = toQString(compound->text);
        }
        readings.push_back(std::move(reading));
    }
    return readings;
}

QString familyName(const std::vector<NameVariant> &variants)
{
    constexpr std::size_t kMostNames = 3;
    std::vector<std::string> names;
    for (const NameVariant &variant : variants) {
        if (std::ranges::find(names, variant.person.LastName) != names.end())
            continue;
        if (names.size() == kMostNames)
            return {};
        names.push_back(variant.person.LastName);
    }
    QStringList shown;
    for (const std::string &name : names)
        shown << toQString(shortenedText(name));
    if (shown.isEmpty())
        return {};
    const QString last = shown.takeLast();
    return u"the "_s + (shown.isEmpty() ? last : shown.join(u", "_s) + u" or "_s + last) + u" family"_s;
}

VariantSheet variantSheet(const std::vector<NameVariant> &variants, const System &system, const VariantWishes &wishes,
                          const CalendarDate &dateOfInterest)
{
    VariantSheet sheet;
    const QString family = familyName(variants);
    sheet.title = family.isEmpty() ? u"Velmora name variants"_s : u"Velmora name variants for "_s + family;
    const auto bornOn = [](const BirthData &person) {
        return CalendarDate{person.BirthDay, person.BirthMonth, person.BirthYear};
    };
    if (!variants.empty() && std::ranges::all_of(variants, [&](const NameVariant &v) {
            return bornOn(v.person) == bornOn(variants.front().person);
        }))
        sheet.facts << u"Born "_s + toQString(calendarDateText(bornOn(variants.front().person)));
    sheet.facts << u"System: "_s + toQString(system.name);
    const QString wished = toQString(wishes.words());
    sheet.facts << (wished.isEmpty() ? u"Wishes: none; every variant's Destiny is read below"_s
                                     : u"Wishes: "_s + wished);
    if (!wishes.empty() && std::ranges::none_of(variants, &NameVariant::match))
        sheet.notes << u"No spelling meets every wish (%1): the table shows what each one gives instead."_s.arg(wished);
    sheet.readingsHeading = wishes.empty() ? u"The Destiny of each variant"_s
                                           : u"The Destiny of each matching variant"_s;
    sheet.readings = destinyReadings(variants, system, dateOfInterest);
    return sheet;
}

} // namespace velmora
