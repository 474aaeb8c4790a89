// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

#include "clientbook.h"

namespace velmora::desk {

// Finds clients away from the window's thread, on a connection of its own
// to the book (a book's connection belongs to the thread that opened it).
// Every answer carries the serial of its question, so that the window can
// drop an answer overtaken by a later keystroke.
class ClientSearch : public QObject
{
    Q_OBJECT

public:
    // The most clients one answer lists.
    static constexpr int kLimit = 500;

    explicit ClientSearch(QString address);
    ~ClientSearch() override;

public Q_SLOTS:
    void find(quint64 serial, const QString &query);

Q_SIGNALS:
    // error: why nothing was found (the book cannot be read); empty otherwise.
    void found(quint64 serial, const QList<velmora::book::ClientSummary> &clients, const QString &error);

private:
    QString m_address;
    std::unique_ptr<book::ClientBook> m_book;
};

} // namespace velmora::desk
