// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "namevariants.h"
#include "shortenedtext.h"

namespace velmora {

// The table of weighed variants as text cells: a head and one row per
// variant, in the variants' order. The columns: the name as written, the date
// of birth when the variants do not share one, Destiny, Soul Urge and
// Personality ("30/3" where the system gives a compound), the Karmic Debts
// where the system finds them, every other number wished for, and "Match"
// (a check mark for a variant that meets every wish) when there are wishes.
struct VariantTable {
    std::vector<std::string> head;
    std::vector<std::vector<std::string>> rows;
    // Said after the table: that no variant meets the wishes.
    std::vector<std::string> notes;
};

[[nodiscard]] VariantTable variantTable(const std::vector<NameVariant> &variants, const System &system,
                                        const VariantWishes &wishes);

// The table with its columns aligned by displayWidth, two spaces apart, and
// no spaces at the ends of lines; names shown with control characters as '?'
// and shortened to kShownNameColumns (shortenedText).
[[nodiscard]] std::string variantText(const VariantTable &table);

// first,middle,last,date, then destiny, soul_urge and personality (each
// followed by its _compound column where the system has compounds), the
// karmic_debts where the system finds them, the other numbers wished for, and
// match (yes or no), with CR LF line ends as the batch writes CSV. False when
// the stream refuses the bytes.
bool writeVariantCsv(std::FILE *output, const std::vector<NameVariant> &variants, const System &system,
                     const VariantWishes &wishes);

// An array of objects with the keys of the JSON output: first, middle, last,
// date, destiny, soulUrge, personality (with destinyCompound ... where the
// system gives one), karmicDebts (a list), the other numbers wished for, and
// match (true or false).
[[nodiscard]] QByteArray variantJson(const std::vector<NameVariant> &variants, const System &system,
                                     const VariantWishes &wishes);

} // namespace velmora
