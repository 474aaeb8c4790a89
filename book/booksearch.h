// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace velmora::book {

// One word of a search, as a range of a column: the values from start up to,
// not including, end (no upper end when end is empty), or equal to start.
struct SearchTerm {
    enum Kind {
        Name,  // a prefix of a folded name word: name_keys from start to end
        Birth, // YYYY, YYYY-MM or YYYY-MM-DD: birth dates from start to end
        Tag,   // tag:WORD: the folded tag equal to start
    };
    Kind kind = Name;
    QString start;
    QString end;
    friend bool operator==(const SearchTerm &, const SearchTerm &) = default;
};

// The terms of what a person typed, split at white space; every term narrows.
// A word with nothing to match (only separators, or "tag:" alone, as while it
// is being typed) is left out.
[[nodiscard]] QList<SearchTerm> parseSearch(const QString &query);

} // namespace velmora::book
