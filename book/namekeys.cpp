// SPDX-License-Identifier: MIT
#include "namekeys.h"

#include "namefolding.h"

namespace velmora::book {
namespace {

bool separates(char32_t code)
{
    return separatesNameParts(code) || QChar::isSpace(code);
}

// The words of a folded name, split at the characters that only separate
// the parts of a name.
QStringList wordsOf(const QString &folded)
{
    QStringList words;
    QString word;
    for (const uint unit : folded.toUcs4()) {
        const auto code = static_cast<char32_t>(unit);
        if (separates(code)) {
            if (!word.isEmpty())
                words.append(std::exchange(word, QString()));
        } else {
            word.append(QString::fromUcs4(&code, 1));
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

} // namespace

QString foldedKey(const QString &text)
{
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
