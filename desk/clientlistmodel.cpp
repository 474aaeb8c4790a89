// SPDX-License-Identifier: MIT
#include "clientlistmodel.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace velmora::desk {

ClientListModel::ClientListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void ClientListModel::show(const QList<book::ClientSummary> &clients, bool more)
{
    beginResetModel();
    m_clients = clients;
    m_more = more;
    endResetModel();
}

void ClientListModel::extend(const QList<book::ClientSummary> &clients, bool more)
{
    const qsizetype held = m_clients.size();
    const bool sameStart = clients.size() >= held
        && std::equal(m_clients.cbegin(), m_clients.cend(), clients.cbegin(),
                      [](const book::ClientSummary &a, const book::ClientSummary &b) { return a.id == b.id; });
    if (!sameStart)
        return show(clients, more);
    m_more = more;
    if (clients.size() == held)
        return;
    beginInsertRows({}, static_cast<int>(held), static_cast<int>(clients.size() - 1));
    m_clients = clients;
    endInsertRows();
}

int ClientListModel::rowOf(qint64 id) const
{
    const auto found = std::ranges::find(m_clients, id, &book::ClientSummary::id);
    return found == m_clients.cend() ? -1 : static_cast<int>(found - m_clients.cbegin());
}

int ClientListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_clients.size());
}

QVariant ClientListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const book::ClientSummary &client = m_clients.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: // the whole row, where a narrow list cuts it short
        return u"%1 (%2)"_s.arg(client.name, QLocale::c().toString(client.birth, u"d MMM yyyy"_s));
    default:
        return {};
    }
}

bool ClientListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more && !m_waiting;
}

void ClientListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    // Twice the rows each time: scrolling to the end of n clients reads about 2n rows.
    m_waiting = true;
    Q_EMIT moreWanted(static_cast<int>(2 * m_clients.size()));
}

} // namespace velmora::desk
