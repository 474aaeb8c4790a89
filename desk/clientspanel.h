// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QThread>
#include <QWidget>

#include "clientbook.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace velmora::desk {

class ClientListModel;
class ClientSearch;

// The clients down one side: a search field that finds as one types (a name
// part, a date, tag:WORD), the clients found, and New, Import and Export. The search runs on a
// worker thread of its own; an answer that a later keystroke has overtaken
// is dropped. The first rows come at once, the rest as the list scrolls.
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
    // more: the book holds further matches.
    void takeAnswer(quint64 serial, const QList<velmora::book::ClientSummary> &clients, bool more,
                    const QString &error);
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
    // Asks the worker for the first rows clients of what the field holds:
    // a new search, or more of the one shown.
    void ask(int rows, bool more);

    QLineEdit *m_search;
    QListView *m_list;
    ClientListModel *m_model;
    QLabel *m_problem;
    QPushButton *m_new;
    QPushButton *m_import;
    QPushButton *m_export;
    QThread m_thread;
    ClientSearch *m_worker;
    quint64 m_serial = 0;
    qint64 m_selected = 0;
    bool m_askedMore = false;
};

} // namespace velmora::desk
