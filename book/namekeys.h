// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::book {

// A name as the search compares it: accents taken off (as the engine folds
// them, and any combining mark), case folded, recomposed. Two spellings a
// person would call the same name give the same key.
[[nodiscard]] QString foldedKey(const QString &text);

// The keys a name part is found by: each of its words, and, when it has
// several, the words run together ("Mary-Ann": mary, ann, maryann), so that a
// prefix of any word or of the whole finds it.
[[nodiscard]] QStringList nameKeys(const QString &part);

// The key a typed search word is matched against: folded, separators left
// out, so "o'bri" finds O'Brien. Empty when nothing is left.
[[nodiscard]] QString typedKey(const QString &word);

// The smallest text that is greater than every text starting with prefix, in
// code point order (the order of UTF-8 bytes, as both databases compare the
// key columns): the upper end of a prefix range. Empty when there is none.
[[nodiscard]] QString prefixEnd(const QString &prefix);

} // namespace velmora::book
