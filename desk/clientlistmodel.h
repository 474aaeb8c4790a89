// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QList>

#include "clientbook.h"

namespace velmora::desk {

// The clients a search found, one row each ("Ada Lovelace (10 Dec 1815)"),
// in the book's order. It holds the first of them; when the book has more,
// the view's fetchMore asks for them (moreWanted) and extend() adds them.
class ClientListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ClientListModel(QObject *parent = nullptr);

    // The answer to a new search; more: the book holds further matches.
    void show(const QList<velmora::book::ClientSummary> &clients, bool more);
    // The answer to a request for more of the same search: the clients from
    // the first on. When the rows held are no longer its first ones (the book
    // has changed since), the answer is shown as a new one.
    void extend(const QList<velmora::book::ClientSummary> &clients, bool more);
    void clear() { show({}, false); }
    // While a question waits for its answer, nothing more is asked.
    void setWaiting(bool waiting) { m_waiting = waiting; }

    [[nodiscard]] qint64 idAt(int row) const { return m_clients.at(row).id; }
    // The row of the client, or -1.
    [[nodiscard]] int rowOf(qint64 id) const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

Q_SIGNALS:
    void moreWanted(int rows);

private:
    QList<book::ClientSummary> m_clients;
    bool m_more = false;
    bool m_waiting = false;
};

} // namespace velmora::desk
