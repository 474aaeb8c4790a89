// SPDX-License-Identifier: MIT
#include "readingoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>

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

QJsonObject readingsObject(const BirthData &data, const Results &results)
{
    QJsonObject root;
    root.insert(QStringLiteral("input"), QJsonObject{
                                             {QStringLiteral("first"), toQString(data.FirstName)},
                                             {QStringLiteral("middle"), toQString(data.MiddleName)},
                                             {QStringLiteral("last"), toQString(data.LastName)},
                                             {QStringLiteral("date"), toQString(isoDateText(data))},
                                         });
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

QByteArray readingsJson(const BirthData &data, const Results &results)
{
    return QJsonDocument(readingsObject(data, results)).toJson(QJsonDocument::Indented);
}

} // namespace velmora
