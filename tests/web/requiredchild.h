// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The named child of a window under test; a missing one ends the test run,
// since every later step would only fail for the same reason.
template<typename T>
T *requiredChild(const QObject *window, const QString &name)
{
    T *widget = window->findChild<T *>(name);
    if (widget == nullptr)
        qFatal("no child %s", qPrintable(name));
    return widget;
}
