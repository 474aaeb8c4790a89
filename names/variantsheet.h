// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

#include "namevariants.h"
#include "variantsdocument.h"

namespace velmora {

// The readings of the matching variants' Destiny numbers: one for each
// number (with its compound), naming the variants it belongs to.
[[nodiscard]] std::vector<VariantSheet::DestinyReading> destinyReadings(const std::vector<NameVariant> &variants,
                                                                        const System &system,
                                                                        const CalendarDate &dateOfInterest);

// "the Smith family", "the Smith or Smyth family": the last names the
// variants share, when there are at most three; empty otherwise.
[[nodiscard]] QString familyName(const std::vector<NameVariant> &variants);

} // namespace velmora
