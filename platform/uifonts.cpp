// SPDX-License-Identifier: MIT
#include "uifonts.h"

#include "fontfamily.h"

namespace velmora::uifonts {

QFont windowFont(qreal pointSize, bool bold)
{
    QFont font(kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont readingFont()
{
    return windowFont(8.5);
}

} // namespace velmora::uifonts
