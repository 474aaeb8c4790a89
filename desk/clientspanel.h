// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QThread>
#include <QWidget>

#include "clientbook.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora::desk {

class ClientSearch;

// The clients down one side: a search field that finds as one types (a name
// part, a date, tag:WORD), the clients found, and New, Import and Export. The search runs on a
// worker thread of its own; an answer that a later keystroke has overtaken
// is dropped.
class ClientsPanel : public QWidget
{
    Q_OBJECT

public:
    // address: the book the worker opens for itself.
    explicit ClientsPanel(const QString &address, QWidget *parent = nullptr);
    ~ClientsPanel() override;

    // Asks again for what the search field holds (after an edit of the book).
    void search();
    // Takes an answer of the worker: shown when it answers the latest question.
    void takeAnswer(quint64 serial, const QList<velmora::book::ClientSummary> &clients, const QString &error);
    // Says what is wrong with the book instead of the list.
    void showProblem(const QString &problem);

    [[nodiscard]] QList<qint64> shownIds() const;
    [[nodiscard]] quint64 lastSerial() const { return m_serial; }
    void selectClient(qint64 id);
    // Hides New, Import and Export: the panel then only finds a client (to link to, say).
    void hideButtons();

Q_SIGNALS:
    void clientChosen(qint64 id);
    void newClientAsked();
    void importAsked();
    void exportAsked();
    // Every answer taken, for those who wait on the search.
    void answered();

private:
    QLineEdit *m_search;
    QListWidget *m_list;
    QLabel *m_problem;
    QPushButton *m_new;
    QPushButton *m_import;
    QPushButton *m_export;
    QThread m_thread;
    ClientSearch *m_worker;
    quint64 m_serial = 0;
    qint64 m_selected = 0;
};

} // namespace velmora::desk
