// SPDX-License-Identifier: MIT
#include "readingoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>

#include "clidiagnostics.h"
#include "morenumberstext.h"
#include "readingdocument.h"

namespace velmora {

std::string isoDateText(const BirthData &data)
{
    std::array<char, 32> text{};
    const int length = std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", data.BirthYear, data.BirthMonth,
                                     data.BirthDay);
    return {text.data(), static_cast<std::size_t>(length)};
}

std::string readingsText(const Results &results)
{
    std::string text;
    for (std::size_t k = 0; k < kReadingCount; ++k) {
        if (k > 0)
            text.push_back('\n');
        text.append(kReadingCaptions[k]).push_back('\n');
        text.append(kReadingCaptions[k].size(), '-').push_back('\n');
        text.append(results.readings[k].plainText()).push_back('\n');
    }
    return text;
}

namespace {

void appendCaption(std::string &text, std::string_view caption, char rule)
{
    text.append(caption).push_back('\n');
    text.append(caption.size(), rule).push_back('\n');
}

QJsonObject personObject(const BirthData &data)
{
    return {
        {QStringLiteral("first"), toQString(data.FirstName)},
        {QStringLiteral("middle"), toQString(data.MiddleName)},
        {QStringLiteral("last"), toQString(data.LastName)},
        {QStringLiteral("date"), toQString(isoDateText(data))},
    };
}

QJsonObject numberObject(int number, const std::string &text)
{
    return {{QStringLiteral("number"), number}, {QStringLiteral("text"), toQString(text)}};
}

template <typename List, typename Number>
QJsonObject numbersObject(const List &list, Number number, const std::string &text)
{
    QJsonArray numbers;
    for (const auto &item : list)
        numbers.append(number(item));
    return {{QStringLiteral("numbers"), numbers}, {QStringLiteral("text"), toQString(text)}};
}

// A name's control characters are shown, not obeyed: the text goes to a terminal.
std::string personLine(const BirthData &data)
{
    return visibleText(fullName(data).toStdString()) + ", born " + calendarDateText({data.BirthDay, data.BirthMonth, data.BirthYear});
}

struct ComparedNumber {
    std::string_view key;
    std::string_view name;
    const Pairing *pairing;
};

std::array<ComparedNumber, 2> comparedNumbers(const Comparison &comparison)
{
    return {{{"lifePath", "Life Path", &comparison.lifePath}, {"destiny", "Destiny", &comparison.destiny}}};
}

} // namespace

std::string moreNumbersText(const MoreNumbers &more)
{
    std::string text;
    appendCaption(text, kMoreNumbersTitle, '=');
    for (const TextSection &section : moreNumbersSections(more)) {
        text.push_back('\n');
        appendCaption(text, section.heading, '-');
        text.append(section.text).push_back('\n');
    }
    return text;
}

std::string workingsText(const std::vector<Working> &workings)
{
    std::string text;
    appendCaption(text, kWorkingTitle, '=');
    for (const std::string &line : workingLines(workings))
        text.append(line).push_back('\n');
    return text;
}

void insertMoreNumbers(QJsonObject &root, const MoreNumbers &more)
{
    const std::vector<TextSection> sections = moreNumbersSections(more);
    root.insert(QStringLiteral("lifePath"), numberObject(more.lifePath.number, sections[0].text));
    root.insert(QStringLiteral("birthday"), numberObject(more.birthday.number, sections[1].text));
    root.insert(QStringLiteral("challenges"),
                numbersObject(more.challenges, [](const ChallengeReading &c) { return c.number; }, sections[2].text));
    QJsonObject year = numberObject(more.personalYear.number, sections[3].text);
    year.insert(QStringLiteral("year"), more.dateOfInterest.year);
    root.insert(QStringLiteral("personalYear"), year);
    root.insert(QStringLiteral("personalMonth"), numberObject(more.personalMonth.number, sections[4].text));
    root.insert(QStringLiteral("personalDay"), numberObject(more.personalDay.number, sections[5].text));
    root.insert(QStringLiteral("karmicLessons"),
                numbersObject(more.karmicLessons, [](const NumberReading &r) { return r.number; }, sections[6].text));
    QJsonObject debts =
        numbersObject(more.karmicDebts, [](const KarmicDebtReading &d) { return d.debt.debt; }, sections[7].text);
    QJsonArray from;
    for (const KarmicDebtReading &debt : more.karmicDebts)
        from.append(toQString(workedNumberKey(debt.debt.from)));
    debts.insert(QStringLiteral("from"), from);
    root.insert(QStringLiteral("karmicDebts"), debts);
}

void insertWorkings(QJsonObject &root, const std::vector<Working> &workings)
{
    QJsonObject object;
    for (const Working &working : workings)
        object.insert(toQString(workedNumberKey(working.number)), toQString(workingText(working)));
    root.insert(QStringLiteral("working"), object);
}

std::string comparisonText(const BirthData &first, const BirthData &second, const Comparison &comparison)
{
    std::string text;
    appendCaption(text, kComparisonTitle, '-');
    text.append(personLine(first)).append("\n").append(personLine(second)).append("\n");
    for (const ComparedNumber &compared : comparedNumbers(comparison)) {
        const Pairing &pairing = *compared.pairing;
        text.append("\n").append(compared.name).append(" ").append(std::to_string(pairing.first));
        text.append(" and ").append(std::to_string(pairing.second)).append(": ");
        text.append(relationName(pairing.relation)).append("\n").append(pairing.text).append("\n");
    }
    return text;
}

QByteArray comparisonJson(const BirthData &first, const BirthData &second, const Comparison &comparison)
{
    QJsonObject root{{QStringLiteral("first"), personObject(first)}, {QStringLiteral("second"), personObject(second)}};
    for (const ComparedNumber &compared : comparedNumbers(comparison)) {
        const Pairing &pairing = *compared.pairing;
        root.insert(toQString(compared.key),
                    QJsonObject{{QStringLiteral("numbers"), QJsonArray{pairing.first, pairing.second}},
                                {QStringLiteral("relation"), toQString(relationName(pairing.relation))},
                                {QStringLiteral("text"), toQString(pairing.text)}});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QJsonObject readingsObject(const BirthData &data, const Results &results)
{
    QJsonObject root;
    root.insert(QStringLiteral("input"), personObject(data));
    const Numbers &numbers = results.numbers;
    const std::array<int, kReadingCount> single = {
        numbers.destiny,       numbers.personality,      numbers.soulUrge, numbers.realization, 0,
        numbers.hiddenPassion, numbers.subconsciousSelf, numbers.attitude,
    };
    for (std::size_t k = 0; k < kReadingCount; ++k) {
        QJsonObject reading;
        if (static_cast<ReadingIndex>(k) == ReadingIndex::Pinnacle) {
            QJsonArray pinnacles;
            for (const int pinnacle : numbers.pinnacles)
                pinnacles.append(pinnacle);
            reading.insert(QStringLiteral("numbers"), pinnacles);
        } else {
            reading.insert(QStringLiteral("number"), single[k]);
        }
        reading.insert(QStringLiteral("text"), toQString(results.readings[k].plainText()));
        root.insert(toQString(kReadingKeys[k]), reading);
    }
    return root;
}

} // namespace velmora
