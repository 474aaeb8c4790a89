// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

#include "namevariants.h"
#include "variantsdocument.h"

namespace velmora {

// The names sheet of the weighed variants, all but its table (head and
// rows), which the caller writes its own way: the title after the family the
// variants share, the facts (the date of birth when they share one, the
// system, the wishes), the note when no spelling meets the wishes, and the
// Destiny readings of the matching variants (of all of them without wishes).
[[nodiscard]] VariantSheet variantSheet(const std::vector<NameVariant> &variants, const System &system,
                                        const VariantWishes &wishes, const CalendarDate &dateOfInterest);

// The readings of the matching variants' Destiny numbers: one for each
// number (with its compound), naming the variants it belongs to.
[[nodiscard]] std::vector<VariantSheet::DestinyReading> destinyReadings(const std::vector<NameVariant> &variants,
                                                                        const System &system,
                                                                        const CalendarDate &dateOfInterest);

// "the Smith family", "the Smith or Smyth family": the last names the
// variants share, when there are at most three; empty otherwise.
[[nodiscard]] QString familyName(const std::vector<NameVariant> &variants);

} // namespace velmora
