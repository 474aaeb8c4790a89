// SPDX-License-Identifier: MIT
#include "reportinbox.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

#include "frmmain.h"

ReportInbox::ReportInbox(frmMain &window, std::function<void(const QByteArray &)> open)
    : QObject(&window)
    , m_window(window)
    , m_open(std::move(open))
{
}

void ReportInbox::take(const QByteArray &fileName)
{
    m_waiting = fileName;
    // The person sees what the report waits on.
    if (m_window.isVisible() && QApplication::activeModalWidget() != nullptr)
        m_window.comeToFront();
    tryAgainSoon();
}

void ReportInbox::comeToFront()
{
    if (m_window.isVisible()) {
        m_window.comeToFront();
        return;
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isWindow()) {
            window->raise();
            window->activateWindow();
        }
    }
}

// Opens after the caller has its answer, never inside the call.
void ReportInbox::tryAgainSoon()
{
    if (std::exchange(m_tryingSoon, true))
        return;
    QMetaObject::invokeMethod(this, &ReportInbox::openWhenFree, Qt::QueuedConnection);
}

void ReportInbox::openWhenFree()
{
    m_tryingSoon = false;
    if (!m_waiting)
        return;
    if (QWidget *modal = QApplication::activeModalWidget()) {
        if (modal != m_watched) {
            if (m_watched)
                m_watched->removeEventFilter(this);
            m_watched = modal;
            modal->installEventFilter(this);
            connect(modal, &QObject::destroyed, this, &ReportInbox::tryAgainSoon);
        }
        return;
    }
    const QByteArray fileName = *std::exchange(m_waiting, std::nullopt);
    m_window.comeToFront();
    // A report that cannot be opened shows a box; those that come meanwhile wait on it.
    m_open(fileName);
}

bool ReportInbox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watched && event->type() == QEvent::Hide)
        tryAgainSoon();
    return QObject::eventFilter(watched, event);
}
