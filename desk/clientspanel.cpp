// SPDX-License-Identifier: MIT
#include "clientspanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "clientlistmodel.h"
#include "clientsearch.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

// The rows a search asks first: more than a tall list shows (a keystroke: 3.4 ms processor median, 4.0 ms with 500).
constexpr int kFirstRows = 100;

} // namespace

ClientsPanel::ClientsPanel(const QString &address, QWidget *parent)
    : QWidget(parent)
    , m_search(new QLineEdit(this))
    , m_list(new QListView(this))
    , m_model(new ClientListModel(this))
    , m_problem(new QLabel(this))
    , m_new(new QPushButton(u"Ne&w Client"_s, this))
    , m_import(new QPushButton(u"Im&port\u2026"_s, this))
    , m_export(new QPushButton(u"E&xport\u2026"_s, this))
    , m_worker(new ClientSearch(address))
{
    setObjectName(u"clientsPanel"_s);
    m_search->setObjectName(u"txtSearch"_s);
    m_search->setAccessibleName(u"Find a client"_s);
    m_search->setPlaceholderText(u"Name, date or tag:word"_s);
    m_search->setClearButtonEnabled(true);
    m_list->setObjectName(u"lstClients"_s);
    m_list->setAccessibleName(u"Clients found"_s);
    m_list->setUniformItemSizes(true); // one row measured, not each (a keystroke: 3.4 ms processor median, 5.8 ms not)
    m_list->setModel(m_model);
    m_problem->setObjectName(u"lblBookProblem"_s);
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_problem->hide();
    m_new->setObjectName(u"cmdNewClient"_s);
    m_new->setAccessibleName(u"New client"_s);
    m_import->setObjectName(u"cmdImportClients"_s);
    m_import->setAccessibleName(u"Import clients from a report or CSV file"_s);
    m_export->setObjectName(u"cmdExportClients"_s);
    m_export->setAccessibleName(u"Export every client as CSV"_s);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_search);
    layout->addWidget(m_problem);
    layout->addWidget(m_list, 1);
    // New Client over Import and Export, so that the column can stay narrow.
    auto *buttons = new QGridLayout;
    buttons->addWidget(m_new, 0, 0, 1, 2);
    buttons->addWidget(m_import, 1, 0);
    buttons->addWidget(m_export, 1, 1);
    layout->addLayout(buttons);

    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &ClientSearch::found, this, &ClientsPanel::takeAnswer);
    m_thread.start();

    connect(m_search, &QLineEdit::textChanged, this, &ClientsPanel::search);
    connect(m_model, &ClientListModel::moreWanted, this, [this](int rows) { ask(rows, true); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (!current.isValid())
            return;
        const qint64 id = m_model->idAt(current.row());
        if (id != m_selected) {
            m_selected = id;
            Q_EMIT clientChosen(id);
        }
    });
    connect(m_new, &QPushButton::clicked, this, &ClientsPanel::newClientAsked);
    connect(m_import, &QPushButton::clicked, this, &ClientsPanel::importAsked);
    connect(m_export, &QPushButton::clicked, this, &ClientsPanel::exportAsked);
    search();
}

ClientsPanel::~ClientsPanel()
{
    m_thread.quit();
    m_thread.wait();
}

void ClientsPanel::search()
{
    ask(kFirstRows, false);
}

void ClientsPanel::ask(int rows, bool more)
{
    const quint64 serial = ++m_serial;
    m_askedMore = more;
    m_model->setWaiting(true);
    m_worker->asked(serial);
    QMetaObject::invokeMethod(m_worker, "find", Qt::QueuedConnection, Q_ARG(quint64, serial),
                              Q_ARG(QString, m_search->text()), Q_ARG(int, rows));
}

void ClientsPanel::takeAnswer(quint64 serial, const QList<book::ClientSummary> &clients, bool more,
                              const QString &error)
{
    // A later keystroke has asked again: this answer is for what the field no longer holds.
    if (serial != m_serial)
        return;
    m_model->setWaiting(false);
    if (!error.isEmpty()) {
        showProblem(error);
    } else {
        m_problem->hide();
        if (m_askedMore)
            m_model->extend(clients, more);
        else
            m_model->show(clients, more);
        if (const int row = m_model->rowOf(m_selected); row >= 0 && !m_list->currentIndex().isValid())
            m_list->setCurrentIndex(m_model->index(row));
    }
    Q_EMIT answered();
}

void ClientsPanel::showProblem(const QString &problem)
{
    m_problem->setText(problem);
    m_problem->setAccessibleName(problem);
    m_problem->show();
    m_model->clear();
}

QList<qint64> ClientsPanel::shownIds() const
{
    QList<qint64> ids;
    for (int row = 0; row < m_model->rowCount(); ++row)
        ids << m_model->idAt(row);
    return ids;
}

void ClientsPanel::selectClient(qint64 id)
{
    // The client chosen already: choosing the row says nothing to the window.
    m_selected = id;
    if (const int row = m_model->rowOf(id); row >= 0) {
        m_list->setCurrentIndex(m_model->index(row));
    } else {
        m_list->clearSelection();
        m_list->selectionModel()->clearCurrentIndex();
    }
}

void ClientsPanel::hideButtons()
{
    for (QPushButton *button : {m_new, m_import, m_export})
        button->hide();
}

} // namespace velmora::desk
