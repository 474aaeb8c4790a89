// SPDX-License-Identifier: MIT
#include "bookaccess.h"

#include <QFileInfo>

#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "enginetext.h"
#include "system.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// "pdf:/home/ann/mary.pdf"; "pdf" alone for standard output.
QString madeFile(const QString &kind, const QString &fileName)
{
    return fileName == u"-"_s ? kind : kind + u':' + QFileInfo(fileName).absoluteFilePath();
}

// What the run made for the client, as its history keeps it.
QList<book::HistoryEntry> madeFor(const CliOptions &options, const QDateTime &now)
{
    const QString system = toQString(options.system->key);
    const QDate noDate;
    const QDate interest(options.dateOfInterest.year, options.dateOfInterest.month, options.dateOfInterest.day);
    QList<book::HistoryEntry> made;
    const auto add = [&](const QDate &date, const QString &document) {
        made.append({now.toUTC(), system, date, document});
    };
    if (options.calendarGiven) {
        if (options.printed)
            add(noDate, u"calendar:"_s + options.calendar);
        if (!options.icsFile.isEmpty())
            add(noDate, madeFile(u"ics"_s, options.icsFile));
        if (!options.pdfFile.isEmpty())
            add(noDate, madeFile(u"pdf"_s, options.pdfFile));
        return made;
    }
    if (!options.pdfFile.isEmpty())
        add(interest, madeFile(u"pdf"_s, options.pdfFile));
    if (options.printed && options.pdfFile != u"-"_s)
        add(interest, options.explain ? u"reading (explained)"_s : u"reading"_s);
    return made;
}

} // namespace

BookAccess::BookAccess(const QString &address, CliStreams &streams)
    : m_address(address.isEmpty() ? book::ClientBook::defaultAddress() : address)
    , m_streams(streams)
{
}

BookAccess::~BookAccess() = default;

book::ClientBook *BookAccess::book()
{
    if (!m_tried) {
        m_tried = true;
        QString error;
        m_book = book::ClientBook::open(m_address, &error);
        if (!m_book)
            m_streams.failure(u"%1: %2"_s.arg(m_address, error));
    }
    return m_book.get();
}

std::optional<book::Client> BookAccess::client(const QString &idOrName, const QString &option, int *status)
{
    *status = Failure;
    book::ClientBook *clients = book();
    if (clients == nullptr)
        return std::nullopt;
    // "--client 'mari'", "--compare client:mari"
    const bool operand = option.endsWith(u':');
    const QString named = operand ? option + idOrName : u"%1 '%2'"_s.arg(option, idOrName);
    bool number = false;
    qint64 id = idOrName.toLongLong(&number);
    if (!number) {
        const std::optional<QList<book::ClientSummary>> found = clients->findClients(idOrName, 100);
        if (!found) {
            m_streams.failure(u"%1: %2"_s.arg(m_address, clients->errorString()));
            return std::nullopt;
        }
        if (found->isEmpty()) {
            m_streams.failure(u"%1: no client matches; find clients with --find-client"_s.arg(named));
            return std::nullopt;
        }
        if (found->size() > 1) {
            for (const book::ClientSummary &summary : *found)
                printError(m_streams.errors(), u"  %1  %2, born %3"_s.arg(QString::number(summary.id), summary.name,
                                                                            summary.birth.toString(Qt::ISODate))
                                                   .toStdString());
            const QString byId = operand ? option.section(u' ', -1) + u"ID"_s : option + u" ID"_s;
            *status = m_streams.usageError(u"%1: %2 clients match (listed above); say which with %3"_s.arg(
                named, found->size() >= 100 ? u"100 or more"_s : QString::number(found->size()), byId));
            return std::nullopt;
        }
        id = found->constFirst().id;
    }
    std::optional<book::Client> client = clients->client(id);
    if (!client)
        m_streams.failure(u"%1: %2"_s.arg(named, clients->errorString()));
    else
        *status = Success;
    return client;
}

int BookAccess::record(qint64 id, const QList<book::HistoryEntry> &entries)
{
    book::ClientBook *clients = book();
    if (clients == nullptr)
        return Failure;
    for (const book::HistoryEntry &entry : entries) {
        if (!clients->addHistory(id, entry))
            return m_streams.failure(u"%1: made, but not added to the history of client %2: %3"_s.arg(
                entry.document, QString::number(id), clients->errorString()));
    }
    return Success;
}

QString bookAddress(const CliOptions &options)
{
    return options.book.isEmpty() ? book::ClientBook::defaultAddress() : options.book;
}

int runForClient(const CliOptions &options, CliStreams &streams, const QDateTime &now,
                 const std::function<int(const CliOptions &)> &job)
{
    BookAccess access(options.book, streams);
    int status = Failure;
    const std::optional<book::Client> client = access.client(options.client, u"--client"_s, &status);
    if (!client)
        return status;
    CliOptions forClient = options;
    forClient.date = client->birth.toString(Qt::ISODate);
    forClient.dateGiven = true;
    if (options.mode == CliMode::Variants) {
        // The names not given are the client's; a file of variants gives its own.
        if (options.variantsGiven)
            return job(forClient);
        for (const auto &[given, name, own] :
             {std::tuple{options.firstGiven, &forClient.first, client->first},
              std::tuple{options.middleGiven, &forClient.middle, client->middle},
              std::tuple{options.lastGiven, &forClient.last, client->last}}) {
            if (!given)
                *name = own;
        }
        return job(forClient);
    }
    forClient.mode = CliMode::Person;
    forClient.first = client->first;
    forClient.middle = client->middle;
    forClient.last = client->last;
    forClient.clientId = client->id;
    if (client->nameInUse >= 0)
        forClient.clientNameInUse = book::nameInUse(*client);
    if (const System *system = findSystem(client->system.toStdString());
        system != nullptr && !options.systemNamed) {
        forClient.system = system;
        forClient.systemNamed = true;
    }
    if (status = job(forClient); status != Success)
        return status;
    return access.record(client->id, madeFor(forClient, now));
}

} // namespace velmora
