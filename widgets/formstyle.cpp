// SPDX-License-Identifier: MIT
#include "formstyle.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

#include "appicon.h"
#include "uifonts.h"
#include "enginetext.h"
#include "version.h"

namespace velmora {

int twips(int value)
{
    return static_cast<int>(std::lround(value / 15.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

void setUpWindow(QWidget *window, QLatin1StringView name)
{
    window->setObjectName(name);
    window->setWindowTitle(toQString(kProgramCaption));
    window->setWindowIcon(applicationIcon());
    window->setFont(uifonts::windowFont());
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace velmora
