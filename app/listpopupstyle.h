// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The application's style, except that a drop-down list opens below its box
// with a limited number of rows and a scroll bar. Some styles open the whole
// list over the box instead, as tall as the screen, and ignore the box's
// maximum of visible rows.
class ListPopupStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    [[nodiscard]] int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                                QStyleHintReturn *returnData = nullptr) const override;
};
