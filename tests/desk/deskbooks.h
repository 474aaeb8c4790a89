// SPDX-License-Identifier: MIT
#pragma once

#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "clientbook.h"
#include "clientspanel.h"

// A client for a test book.
inline velmora::book::Client clientOf(const QString &first, const QString &last, QDate birth,
                                      const QStringList &tags = {})
{
    velmora::book::Client client;
    client.first = first;
    client.last = last;
    client.birth = birth;
    client.tags = tags;
    return client;
}

// A book of three clients at the address; their ids in order.
inline QList<qint64> fillBook(const QString &address)
{
    using namespace Qt::StringLiterals;
    QString error;
    const std::unique_ptr<velmora::book::ClientBook> book = velmora::book::ClientBook::open(address, &error);
    if (!book)
        qFatal("cannot open the test book: %s", qPrintable(error));
    QList<qint64> ids;
    if (!book->addClients({clientOf(u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10), {u"regular"_s}),
                           clientOf(u"Charles"_s, u"Babbage"_s, QDate(1791, 12, 26)),
                           clientOf(u"Mary"_s, u"Somerville"_s, QDate(1780, 12, 26), {u"regular"_s})},
                          &ids))
        qFatal("cannot fill the test book: %s", qPrintable(book->errorString()));
    return ids;
}

// Waits until the panel has taken the answer to its latest question.
inline void waitForSearch(velmora::desk::ClientsPanel &panel)
{
    QSignalSpy answered(&panel, &velmora::desk::ClientsPanel::answered);
    const quint64 serial = panel.lastSerial();
    QTRY_VERIFY_WITH_TIMEOUT(!answered.isEmpty() && panel.lastSerial() == serial, 10000);
}

// The client as the book at the address has it, read on a connection of its own.
inline std::optional<velmora::book::Client> stored(const QString &address, qint64 id)
{
    QString error;
    const std::unique_ptr<velmora::book::ClientBook> book = velmora::book::ClientBook::open(address, &error);
    return book ? book->client(id) : std::nullopt;
}
