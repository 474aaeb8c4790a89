// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The program's fonts. Verdana is asked for by name; where it is missing,
// fontconfig picks the closest sans-serif face at the same size.
namespace velmora::uifonts {

[[nodiscard]] QFont windowFont(qreal pointSize = 8.25, bool bold = false);
[[nodiscard]] QFont readingFont();

} // namespace velmora::uifonts
