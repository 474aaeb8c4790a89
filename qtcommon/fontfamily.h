// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1StringView>

namespace velmora {

// The one family of the windows, the readings on screen and the printed
// document; fontconfig substitutes a sans-serif face where it is missing.
inline constexpr QLatin1StringView kFontFamily{"Verdana"};

} // namespace velmora
