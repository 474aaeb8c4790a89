// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

class QWidget;

// Shared look of the program's windows. The outreach windows' layouts are
// measured in twips, 15 to a pixel at 96 dpi.
namespace velmora {

[[nodiscard]] int twips(int value);
[[nodiscard]] QRect twipsRect(int left, int top, int width, int height);

// Names a child widget and gives it its place in its container.
template<typename Widget>
Widget *placed(Widget *widget, QLatin1StringView name, const QRect &geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// Names a window and gives it the program's caption, icon and font.
void setUpWindow(QWidget *window, QLatin1StringView name);

// Places a top-level window in the middle of the screen it will appear on.
void centreOnScreen(QWidget *window);

} // namespace velmora
