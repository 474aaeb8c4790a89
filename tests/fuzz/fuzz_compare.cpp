// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes as a person given to --compare, as the tool gets
// them (through QString), with and without folded accents: the text splits
// into four fields or none, a sound person compares the same both ways
// round, and the comparison's text shows the name on one line with no
// control character, while its JSON gives the name back as it was.
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "chart.h"
#include "clioptions.h"
#include "comparerun.h"
#include "compatibility.h"
#include "namefolding.h"
#include "personinput.h"
#include "readingoutput.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool holdsControls(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F)
            return true;
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80
            && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            return true;
    }
    return false;
}

std::size_t lines(std::string_view text)
{
    std::size_t count = 0;
    for (const char ch : text)
        count += ch == '\n' ? 1 : 0;
    return count;
}

velmora::BirthData johnSmith()
{
    velmora::BirthData data;
    const velmora::InputFault fault = velmora::readPerson({"John", "", "Smith", "1980-07-15"}, data);
    check(fault == velmora::InputFault::None);
    return data;
}

void comparePerson(const std::string &text, bool fold)
{
    const std::optional<velmora::PersonFields> fields = velmora::splitPerson(text);
    std::size_t commas = 0;
    for (const char ch : text)
        commas += ch == ',' ? 1 : 0;
    check(fields.has_value() == (commas == 3));
    if (!fields)
        return;
    check(std::string(fields->first) + ',' + std::string(fields->middle) + ',' + std::string(fields->last) + ','
              + std::string(fields->date)
          == text);

    const auto counted = [fold](std::string_view name) { return fold ? velmora::foldAccents(name) : std::string(name); };
    const std::string first = counted(fields->first);
    const std::string middle = counted(fields->middle);
    const std::string last = counted(fields->last);
    velmora::BirthData person;
    if (velmora::readPerson({first, middle, last, fields->date}, person) != velmora::InputFault::None)
        return;

    const velmora::CalendarDate on{1, 1, 2026};
    static const velmora::Chart other = velmora::chartOf(johnSmith(), velmora::classicSystem(), on);
    const velmora::Chart chart = velmora::chartOf(person, velmora::classicSystem(), on);
    const velmora::Comparison forward = velmora::ComparePeople(chart, other);
    const velmora::Comparison backward = velmora::ComparePeople(other, chart);
    check(forward.lifePath.relation == backward.lifePath.relation);
    check(forward.destiny.relation == backward.destiny.relation);
    check(forward.lifePath.first == backward.lifePath.second && forward.destiny.first == backward.destiny.second);

    static const std::size_t plainLines = lines(velmora::comparisonText(other, other, velmora::ComparePeople(other, other)));
    const std::string shown = velmora::comparisonText(chart, other, forward);
    check(!holdsControls(shown));
    check(lines(shown) == plainLines);

    const QJsonObject json = QJsonDocument::fromJson(velmora::comparisonJson(chart, other, forward, velmora::CliOptions{})).object();
    const QJsonObject input = json.value(QStringLiteral("first")).toObject();
    check(input.value(QStringLiteral("first")).toString() == QString::fromStdString(person.FirstName));
    check(input.value(QStringLiteral("last")).toString() == QString::fromStdString(person.LastName));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The tool reads its arguments as text: bytes that are not UTF-8 arrive as U+FFFD.
    const std::string text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)).toStdString();
    comparePerson(text, false);
    comparePerson(text, true);
    return 0;
}
