// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QTextEdit>

#include <memory>

#include "fakeplatform.h"
#include "frmmain.h"

// The one message box that an action should show, with the program's caption and OK.
QList<velmora::Message> oneMessage(velmora::MessageIcon icon, const QString &text);

// The main window's tests: each case gets a fresh window, shown and active,
// on a fake desktop, with settings and standard folders kept away from the
// user's own. The test classes derive from this one and inherit its init and
// cleanup.
class MainWindowTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<frmMain> m_window;

    template<typename T>
    T *child(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (widget == nullptr)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    [[nodiscard]] QLineEdit *box(const QString &name) const { return child<QLineEdit>(name); }
    [[nodiscard]] QComboBox *list(const QString &name) const { return child<QComboBox>(name); }
    [[nodiscard]] QTextEdit *rtb(int k) const;
    [[nodiscard]] QWidget *currentPage() const;
    [[nodiscard]] QWidget *currentFrame() const;

    void enter(const QString &first, const QString &middle, const QString &last, int day = 1, int month = 1,
               int year = 1900);
    void proceed();

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
};
