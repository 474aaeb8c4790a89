// SPDX-License-Identifier: MIT
#include "clientsearch.h"

namespace velmora::desk {

ClientSearch::ClientSearch(QString address)
    : m_address(std::move(address))
{
    qRegisterMetaType<QList<book::ClientSummary>>();
}

ClientSearch::~ClientSearch() = default;

void ClientSearch::find(quint64 serial, const QString &query)
{
    QString error;
    if (!m_book)
        m_book = book::ClientBook::open(m_address, &error);
    if (!m_book) {
        Q_EMIT found(serial, {}, error);
        return;
    }
    const std::optional<QList<book::ClientSummary>> clients = m_book->findClients(query, kLimit);
    Q_EMIT found(serial, clients.value_or(QList<book::ClientSummary>{}), clients ? QString() : m_book->errorString());
}

} // namespace velmora::desk
