// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

#include "birthdata.h"

namespace velmora::book {

// A name taken after birth (a married name, a chosen name, a business name).
struct LaterName {
    QString first;
    QString middle;
    QString last;
    QDate taken;   // may be null when not known
    QString label; // "married", "chosen", "business" or any word the practitioner types
    friend bool operator==(const LaterName &, const LaterName &) = default;
};

// Another client of the same book, with what they are to this one.
struct ClientLink {
    qint64 otherId = 0;
    QString label; // "partner", "child", "business partner" …
    friend bool operator==(const ClientLink &, const ClientLink &) = default;
};

// One reading made for the client.
struct HistoryEntry {
    QDateTime made;       // UTC
    QString system;       // the system's key: "classic", "common", "chaldean"
    QDate dateOfInterest; // may be null
    QString document;     // what was made: "reading", "pdf:/path/report.pdf", "calendar", "ics:/path" …
    friend bool operator==(const HistoryEntry &, const HistoryEntry &) = default;
};

// Everything the book keeps of one client. Every text is kept exactly as typed.
struct Client {
    qint64 id = 0; // 0 until the book has stored it
    QString first;
    QString middle;
    QString last;
    QDate birth;
    QList<LaterName> laterNames;
    int nameInUse = -1; // -1: the birth name; else an index into laterNames
    QString notes;
    QStringList tags;
    QList<ClientLink> links;
    QList<HistoryEntry> history; // oldest first
    QString system;              // the system last chosen for the client; empty: the default
    QDateTime created;           // UTC; set by the book
    QDateTime changed;           // UTC; set by the book
    friend bool operator==(const Client &, const Client &) = default;
};

// What a search shows of a client: enough for a list row.
struct ClientSummary {
    qint64 id = 0;
    QString name;      // the name in use, first middle last
    QString birthName; // first middle last as born
    QDate birth;
    friend bool operator==(const ClientSummary &, const ClientSummary &) = default;
};

// The birth data of the client's birth name, as the engine and the report files take it.
[[nodiscard]] BirthData birthDataOf(const Client &client);

// A name as the book shows it: its parts that are not empty, one space apart.
[[nodiscard]] QString joinedName(const QString &first, const QString &middle, const QString &last);
// The name the client goes by now: the later name in use, or the birth name.
[[nodiscard]] QString nameInUse(const Client &client);

// The client book: one SQLite file (the default) or a PostgreSQL database
// shared by a practice. One schema and one set of queries serve both. Every
// change is one transaction; a failure leaves the book as it was and says why
// in errorString(). An object belongs to the thread that opened it; a worker
// thread opens its own (open() is cheap for a book already created).
class ClientBook
{
public:
    // $XDG_DATA_HOME/tavi-velmora/clients.sqlite (~/.local/share/… when unset).
    [[nodiscard]] static QString defaultAddress();

    // Opens the book at address: a file path or postgresql://[user@]host[:port]/dbname.
    // An embedded book that does not exist yet is created (mode 0600 in a folder
    // only the user reaches); anything that is not a book of this program, or a
    // book newer than it, is refused and never touched. nullptr on failure, with
    // *error saying what is wrong and what to do.
    [[nodiscard]] static std::unique_ptr<ClientBook> open(const QString &address, QString *error);

    ~ClientBook();
    ClientBook(const ClientBook &) = delete;
    ClientBook &operator=(const ClientBook &) = delete;

    [[nodiscard]] QString address() const;
    [[nodiscard]] QString errorString() const; // why the last call failed

    // Stores a new client (id ignored); its new id, or 0 on failure.
    [[nodiscard]] qint64 addClient(const Client &client);
    // Told, within the transaction, how many clients an import has stored so
    // far; returning false abandons the import, leaving the book as it was.
    using ImportProgress = std::function<bool(qsizetype stored)>;
    // Stores all or none of them (one transaction): an import. False on
    // failure, or when progress abandons it (errorString() then says so).
    [[nodiscard]] bool addClients(const QList<Client> &clients, QList<qint64> *ids = nullptr,
                                  const ImportProgress &progress = {});
    // The client with this id; nothing when there is none (errorString() then says so) or on failure.
    [[nodiscard]] std::optional<Client> client(qint64 id);
    // Replaces the stored client of client.id with this one (created kept, changed set).
    // The history is kept as stored: it only grows, by addHistory. When client.changed
    // is set and the stored client has changed since (another window or process saved
    // it), nothing is written and errorString() says to read the client again.
    [[nodiscard]] bool updateClient(const Client &client);
    // Removes the client, its names, links to and from it, and its history.
    [[nodiscard]] bool removeClient(qint64 id);
    // Adds one reading to the client's history.
    [[nodiscard]] bool addHistory(qint64 id, const HistoryEntry &entry);

    // Clients matching every term of the query, by name in use then birth date:
    // a term is a name part (birth or later) matched as a prefix regardless of
    // case and accents, a date YYYY, YYYY-MM or YYYY-MM-DD, or tag:WORD. An empty
    // query lists every client. At most limit rows (0: no limit).
    [[nodiscard]] std::optional<QList<ClientSummary>> findClients(const QString &query, int limit = 0);
    [[nodiscard]] std::optional<qint64> clientCount();

    // Every client in id order, one at a time (an export); stops when visit returns false.
    [[nodiscard]] bool forEachClient(const std::function<bool(const Client &)> &visit);

    // A consistent copy of the book, taken while it is in use (embedded books only).
    [[nodiscard]] bool backupTo(const QString &file);
    // The integrity check: empty when the book is sound, else what it found.
    [[nodiscard]] std::optional<QStringList> check();

    [[nodiscard]] static int schemaVersion(); // the version this program writes

private:
    ClientBook();
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace velmora::book
