// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

#include "clientbook.h"

namespace velmora::desk {

// Finds clients away from the window's thread, on a connection of its own
// to the book (a book's connection belongs to the thread that opened it).
// Every answer carries the serial of its question, so that the window can
// drop an answer overtaken by a later keystroke; a question already
// overtaken when its turn comes is not looked up at all.
class ClientSearch : public QObject
{
    Q_OBJECT

public:
    explicit ClientSearch(QString address);
    ~ClientSearch() override;

    // Called from any thread as a question is sent: the serial of the latest.
    void asked(quint64 serial) { m_latest.store(serial, std::memory_order_relaxed); }

public Q_SLOTS:
    // The first limit clients that match the query.
    void find(quint64 serial, const QString &query, int limit);

Q_SIGNALS:
    // more: the book holds further matches. error: why nothing was found
    // (the book cannot be read); empty otherwise.
    void found(quint64 serial, const QList<velmora::book::ClientSummary> &clients, bool more, const QString &error);

private:
    QString m_address;
    std::unique_ptr<book::ClientBook> m_book;
    std::atomic<quint64> m_latest{0};
};

} // namespace velmora::desk
