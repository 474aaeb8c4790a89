// SPDX-License-Identifier: MIT
#include "namekeys.h"

#include "namefolding.h"

#include <algorithm>

namespace velmora::book {
namespace {

// Every character that separates is in the basic plane, so the halves of a
// surrogate pair never do.
bool separates(QChar unit)
{
    return separatesNameParts(unit.unicode()) || unit.isSpace();
}

// The words of a folded name, split at the characters that only separate
// the parts of a name.
QStringList wordsOf(const QString &folded)
{
    QStringList words;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= folded.size(); ++i) {
        if (i < folded.size() && !separates(folded.at(i)))
            continue;
        if (i > start)
            words.append(folded.mid(start, i - start));
        start = i + 1;
    }
    return words;
}

} // namespace

QString foldedKey(const QString &text)
{
    // Plain ASCII has no accents, and folds its case as it lowers it (an
    // import: folding fell from 10 % of its instructions to 3.5 %).
    if (std::ranges::all_of(text, [](QChar unit) { return unit.unicode() < 0x80; }))
        return text.toLower();
    // Decomposed first, so that a letter whose accent the engine's table does
    // not list still loses it as a combining mark.
    const std::string decomposed = text.normalized(QString::NormalizationForm_D).toStdString();
    return QString::fromStdString(foldAccents(decomposed)).toCaseFolded().normalized(QString::NormalizationForm_C);
}

QStringList nameKeys(const QString &part)
{
    QStringList keys = wordsOf(foldedKey(part));
    if (keys.size() > 1)
        keys.append(keys.join(QString()));
    keys.removeDuplicates();
    return keys;
}

QString typedKey(const QString &word)
{
    return wordsOf(foldedKey(word)).join(QString());
}

QString prefixEnd(const QString &prefix)
{
    QList<uint> codes = prefix.toUcs4();
    while (!codes.isEmpty()) {
        uint &last = codes.last();
        if (last < 0x10FFFF) {
            last = last == 0xD7FF ? 0xE000 : last + 1;
            return QString::fromUcs4(reinterpret_cast<const char32_t *>(codes.constData()), codes.size());
        }
        codes.removeLast();
    }
    return {};
}

} // namespace velmora::book
