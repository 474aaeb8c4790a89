// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

class QWidget;

namespace velmora {

// The colours of the texts whose colour the program fixes (the reading's own
// are beside the reading document), and the light backgrounds they were chosen for.
inline constexpr QColor kPromotionColour{0x8b, 0, 0};
inline constexpr QColor kLinkColour{0, 0, 255};
inline constexpr QColor kLightWindowColour{239, 239, 239};
inline constexpr QColor kLightBaseColour{255, 255, 255};

// The contrast ratio of two colours as the WCAG defines it, 1 to 21.
[[nodiscard]] double contrastRatio(const QColor &first, const QColor &second);

// Draws a widget's text in fixed colours that stay readable under any theme:
// `textRole` takes the first of `colours`; the widget's background keeps the
// theme's colour of `background` wherever every one of `colours` reaches
// 4.5:1 on it, and takes the light colour they were chosen for where not (and
// is then filled in). It holds when the theme's palette or style changes later.
void keepReadable(QWidget *widget, QPalette::ColorRole background, QPalette::ColorRole textRole,
                  const QList<QColor> &colours);

} // namespace velmora
