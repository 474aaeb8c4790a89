// SPDX-License-Identifier: MIT
#include "clientbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <array>
#include <cstdio>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "bookfile.h"
#include "bookschema.h"
#include "booksearch.h"
#include "namekeys.h"

namespace velmora::book {
namespace {

using Row = QVariantList;
using Rows = QList<Row>;

constexpr qint64 kNoLimit = std::numeric_limits<qint64>::max();
constexpr int kPage = 500; // clients read at once by an export
constexpr int kLargeImport = 1000;

std::atomic<quint64> connections{0};

QString isoDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year(), date.month(), date.day());
    return QString::fromLatin1(text.data());
}

QDate dateFrom(const QVariant &value)
{
    return value.isNull() ? QDate() : QDate::fromString(value.toString(), Qt::ISODate);
}

QString isoTime(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeFrom(const QVariant &value)
{
    QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    time.setTimeSpec(Qt::UTC);
    return time;
}

// A text as a bound value: never NULL, which the database would refuse for
// an empty name.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QVariant optionalDate(const QDate &date)
{
    return date.isValid() ? QVariant(isoDate(date)) : QVariant(QMetaType(QMetaType::QString));
}

bool isPostgresAddress(const QString &address)
{
    return address.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || address.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

bool holdsNul(const QString &value)
{
    return value.contains(QChar(u'\0'));
}

bool inYears(const QDate &date)
{
    return date.year() >= kMinYear && date.year() <= kMaxYear;
}

// What is wrong with a client the book is asked to keep; empty when nothing.
QString faultOf(const Client &client)
{
    const QString who = joinedName(client.first, client.middle, client.last);
    if (!client.birth.isValid() || !inYears(client.birth))
        return QStringLiteral("%1 has no valid date of birth (years %2 to %3)").arg(who).arg(kMinYear).arg(kMaxYear);
    if (client.nameInUse < -1 || client.nameInUse >= client.laterNames.size())
        return QStringLiteral("%1: the name in use is not one of the client's names").arg(who);
    QStringList texts = {client.first, client.middle, client.last, client.notes, client.system};
    for (const LaterName &name : client.laterNames) {
        texts << name.first << name.middle << name.last << name.label;
        if (name.taken.isValid() && !inYears(name.taken))
            return QStringLiteral("%1: the date a later name was taken is out of range").arg(who);
    }
    for (const ClientLink &link : client.links)
        texts << link.label;
    for (const HistoryEntry &entry : client.history)
        texts << entry.system << entry.document;
    for (const QString &tag : client.tags) {
        if (tag.isEmpty() || std::ranges::any_of(tag, [](QChar c) { return c.isSpace(); }))
            return QStringLiteral("%1: the tag \"%2\" is not one word").arg(who, tag);
        texts << tag;
    }
    for (const QString &value : texts)
        if (holdsNul(value))
            return QStringLiteral("%1: a text holds the character NUL, which a book cannot keep").arg(who);
    return {};
}

} // namespace

QString joinedName(const QString &first, const QString &middle, const QString &last)
{
    QStringList parts;
    for (const QString *part : {&first, &middle, &last})
        if (!part->isEmpty())
            parts.append(*part);
    return parts.join(QLatin1Char(' '));
}

QString nameInUse(const Client &client)
{
    if (client.nameInUse >= 0 && client.nameInUse < client.laterNames.size()) {
        const LaterName &name = client.laterNames.at(client.nameInUse);
        return joinedName(name.first, name.middle, name.last);
    }
    return joinedName(client.first, client.middle, client.last);
}

BirthData birthDataOf(const Client &client)
{
    BirthData data;
    data.FirstName = client.first.toStdString();
    data.MiddleName = client.middle.toStdString();
    data.LastName = client.last.toStdString();
    data.BirthDay = static_cast<std::int16_t>(client.birth.day());
    data.BirthMonth = static_cast<std::int16_t>(client.birth.month());
    data.BirthMonthName = std::string(monthName(client.birth.month()));
    data.BirthYear = static_cast<std::int16_t>(client.birth.year());
    return data;
}

struct ClientBook::Private {
    QString address;
    QString shownAddress; // without a password
    QString connection;
    QString error;
    bool transient = false; // the last failure was a lock or conflict that may pass
    const Dialect *dialect = nullptr;
    QSqlDatabase db;
    std::map<QString, QSqlQuery> prepared; // the statements used again and again
    std::optional<QSqlQuery> once;         // a statement made for one call (a search)

    bool fail(const QString &what, const QSqlError &sqlError);
    bool fail(const QString &what);
    QSqlQuery *run(const QString &what, const QString &sql, const QVariantList &values, bool keep = true);
    bool exec(const QString &what, const QString &sql, const QVariantList &values = {});
    std::optional<Rows> select(const QString &what, const QString &sql, const QVariantList &values = {},
                               bool keep = true);
    bool write(const QString &what, const std::function<bool()> &body);
    bool read(const QString &what, const std::function<bool()> &body);

    QString openSqlite(bool *fresh);
    QString openPostgres();
    QString prepareSchema(bool fresh);
    std::optional<int> storedVersion(QString *refusal);

    std::optional<qint64> insertClient(const Client &client, const QString &now);
    bool writeParts(qint64 id, const Client &client, const QString &shown);
    bool linksExist(const Client &client);
    bool insertHistory(qint64 id, const HistoryEntry &entry);
    bool foundClient(const std::optional<Rows> &rows, qint64 id);
    std::optional<QList<Client>> load(qint64 from, qint64 to, qint64 limit);
};

bool ClientBook::Private::fail(const QString &what, const QSqlError &sqlError)
{
    transient = dialect->transientErrors.contains(sqlError.nativeErrorCode());
    if (transient)
        error = QStringLiteral("%1: the book is busy, another program is changing it; try again").arg(what);
    else
        error = QStringLiteral("%1: %2").arg(what, sqlError.text().trimmed());
    return false;
}

bool ClientBook::Private::fail(const QString &what)
{
    transient = false;
    error = what;
    return false;
}

// The statement prepared once and kept for the connection (keep), or for
// this call only, run with these values.
QSqlQuery *ClientBook::Private::run(const QString &what, const QString &sql, const QVariantList &values, bool keep)
{
    QSqlQuery *query = nullptr;
    if (auto found = prepared.find(sql); keep && found != prepared.end()) {
        query = &found->second;
    } else {
        QSqlQuery made(db);
        made.setForwardOnly(true);
        if (!made.prepare(sql)) {
            fail(what, made.lastError());
            return nullptr;
        }
        if (keep) {
            query = &prepared.emplace(sql, std::move(made)).first->second;
        } else {
            once.reset();
            query = &once.emplace(std::move(made));
        }
    }
    for (int i = 0; i < values.size(); ++i)
        query->bindValue(i, values.at(i));
    if (!query->exec()) {
        fail(what, query->lastError());
        query->finish();
        return nullptr;
    }
    return query;
}

bool ClientBook::Private::exec(const QString &what, const QString &sql, const QVariantList &values)
{
    if (values.isEmpty()) {
        // Without values, not prepared: the server prepares only queries and
        // changes of rows, not settings or tables.
        QSqlQuery direct(db);
        return direct.exec(sql) || fail(what, direct.lastError());
    }
    QSqlQuery *query = run(what, sql, values);
    if (query)
        query->finish();
    return query != nullptr;
}

// Every row, read whole, the statement finished so that it holds no snapshot.
std::optional<Rows> ClientBook::Private::select(const QString &what, const QString &sql, const QVariantList &values,
                                                bool keep)
{
    QSqlQuery *query = run(what, sql, values, keep);
    if (!query)
        return std::nullopt;
    Rows rows;
    const int columns = query->record().count();
    while (query->next()) {
        Row row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(query->value(i));
        rows.append(std::move(row));
    }
    const QSqlError error = query->lastError();
    query->finish();
    if (error.isValid()) {
        fail(what, error);
        return std::nullopt;
    }
    return rows;
}

// One transaction that changes the book: all of body or nothing. A lock or a
// conflict with another writer is waited out and the whole of it tried again.
bool ClientBook::Private::write(const QString &what, const std::function<bool()> &body)
{
    static thread_local std::minstd_rand jitter(static_cast<unsigned>(::getpid()));
    for (int attempt = 0;; ++attempt) {
        bool done = false;
        {
            QSqlQuery begin(db);
            if (!begin.exec(dialect->beginWrite)) {
                fail(what, begin.lastError());
            } else {
                done = body();
                QSqlQuery end(db);
                if (done && !end.exec(QStringLiteral("COMMIT")))
                    done = fail(what, end.lastError());
                if (!done) {
                    const QString kept = error;
                    const bool wasTransient = transient;
                    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                    error = kept;
                    transient = wasTransient;
                }
            }
        }
        if (done)
            return true;
        if (!transient || attempt >= 5)
            return false;
        QThread::msleep(20 * (attempt + 1) + jitter() % 30);
    }
}

// Several reads that see the book as it was at one moment.
bool ClientBook::Private::read(const QString &what, const std::function<bool()> &body)
{
    QSqlQuery begin(db);
    if (!begin.exec(dialect->beginRead))
        return fail(what, begin.lastError());
    const bool done = body();
    QSqlQuery(db).exec(QStringLiteral("COMMIT"));
    return done;
}

ClientBook::ClientBook() : d(std::make_unique<Private>()) {}

ClientBook::~ClientBook()
{
    const QString connection = d->connection;
    d->prepared.clear();
    d->once.reset();
    d->db.close();
    d.reset();
    if (!connection.isEmpty())
        QSqlDatabase::removeDatabase(connection);
}

QString ClientBook::defaultAddress()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/tavi-velmora/clients.sqlite");
}

int ClientBook::schemaVersion()
{
    return kSchemaVersion;
}

QString ClientBook::address() const
{
    return d->address;
}

QString ClientBook::errorString() const
{
    return d->error;
}

QString ClientBook::Private::openSqlite(bool *fresh)
{
    const BookFile file = prepareBookFile(address, address == defaultAddress());
    if (!file.error.isEmpty())
        return file.error;
    *fresh = file.fresh;
    db.setDatabaseName(file.path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open())
        return QStringLiteral("The client book %1 could not be opened: %2.").arg(shownAddress, db.lastError().text());
    return {};
}

QString ClientBook::Private::openPostgres()
{
    const QUrl url(address, QUrl::StrictMode);
    const QString database = url.path().mid(1);
    if (!url.isValid() || database.isEmpty() || database.contains(QLatin1Char('/')))
        return QStringLiteral("The address %1 is not a book's: write postgresql://[user[:password]@]host[:port]/database "
                              "(with ?host=/folder for a local socket).")
            .arg(shownAddress);
    QString host = url.host();
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host")))
        host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    db.setHostName(host);
    if (url.port() > 0)
        db.setPort(url.port());
    db.setUserName(url.userName(QUrl::FullyDecoded));
    db.setPassword(url.password(QUrl::FullyDecoded));
    db.setDatabaseName(QUrl::fromPercentEncoding(database.toUtf8()));
    db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    if (!db.open())
        return QStringLiteral("The client book %1 could not be reached: %2. Check the address, that the server runs "
                              "and that you may connect to it.")
            .arg(shownAddress, db.lastError().text().trimmed());
    return {};
}

// The book's version, or nothing with *refusal saying why it is not a book
// this program may use (empty when the database holds no tables yet).
std::optional<int> ClientBook::Private::storedVersion(QString *refusal)
{
    const auto tables = select(QStringLiteral("reading its tables"), dialect->tableNames);
    if (!tables) {
        *refusal = QStringLiteral("The client book %1 cannot be read as a database (%2). It was left as it is; it may "
                                  "be damaged: restore it from a backup.")
                       .arg(shownAddress, error);
        return std::nullopt;
    }
    if (tables->isEmpty())
        return 0;
    const bool ours = std::ranges::any_of(*tables, [](const Row &row) {
        return row.value(0).toString().compare(QLatin1String(kVersionTable), Qt::CaseInsensitive) == 0;
    });
    if (!ours) {
        *refusal = QStringLiteral("The client book %1 is a database of another program, not a client book. It was left "
                                  "as it is; choose the book's own file, or a name that does not exist yet for a new book.")
                       .arg(shownAddress);
        return std::nullopt;
    }
    const auto version = select(QStringLiteral("reading its version"),
                                QStringLiteral("SELECT version FROM tavi_velmora_book"));
    if (!version || version->size() != 1) {
        *refusal = QStringLiteral("The client book %1 does not say which version it is%2. It was left as it is; restore "
                                  "it from a backup.")
                       .arg(shownAddress, version ? QString() : QStringLiteral(" (%1)").arg(error));
        return std::nullopt;
    }
    const int stored = version->first().value(0).toInt();
    if (stored > kSchemaVersion) {
        *refusal = QStringLiteral("The client book %1 was written by a newer Tavi Velmora (book version %2; this one "
                                  "knows up to %3). It was left as it is; use the newer program, or update this one.")
                       .arg(shownAddress)
                       .arg(stored)
                       .arg(kSchemaVersion);
        return std::nullopt;
    }
    return stored;
}

// Makes a new book's tables, or takes an older book to this version, in one
// transaction; looked at again once the transaction holds the book, as
// another process may have done it meanwhile.
QString ClientBook::Private::prepareSchema(bool fresh)
{
    QString refusal;
    std::optional<int> version = fresh ? std::optional<int>(0) : storedVersion(&refusal);
    if (!version)
        return refusal;
    for (const QString &statement : dialect->sessionSetup)
        if (!exec(QStringLiteral("setting up the connection"), statement))
            return QStringLiteral("The client book %1 could not be set up: %2.").arg(shownAddress, error);
    if (*version == kSchemaVersion)
        return {};
    const bool done = write(QStringLiteral("making the book's tables"), [&] {
        if (!dialect->lockForSchema.isEmpty() && !exec(QStringLiteral("locking the book"), dialect->lockForSchema))
            return false;
        version = storedVersion(&refusal);
        if (!version)
            return false;
        QStringList statements;
        if (*version == 0) {
            statements = schemaStatements(*dialect);
        } else if (*version < kSchemaVersion) {
            for (int from = *version; from < kSchemaVersion; ++from)
                statements += upgradeStatements(*dialect, from);
            statements.append(QStringLiteral("UPDATE tavi_velmora_book SET version = %1").arg(kSchemaVersion));
        }
        for (const QString &statement : statements)
            if (!exec(QStringLiteral("making the book's tables"), statement, {}))
                return false;
        return true;
    });
    if (!refusal.isEmpty())
        return refusal;
    if (!done)
        return QStringLiteral("The client book %1 could not be made ready: %2. Nothing in it was changed.")
            .arg(shownAddress, error);
    return {};
}

std::unique_ptr<ClientBook> ClientBook::open(const QString &address, QString *error)
{
    std::unique_ptr<ClientBook> book(new ClientBook);
    Private &d = *book->d;
    d.address = address;
    const bool postgres = isPostgresAddress(address);
    d.dialect = postgres ? &postgresDialect() : &sqliteDialect();
    d.shownAddress = postgres ? QUrl(address).toString(QUrl::RemovePassword) : address;
    auto refuse = [&](const QString &message) {
        if (error)
            *error = message;
        return std::unique_ptr<ClientBook>();
    };
    if (!QSqlDatabase::isDriverAvailable(d.dialect->driver))
        return refuse(QStringLiteral("The client book %1 needs Qt's %2 database driver, which is not installed (Debian "
                                     "package %3).")
                          .arg(d.shownAddress, d.dialect->driver,
                               postgres ? QStringLiteral("libqt6sql6-psql") : QStringLiteral("libqt6sql6-sqlite")));
    d.connection = QStringLiteral("tavi-velmora-book-%1").arg(connections.fetch_add(1));
    d.db = QSqlDatabase::addDatabase(d.dialect->driver, d.connection);
    bool fresh = false;
    QString refusal = postgres ? d.openPostgres() : d.openSqlite(&fresh);
    if (refusal.isEmpty())
        refusal = d.prepareSchema(fresh);
    if (!refusal.isEmpty())
        return refuse(refusal);
    d.error.clear();
    return book;
}

std::optional<qint64> ClientBook::Private::insertClient(const Client &client, const QString &now)
{
    const QString shown = nameInUse(client);
    const auto rows = select(
        QStringLiteral("adding a client"),
        QStringLiteral("INSERT INTO clients (first_name, middle_name, last_name, birth, name_in_use, notes, system, "
                       "shown_name, sort_key, created, changed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
        {text(client.first), text(client.middle), text(client.last), isoDate(client.birth), client.nameInUse,
         text(client.notes), text(client.system), text(shown), foldedKey(shown), now, now});
    if (!rows || rows->size() != 1)
        return std::nullopt;
    const qint64 id = rows->first().value(0).toLongLong();
    for (const HistoryEntry &entry : client.history)
        if (!insertHistory(id, entry))
            return std::nullopt;
    if (!writeParts(id, client, shown))
        return std::nullopt;
    return id;
}

// The later names, tags, links and search keys of a client whose own row is written.
bool ClientBook::Private::writeParts(qint64 id, const Client &client, const QString &shown)
{
    const QString sortKey = foldedKey(shown);
    const QString what = QStringLiteral("writing a client");
    QStringList keys;
    for (const QString *part : {&client.first, &client.middle, &client.last})
        keys += nameKeys(*part);
    for (int i = 0; i < client.laterNames.size(); ++i) {
        const LaterName &name = client.laterNames.at(i);
        if (!exec(what,
                  QStringLiteral("INSERT INTO later_names (client_id, seq, first_name, middle_name, last_name, taken, "
                                 "label) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {id, i, text(name.first), text(name.middle), text(name.last), optionalDate(name.taken),
                   text(name.label)}))
            return false;
        for (const QString *part : {&name.first, &name.middle, &name.last})
            keys += nameKeys(*part);
    }
    for (int i = 0; i < client.tags.size(); ++i)
        if (!exec(what, QStringLiteral("INSERT INTO tags (client_id, seq, tag, tag_key) VALUES (?, ?, ?, ?)"),
                  {id, i, client.tags.at(i), foldedKey(client.tags.at(i))}))
            return false;
    for (int i = 0; i < client.links.size(); ++i)
        if (!exec(what, QStringLiteral("INSERT INTO links (client_id, seq, other_id, label) VALUES (?, ?, ?, ?)"),
                  {id, i, client.links.at(i).otherId, text(client.links.at(i).label)}))
            return false;
    keys.removeDuplicates();
    const QString birth = isoDate(client.birth);
    for (const QString &key : std::as_const(keys))
        if (!exec(what, QStringLiteral("INSERT INTO name_keys (name_key, sort_key, birth, client_id) VALUES (?, ?, ?, ?)"),
                  {key, sortKey, birth, id}))
            return false;
    return true;
}

// One reading of a client; made now when it does not say when.
bool ClientBook::Private::insertHistory(qint64 id, const HistoryEntry &entry)
{
    return exec(QStringLiteral("Adding a reading to client %1").arg(id),
                QStringLiteral("INSERT INTO history (client_id, made, system, date_of_interest, document) "
                               "VALUES (?, ?, ?, ?, ?)"),
                {id, isoTime(entry.made.isValid() ? entry.made : QDateTime::currentDateTimeUtc()), text(entry.system),
                 optionalDate(entry.dateOfInterest), text(entry.document)});
}

// Whether a statement that reads or removes the client of this id found it.
bool ClientBook::Private::foundClient(const std::optional<Rows> &rows, qint64 id)
{
    if (!rows)
        return false;
    return !rows->isEmpty() || fail(QStringLiteral("There is no client %1 in the book").arg(id));
}

bool ClientBook::Private::linksExist(const Client &client)
{
    for (const ClientLink &link : client.links) {
        const auto rows = select(QStringLiteral("reading a linked client"),
                                 QStringLiteral("SELECT id FROM clients WHERE id = ?"), {link.otherId});
        if (!rows)
            return false;
        if (rows->isEmpty())
            return fail(QStringLiteral("%1: the link \"%2\" names client %3, who is not in the book")
                            .arg(joinedName(client.first, client.middle, client.last), link.label)
                            .arg(link.otherId));
    }
    return true;
}

qint64 ClientBook::addClient(const Client &client)
{
    QList<qint64> ids;
    return addClients({client}, &ids) ? ids.value(0) : 0;
}

bool ClientBook::addClients(const QList<Client> &clients, QList<qint64> *ids, const ImportProgress &progress)
{
    for (qsizetype i = 0; i < clients.size(); ++i)
        if (const QString fault = faultOf(clients.at(i)); !fault.isEmpty())
            return d->fail(clients.size() > 1 ? QStringLiteral("Client %1 of %2: %3").arg(i + 1).arg(clients.size()).arg(fault)
                                              : fault);
    QList<qint64> added;
    const bool done = d->write(QStringLiteral("Adding clients"), [&] {
        added.clear();
        const QString now = isoTime(QDateTime::currentDateTimeUtc());
        for (const Client &client : clients) {
            if (!d->linksExist(client))
                return false;
            const std::optional<qint64> id = d->insertClient(client, now);
            if (!id)
                return false;
            added.append(*id);
            if (progress && !progress(added.size()))
                return d->fail(QStringLiteral("The import was cancelled; nothing of it was kept"));
        }
        return true;
    });
    if (done && ids)
        *ids = added;
    if (done && clients.size() >= kLargeImport && !d->dialect->afterImport.isEmpty())
        (void)d->exec(QStringLiteral("Learning the new clients"), d->dialect->afterImport);
    return done;
}

std::optional<QList<Client>> ClientBook::Private::load(qint64 from, qint64 to, qint64 limit)
{
    const QString what = QStringLiteral("Reading clients");
    QList<Client> clients;
    const bool done = read(what, [&] {
        const auto rows = select(what,
                                 QStringLiteral("SELECT id, first_name, middle_name, last_name, birth, name_in_use, notes, "
                                                "system, created, changed FROM clients WHERE id >= ? AND id <= ? "
                                                "ORDER BY id LIMIT ?"),
                                 {from, to, limit});
        if (!rows)
            return false;
        if (rows->isEmpty())
            return true;
        QHash<qint64, qsizetype> at;
        for (const Row &row : *rows) {
            Client client;
            client.id = row.at(0).toLongLong();
            client.first = row.at(1).toString();
            client.middle = row.at(2).toString();
            client.last = row.at(3).toString();
            client.birth = dateFrom(row.at(4));
            client.nameInUse = row.at(5).toInt();
            client.notes = row.at(6).toString();
            client.system = row.at(7).toString();
            client.created = timeFrom(row.at(8));
            client.changed = timeFrom(row.at(9));
            at.insert(client.id, clients.size());
            clients.append(client);
        }
        const QVariantList range = {clients.first().id, clients.last().id};
        // Each list of the clients read, in order; fill takes one row.
        auto part = [&](const QString &sql, const std::function<void(Client &, const Row &)> &fill) {
            const auto parts = select(what, sql, range);
            if (!parts)
                return false;
            for (const Row &row : *parts)
                if (const auto found = at.constFind(row.at(0).toLongLong()); found != at.cend())
                    fill(clients[*found], row);
            return true;
        };
        return part(QStringLiteral("SELECT client_id, first_name, middle_name, last_name, taken, label FROM later_names "
                                   "WHERE client_id >= ? AND client_id <= ? ORDER BY client_id, seq"),
                    [](Client &client, const Row &row) {
                        client.laterNames.append({row.at(1).toString(), row.at(2).toString(), row.at(3).toString(),
                                                  dateFrom(row.at(4)), row.at(5).toString()});
                    })
            && part(QStringLiteral("SELECT client_id, tag FROM tags WHERE client_id >= ? AND client_id <= ? "
                                   "ORDER BY client_id, seq"),
                    [](Client &client, const Row &row) { client.tags.append(row.at(1).toString()); })
            && part(QStringLiteral("SELECT client_id, other_id, label FROM links WHERE client_id >= ? AND client_id <= ? "
                                   "ORDER BY client_id, seq"),
                    [](Client &client, const Row &row) {
                        client.links.append({row.at(1).toLongLong(), row.at(2).toString()});
                    })
            && part(QStringLiteral("SELECT client_id, made, system, date_of_interest, document FROM history "
                                   "WHERE client_id >= ? AND client_id <= ? ORDER BY client_id, id"),
                    [](Client &client, const Row &row) {
                        client.history.append(
                            {timeFrom(row.at(1)), row.at(2).toString(), dateFrom(row.at(3)), row.at(4).toString()});
                    });
    });
    if (!done)
        return std::nullopt;
    return clients;
}

std::optional<Client> ClientBook::client(qint64 id)
{
    const auto clients = d->load(id, id, 1);
    if (!clients)
        return std::nullopt;
    if (clients->isEmpty()) {
        d->fail(QStringLiteral("There is no client %1 in the book").arg(id));
        return std::nullopt;
    }
    return clients->first();
}

bool ClientBook::updateClient(const Client &client)
{
    if (const QString fault = faultOf(client); !fault.isEmpty())
        return d->fail(fault);
    const QString what = QStringLiteral("Changing client %1").arg(client.id);
    return d->write(what, [&] {
        const auto stored = d->select(what, QStringLiteral("SELECT changed FROM clients WHERE id = ?"), {client.id});
        if (!d->foundClient(stored, client.id))
            return false;
        const QDateTime storedChanged = timeFrom(stored->first().at(0));
        if (client.changed.isValid() && storedChanged != client.changed)
            return d->fail(QStringLiteral("%1: the client was changed elsewhere (%2) since it was read; read it again and "
                                          "make the change there")
                               .arg(what, isoTime(storedChanged)));
        // Strictly later than the stored time, so that two saves within one
        // millisecond still tell apart.
        const QString changed = isoTime(std::max(QDateTime::currentDateTimeUtc(), storedChanged.addMSecs(1)));
        if (!d->linksExist(client)
            || !d->exec(what,
                        QStringLiteral("UPDATE clients SET first_name = ?, middle_name = ?, last_name = ?, birth = ?, "
                                       "name_in_use = ?, notes = ?, system = ?, shown_name = ?, sort_key = ?, changed = ? "
                                       "WHERE id = ?"),
                        {text(client.first), text(client.middle), text(client.last), isoDate(client.birth),
                         client.nameInUse, text(client.notes), text(client.system), text(nameInUse(client)),
                         foldedKey(nameInUse(client)), changed, client.id}))
            return false;
        for (const char *table : {"later_names", "tags", "links", "name_keys"})
            if (!d->exec(what, QStringLiteral("DELETE FROM %1 WHERE client_id = ?").arg(QLatin1String(table)), {client.id}))
                return false;
        return d->writeParts(client.id, client, nameInUse(client));
    });
}

bool ClientBook::removeClient(qint64 id)
{
    const QString what = QStringLiteral("Removing client %1").arg(id);
    return d->write(what, [&] {
        return d->foundClient(d->select(what, QStringLiteral("DELETE FROM clients WHERE id = ? RETURNING id"), {id}), id);
    });
}

bool ClientBook::addHistory(qint64 id, const HistoryEntry &entry)
{
    if (holdsNul(entry.system) || holdsNul(entry.document))
        return d->fail(QStringLiteral("A reading's record holds the character NUL, which a book cannot keep"));
    const QString what = QStringLiteral("Adding a reading to client %1").arg(id);
    return d->write(what, [&] {
        return d->foundClient(d->select(what, QStringLiteral("SELECT id FROM clients WHERE id = ?"), {id}), id)
            && d->insertHistory(id, entry);
    });
}

std::optional<qint64> ClientBook::clientCount()
{
    const auto rows = d->select(QStringLiteral("Counting clients"), QStringLiteral("SELECT COUNT(*) FROM clients"));
    if (!rows)
        return std::nullopt;
    return rows->value(0).value(0).toLongLong();
}

bool ClientBook::forEachClient(const std::function<bool(const Client &)> &visit)
{
    for (qint64 from = std::numeric_limits<qint64>::min();;) {
        const auto page = d->load(from, kNoLimit, kPage);
        if (!page)
            return false;
        for (const Client &client : *page)
            if (!visit(client))
                return true;
        if (page->size() < kPage)
            return true;
        from = page->last().id + 1;
    }
}

// The condition a term puts on the client whose id and date of birth are in
// the columns client and birth.
static QString conditionOf(const SearchTerm &term, const QString &client, const QString &birth, QVariantList *values)
{
    values->append(term.start);
    if (!term.end.isEmpty())
        values->append(term.end);
    auto below = [&](const QString &column) {
        return term.end.isEmpty() ? QString() : QStringLiteral(" AND %1 < ?").arg(column);
    };
    switch (term.kind) {
    case SearchTerm::Name:
        return QStringLiteral("%1 IN (SELECT client_id FROM name_keys WHERE name_key >= ?%2)")
            .arg(client, below(QStringLiteral("name_key")));
    case SearchTerm::Birth:
        return QStringLiteral("%1 >= ?%2").arg(birth, below(birth));
    case SearchTerm::Tag:
        break;
    }
    return QStringLiteral("%1 IN (SELECT client_id FROM tags WHERE tag_key = ?)").arg(client);
}

std::optional<QList<ClientSummary>> ClientBook::findClients(const QString &query, int limit)
{
    QList<SearchTerm> terms = parseSearch(query);
    // The longest name typed leads (it is likely the rarest): its range of
    // the name index is read in list order, the other terms' clients are
    // gathered once and looked up ("ma ke" among 100,000 clients: 11 ms
    // against 36 ms looking each one's names up).
    const auto lead = std::ranges::max_element(terms, {}, [](const SearchTerm &term) {
        return term.kind == SearchTerm::Name ? term.start.size() : -1;
    });
    const bool byName = lead != terms.end() && lead->kind == SearchTerm::Name;
    QVariantList values;
    QStringList conditions;
    QString sql;
    if (byName) {
        const SearchTerm first = *lead;
        terms.erase(lead);
        conditions.append(QStringLiteral("k.name_key >= ?"));
        values.append(first.start);
        if (!first.end.isEmpty()) {
            conditions.append(QStringLiteral("k.name_key < ?"));
            values.append(first.end);
        }
        for (const SearchTerm &term : std::as_const(terms))
            conditions.append(conditionOf(term, QStringLiteral("k.client_id"), QStringLiteral("k.birth"), &values));
        // A client with two words of the same start is found twice: told
        // apart here, so that each shows once.
        sql = QStringLiteral("SELECT c.id, c.shown_name, c.first_name, c.middle_name, c.last_name, c.birth FROM "
                             "(SELECT k.client_id, k.sort_key, k.birth FROM name_keys k WHERE %1 "
                             "ORDER BY k.sort_key, k.birth, k.client_id%2) s JOIN clients c ON c.id = s.client_id "
                             "ORDER BY s.sort_key, s.birth, s.client_id")
                  .arg(conditions.join(QStringLiteral(" AND ")), limit > 0 ? QStringLiteral(" LIMIT ?") : QString());
    } else {
        for (const SearchTerm &term : std::as_const(terms))
            conditions.append(conditionOf(term, QStringLiteral("c.id"), QStringLiteral("c.birth"), &values));
        sql = QStringLiteral("SELECT c.id, c.shown_name, c.first_name, c.middle_name, c.last_name, c.birth FROM "
                             "clients c%1 ORDER BY c.sort_key, c.birth, c.id%2")
                  .arg(conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND ")),
                       limit > 0 ? QStringLiteral(" LIMIT ?") : QString());
    }
    // Rows enough for limit clients, even when some come twice.
    for (qint64 rowsAsked = byName ? 2 * qint64(limit) : limit;; rowsAsked *= 4) {
        QVariantList bound = values;
        if (limit > 0)
            bound.append(rowsAsked);
        const auto rows = d->select(QStringLiteral("Finding clients"), sql, bound, false);
        if (!rows)
            return std::nullopt;
        QList<ClientSummary> found;
        for (const Row &row : *rows) {
            const qint64 id = row.at(0).toLongLong();
            if (!found.isEmpty() && found.last().id == id)
                continue;
            if (limit > 0 && found.size() == limit)
                break;
            found.append({id, row.at(1).toString(), joinedName(row.at(2).toString(), row.at(3).toString(), row.at(4).toString()),
                          dateFrom(row.at(5))});
        }
        if (limit <= 0 || found.size() == limit || rows->size() < rowsAsked)
            return found;
    }
}

bool ClientBook::backupTo(const QString &file)
{
    if (!d->dialect->embedded)
        return d->fail(QStringLiteral("A shared book is backed up on its server (with pg_dump); this program backs up "
                                      "only a book kept in a file"));
    const QString target = QFileInfo(file).absoluteFilePath();
    const QByteArray native = QFile::encodeName(target);
    // Made here, for the user alone, and never over a file that is there.
    const int fd = ::open(native.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return d->fail(errno == EEXIST
                           ? QStringLiteral("%1 is there already; a backup never replaces a file: choose a new name").arg(target)
                           : QStringLiteral("The backup %1 could not be made: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno))));
    ::close(fd);
    if (!d->exec(QStringLiteral("Backing the book up to %1").arg(target), QStringLiteral("VACUUM INTO ?"), {target})) {
        ::unlink(native.constData());
        return false;
    }
    const int written = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = written >= 0 && ::fsync(written) == 0;
    if (written >= 0)
        ::close(written);
    if (!synced)
        return d->fail(QStringLiteral("The backup %1 could not be written to the disk: %2")
                           .arg(target, QString::fromLocal8Bit(std::strerror(errno))));
    return true;
}

std::optional<QStringList> ClientBook::check()
{
    QStringList found;
    for (const QString &statement : d->dialect->integrityChecks) {
        const auto rows = d->select(QStringLiteral("Checking the book"), statement);
        if (!rows) {
            found.append(d->error);
            continue;
        }
        for (const Row &row : *rows) {
            QStringList columns;
            for (const QVariant &value : row)
                columns.append(value.toString());
            if (columns != QStringList{QStringLiteral("ok")})
                found.append(columns.join(QLatin1Char(' ')));
        }
    }
    QString refusal;
    if (!d->storedVersion(&refusal) && !refusal.isEmpty())
        found.append(refusal);
    return found;
}

} // namespace velmora::book
