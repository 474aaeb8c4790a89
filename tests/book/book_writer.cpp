// SPDX-License-Identifier: MIT
// Writes to a client book until it is stopped, for the tests that kill it or
// run two at once.
//   book_writer BOOK imports N   rounds of: N clients in one import, then one
//                                of them changed in one edit (forever)
//   book_writer BOOK adds WHO M  M clients, one change each, named WHO 1..M
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include "clientbook.h"

using namespace velmora::book;

namespace {

Client named(const QString &first, const QString &last)
{
    Client client;
    client.first = first;
    client.last = last;
    client.birth = QDate(1980, 1, 1);
    return client;
}

int failed(const QString &message)
{
    std::fprintf(stderr, "book_writer: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4)
        return failed(QStringLiteral("usage: book_writer BOOK imports N | BOOK adds WHO M"));
    QString error;
    const auto book = ClientBook::open(arguments.at(1), &error);
    if (!book)
        return failed(error);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    if (arguments.at(2) == QLatin1String("imports")) {
        const int size = arguments.at(3).toInt();
        for (int round = 1;; ++round) {
            // The round's clients share a last name, so that a check can count them.
            QList<Client> batch;
            for (int i = 0; i < size; ++i)
                batch.append(named(QStringLiteral("Client%1").arg(i), QStringLiteral("Batch%1x%2").arg(QCoreApplication::applicationPid()).arg(round)));
            QList<qint64> ids;
            if (!book->addClients(batch, &ids))
                return failed(book->errorString());
            // An edit touches the client's row, later names and tags at once:
            // notes, the later name and the tag must always agree.
            std::optional<Client> client = book->client(ids.value(round % size));
            if (!client)
                return failed(book->errorString());
            client->notes = QStringLiteral("edited %1").arg(round);
            client->laterNames = {{QStringLiteral("Edited"), {}, QString::number(round), QDate(2020, 1, 1), QStringLiteral("chosen")}};
            client->nameInUse = 0;
            client->tags = {QStringLiteral("e%1").arg(round)};
            if (!book->updateClient(*client))
                return failed(book->errorString());
        }
    }
    if (arguments.at(2) == QLatin1String("adds") && arguments.size() == 5) {
        const int count = arguments.at(4).toInt();
        for (int i = 1; i <= count; ++i)
            if (book->addClient(named(arguments.at(3), QString::number(i))) == 0)
                return failed(book->errorString());
        return 0;
    }
    return failed(QStringLiteral("unknown task %1").arg(arguments.at(2)));
}
