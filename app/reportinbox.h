// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class frmMain;
class QWidget;

// What later copies hand to the running one: report files and requests to
// come to the front. A report opens as soon as no box or dialog is open,
// since the person is answering one; meanwhile it waits, and of several that
// wait the last one wins. While the program is ending (the main window
// closed, the tell-a-friend window up) a report brings the main window back
// with it: nothing handed over is dropped.
class ReportInbox : public QObject
{
    Q_OBJECT

public:
    // open opens a report in the window, by the bytes of its name.
    ReportInbox(frmMain &window, std::function<void(const QByteArray &fileName)> open);

    void take(const QByteArray &fileName);
    // Brings the program's windows to the front: the main window, or while
    // it is closed the window that is up.
    void comeToFront();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openWhenFree();
    void tryAgainSoon();

    frmMain &m_window;
    std::function<void(const QByteArray &)> m_open;
    std::optional<QByteArray> m_waiting;
    QPointer<QWidget> m_watched; // the box or dialog a report waits on
    bool m_tryingSoon = false;
};
