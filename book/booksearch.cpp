// SPDX-License-Identifier: MIT
#include "booksearch.h"

#include <QDate>
#include <QRegularExpression>

#include "namekeys.h"

namespace velmora::book {
namespace {

// A date of birth, or the year or month of one, exactly as the book stores
// the start of it.
bool isDateTerm(const QString &word)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{4})(?:-(\\d{2})(?:-(\\d{2}))?)?$"));
    const QRegularExpressionMatch match = shape.match(word);
    if (!match.hasMatch())
        return false;
    const int year = match.captured(1).toInt();
    const int month = match.hasCaptured(2) ? match.captured(2).toInt() : 1;
    const int day = match.hasCaptured(3) ? match.captured(3).toInt() : 1;
    return year >= 1 && QDate(year, month, day).isValid();
}

} // namespace

QList<SearchTerm> parseSearch(const QString &query)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QList<SearchTerm> terms;
    for (const QString &word : query.split(space, Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1String("tag:"), Qt::CaseInsensitive)) {
            if (const QString tag = foldedKey(word.mid(4)); !tag.isEmpty())
                terms.append({SearchTerm::Tag, tag, {}});
        } else if (isDateTerm(word)) {
            terms.append({SearchTerm::Birth, word, prefixEnd(word)});
        } else if (const QString key = typedKey(word); !key.isEmpty()) {
            terms.append({SearchTerm::Name, key, prefixEnd(key)});
        }
    }
    return terms;
}

} // namespace velmora::book
