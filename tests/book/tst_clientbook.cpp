// SPDX-License-Identifier: MIT
// The client book's behaviours, each table run on a book in a file and on a
// book on a PostgreSQL server the test starts itself.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrlQuery>

#include <map>
#include <memory>

#include "clientbook.h"
#include "pgserver.h"

using namespace velmora::book;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(velmora::book::Client)

namespace {

Client person(const QString &first, const QString &middle, const QString &last, QDate birth)
{
    Client client;
    client.first = first;
    client.middle = middle;
    client.last = last;
    client.birth = birth;
    return client;
}

// What the book sets itself, taken from the stored copy, so that the rest
// must come back exactly as it went in.
Client asStored(Client sent, const Client &stored)
{
    sent.id = stored.id;
    sent.created = stored.created;
    sent.changed = stored.changed;
    return sent;
}

} // namespace

class TestClientBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void keepsEveryField_data();
    void keepsEveryField();
    void finds_data();
    void finds();
    void removesWithEverythingOfTheClient_data();
    void removesWithEverythingOfTheClient();
    void changesAllOrNothing_data();
    void changesAllOrNothing();
    void refusesANewerBook_data();
    void refusesANewerBook();

private:
    // A new, empty book of the backend; skips the row when it cannot be had.
    std::unique_ptr<ClientBook> newBook(const QString &backend, QString *address = nullptr);
    void addBackends();

    QTemporaryDir m_folder;
    int m_files = 0;
    std::unique_ptr<TemporaryPostgres> m_server;
    std::map<QString, std::unique_ptr<ClientBook>> m_searched; // one book for every search, by backend
    QString m_serverError;
};

void TestClientBook::cleanupTestCase()
{
    m_searched.clear();
}

void TestClientBook::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_server = std::make_unique<TemporaryPostgres>();
    if (!m_server->start(&m_serverError))
        m_server.reset();
    if (TemporaryPostgres::programs().isEmpty())
        qInfo("PostgreSQL is not installed (Debian package postgresql): its rows are skipped");
    else if (!m_server)
        QFAIL(qPrintable(u"PostgreSQL is installed but its server could not be started: "_s + m_serverError));
}

std::unique_ptr<ClientBook> TestClientBook::newBook(const QString &backend, QString *address)
{
    QString where;
    if (backend == "sqlite"_L1) {
        where = m_folder.filePath(u"book-%1.sqlite"_s.arg(++m_files));
    } else {
        if (!m_server)
            return nullptr;
        QString error;
        where = m_server->newDatabase(&error);
        if (where.isEmpty())
            qWarning("%s", qPrintable(error));
    }
    if (address)
        *address = where;
    QString error;
    auto book = ClientBook::open(where, &error);
    if (!book)
        qWarning("%s", qPrintable(error));
    return book;
}

void TestClientBook::addBackends()
{
    QTest::addColumn<QString>("backend");
}

#define NEW_BOOK(book, backend)                                                                                   \
    if (backend == "postgresql"_L1 && !m_server)                                                                 \
        QSKIP("PostgreSQL is not installed (Debian package postgresql)");                                       \
    auto book = newBook(backend);                                                                                \
    QVERIFY(book)

// Every field a person typed comes back byte for byte, through adding, reading,
// changing and the export's walk, whatever the script or punctuation.
void TestClientBook::keepsEveryField_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<Client>("client");

    Client full = person(u"Zoë"_s, u"Ann-Marie"_s, u"O'Brien"_s, QDate(1984, 2, 29));
    full.laterNames = {{u"Zoë"_s, {}, u"Ó Súilleabháin"_s, QDate(2010, 6, 12), u"married"_s},
                       {u"Z"_s, {}, u"Studio Nine"_s, QDate(), u"business"_s}};
    full.nameInUse = 0;
    full.notes = u"Line one\nLine two\ttabbed, \"quoted\", 'single', ; -- /* */ \\ %\r\nend"_s;
    full.tags = {u"vip"_s, u"Ärztin"_s, u"2024"_s};
    full.system = u"chaldean"_s;
    full.history = {{QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5, 678), Qt::UTC), u"classic"_s, QDate(2025, 3, 1),
                     u"pdf:/home/x/Zoë report.pdf"_s},
                    {QDateTime(QDate(2025, 1, 3), QTime(0, 0), Qt::UTC), u"common"_s, QDate(), u"reading"_s}};
    Client scripts = person(u"Алёна"_s, u"李"_s, u"بن‌علي"_s, QDate(1, 1, 1));
    scripts.notes = u"🙂 emoji, ＦＵＬＬＷＩＤＴＨ, e\u0301 decomposed, \u200d joiner"_s;
    Client injection = person(u"Robert'); DROP TABLE clients;--"_s, u"%_"_s, u"\\' OR '1'='1"_s, QDate(9999, 12, 31));
    injection.tags = {u"tag:x'--"_s};
    Client bare = person({}, {}, u"Single"_s, QDate(2000, 1, 1));

    for (const QString &backend : {u"sqlite"_s, u"postgresql"_s}) {
        QTest::addRow("%s: accents, later names, history", qPrintable(backend)) << backend << full;
        QTest::addRow("%s: other scripts", qPrintable(backend)) << backend << scripts;
        QTest::addRow("%s: quotes and SQL", qPrintable(backend)) << backend << injection;
        QTest::addRow("%s: empty parts", qPrintable(backend)) << backend << bare;
    }
}

void TestClientBook::keepsEveryField()
{
    QFETCH(QString, backend);
    QFETCH(Client, client);
    NEW_BOOK(book, backend);
    const Client other = person(u"Other"_s, {}, u"Person"_s, QDate(1970, 5, 5));
    const qint64 otherId = book->addClient(other);
    QVERIFY2(otherId > 0, qPrintable(book->errorString()));
    client.links = {{otherId, u"partner"_s}, {otherId, u"business partner"_s}};

    const qint64 id = book->addClient(client);
    QVERIFY2(id > 0, qPrintable(book->errorString()));
    const std::optional<Client> stored = book->client(id);
    QVERIFY2(stored, qPrintable(book->errorString()));
    QCOMPARE(*stored, asStored(client, *stored));
    QVERIFY(stored->created.isValid() && stored->created.timeSpec() == Qt::UTC);

    // Changed everywhere but the history, which only grows.
    Client changed = *stored;
    changed.first = client.last;
    changed.last = client.first;
    changed.laterNames.append({u"Née"_s, u"d'Artagnan"_s, {}, QDate(2020, 2, 2), u"chosen"_s});
    changed.nameInUse = static_cast<int>(changed.laterNames.size()) - 1;
    changed.tags = {u"moved"_s};
    changed.links = {{otherId, u"child"_s}};
    changed.notes += u" more"_s;
    changed.history.clear();
    QVERIFY2(book->updateClient(changed), qPrintable(book->errorString()));
    const std::optional<Client> again = book->client(id);
    QVERIFY(again);
    QVERIFY(again->changed > stored->changed);
    changed.history = stored->history;
    QCOMPARE(*again, asStored(changed, *again));

    QList<Client> walked;
    QVERIFY(book->forEachClient([&](const Client &each) {
        walked.append(each);
        return true;
    }));
    QCOMPARE(walked.size(), 2);
    QCOMPARE(walked.last(), *again);
}

// Who a search finds, and in what order: the name in use, then the date of birth.
void TestClientBook::finds_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("found"); // names in use, in order

    const QStringList everyone = {u"Anna Marie Lind"_s, u"José Mariño"_s, u"Maria Smith"_s, u"Mariana Moreau"_s, u"Marie Weiß"_s,
              u"Mårten Ek"_s, u"Robert'); DROP TABLE clients;-- X"_s, u"Sven Ek"_s, u"Ümit Özdemir"_s};
    const QStringList mari = {u"Anna Marie Lind"_s, u"José Mariño"_s, u"Maria Smith"_s, u"Mariana Moreau"_s, u"Marie Weiß"_s};
    const QList<std::pair<const char *, QStringList>> rows = {
        {"", everyone},
        {"mari", mari},
        {"MARI", mari},
        {"marin", {u"José Mariño"_s}},
        {"mariño", {u"José Mariño"_s}},
        {"marten", {u"Mårten Ek"_s}},
        {"weiss", {u"Marie Weiß"_s}},
        {"umit ozd", {u"Ümit Özdemir"_s}},
        {"obri", {u"Mariana Moreau"_s}},        // a birth name, O'Brien, no longer in use
        {"o'brien", {u"Mariana Moreau"_s}},
        {"moreau", {u"Mariana Moreau"_s}},      // a later name, in use
        {"smith mar", {u"Maria Smith"_s}},
        {"ek", {u"Mårten Ek"_s, u"Sven Ek"_s}},
        {"1990", {u"Maria Smith"_s, u"Sven Ek"_s}},
        {"1990-02", {u"Sven Ek"_s}},
        {"1990-02-28", {u"Sven Ek"_s}},
        {"1990-02-27", {}},
        {"ek 1990", {u"Sven Ek"_s}},
        {"tag:VIP", {u"Maria Smith"_s, u"Sven Ek"_s}},
        {"tag:vip ek", {u"Sven Ek"_s}},
        {"tag:", everyone},
        {"robert');", {u"Robert'); DROP TABLE clients;-- X"_s}},
        {"' OR 1=1 --", {}},
        {"%", {}},
        {"nobody", {}},
    };
    for (const QString &backend : {u"sqlite"_s, u"postgresql"_s})
        for (const auto &[query, found] : rows)
            QTest::addRow("%s: \"%s\"", qPrintable(backend), query) << backend << QString::fromUtf8(query) << found;
}

void TestClientBook::finds()
{
    QFETCH(QString, backend);
    QFETCH(QString, query);
    QFETCH(QStringList, found);
    if (backend == "postgresql"_L1 && !m_server)
        QSKIP("PostgreSQL is not installed (Debian package postgresql)");
    std::unique_ptr<ClientBook> &book = m_searched[backend];
    if (!book) {
        book = newBook(backend);
        QVERIFY(book);
        Client mariana = person(u"Mariana"_s, {}, u"O'Brien"_s, QDate(1985, 7, 1));
        mariana.laterNames = {{u"Mariana"_s, {}, u"Moreau"_s, QDate(2012, 1, 1), u"married"_s}};
        mariana.nameInUse = 0;
        Client maria = person(u"Maria"_s, {}, u"Smith"_s, QDate(1990, 1, 15));
        maria.tags = {u"vip"_s};
        Client sven = person(u"Sven"_s, {}, u"Ek"_s, QDate(1990, 2, 28));
        sven.tags = {u"Vip"_s, u"north"_s};
        QVERIFY2(book->addClients({mariana, maria, sven, person(u"Mårten"_s, {}, u"Ek"_s, QDate(1975, 3, 3)),
                                   person(u"Marie"_s, {}, u"Weiß"_s, QDate(1960, 4, 4)),
                                   person(u"José"_s, {}, u"Mariño"_s, QDate(2001, 5, 5)),
                                   person(u"Anna"_s, u"Marie"_s, u"Lind"_s, QDate(1999, 6, 6)),
                                   person(u"Ümit"_s, {}, u"Özdemir"_s, QDate(1988, 8, 8)),
                                   person(u"Robert');"_s, u"DROP TABLE clients;--"_s, u"X"_s, QDate(1950, 1, 1))}),
                 qPrintable(book->errorString()));
    }

    const auto result = book->findClients(query);
    QVERIFY2(result, qPrintable(book->errorString()));
    QStringList names;
    for (const ClientSummary &summary : *result)
        names.append(summary.name);
    QCOMPARE(names, found);
    if (!found.isEmpty()) {
        const auto first = book->findClients(query, 1);
        QVERIFY(first);
        QCOMPARE(first->size(), 1);
        QCOMPARE(first->first().name, found.first());
    }
    QCOMPARE(book->clientCount(), std::optional<qint64>(9));
}

// Removing a client takes its names, links to and from it and its history
// with it, and nothing of anyone else; an id that is not there is an error.
void TestClientBook::removesWithEverythingOfTheClient_data()
{
    addBackends();
    QTest::newRow("sqlite") << u"sqlite"_s;
    QTest::newRow("postgresql") << u"postgresql"_s;
}

void TestClientBook::removesWithEverythingOfTheClient()
{
    QFETCH(QString, backend);
    NEW_BOOK(book, backend);
    Client leaving = person(u"Leaving"_s, {}, u"Soon"_s, QDate(1980, 1, 1));
    leaving.laterNames = {{u"Gone"_s, {}, u"Away"_s, QDate(), u"chosen"_s}};
    const qint64 leavingId = book->addClient(leaving);
    Client staying = person(u"Staying"_s, {}, u"Here"_s, QDate(1981, 1, 1));
    staying.links = {{leavingId, u"partner"_s}};
    const qint64 stayingId = book->addClient(staying);
    Client linked = leaving;
    linked.id = leavingId;
    linked.links = {{stayingId, u"partner"_s}};
    QVERIFY(book->updateClient(linked));
    QVERIFY(book->addHistory(leavingId, {QDateTime::currentDateTimeUtc(), u"classic"_s, {}, u"reading"_s}));

    QVERIFY2(book->removeClient(leavingId), qPrintable(book->errorString()));
    QVERIFY(!book->client(leavingId));
    QVERIFY(book->errorString().contains(QString::number(leavingId)));
    QCOMPARE(book->client(stayingId)->links, QList<ClientLink>());
    QCOMPARE(book->findClients(u"away"_s)->size(), 0);
    QCOMPARE(book->findClients(u"here"_s)->size(), 1);
    QVERIFY(!book->removeClient(leavingId));
    QVERIFY(!book->addHistory(leavingId, {}));
    const auto found = book->check();
    QVERIFY(found);
    QCOMPARE(*found, QStringList());
}

// A change that cannot be made whole is not made at all: a bad client in an
// import, a link to nobody, a copy of a client older than the stored one.
void TestClientBook::changesAllOrNothing_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("fault");
    for (const QString &backend : {u"sqlite"_s, u"postgresql"_s})
        for (const char *fault : {"no date of birth", "link to nobody", "stale copy", "NUL in a name", "tag of two words",
                                  "name in use out of range"})
            QTest::addRow("%s: %s", qPrintable(backend), fault) << backend << QString::fromLatin1(fault);
}

void TestClientBook::changesAllOrNothing()
{
    QFETCH(QString, backend);
    QFETCH(QString, fault);
    NEW_BOOK(book, backend);
    const Client first = person(u"First"_s, {}, u"One"_s, QDate(1990, 1, 1));
    const qint64 firstId = book->addClient(first);
    QVERIFY(firstId > 0);
    const Client before = *book->client(firstId);

    Client bad = person(u"Bad"_s, {}, u"Two"_s, QDate(1991, 1, 1));
    if (fault == "no date of birth"_L1)
        bad.birth = QDate();
    else if (fault == "link to nobody"_L1)
        bad.links = {{firstId + 1000, u"partner"_s}};
    else if (fault == "NUL in a name"_L1)
        bad.last = u"Tw\0o"_s;
    else if (fault == "tag of two words"_L1)
        bad.tags = {u"two words"_s};
    else if (fault == "name in use out of range"_L1)
        bad.nameInUse = 0;
    if (fault == "stale copy"_L1) {
        Client older = before;
        older.notes = u"typed in the window"_s;
        Client newer = before;
        newer.notes = u"typed in the tool"_s;
        QVERIFY(book->updateClient(newer));
        QVERIFY(!book->updateClient(older));
        QVERIFY(book->errorString().contains(u"read it again"_s));
        QCOMPARE(book->client(firstId)->notes, newer.notes);
        return;
    }
    QVERIFY(!book->addClients({person(u"Good"_s, {}, u"Three"_s, QDate(1992, 1, 1)), bad}));
    QVERIFY(!book->errorString().isEmpty());
    QCOMPARE(book->clientCount(), std::optional<qint64>(1));
    QCOMPARE(book->findClients(u"good"_s)->size(), 0);
    Client changed = before;
    changed.birth = bad.birth;
    changed.links = bad.links;
    changed.last = bad.last;
    changed.tags = bad.tags;
    changed.nameInUse = bad.nameInUse;
    QVERIFY(!book->updateClient(changed));
    QCOMPARE(*book->client(firstId), before);
}

// A book written by a newer program is refused and left as it is.
void TestClientBook::refusesANewerBook_data()
{
    addBackends();
    QTest::newRow("sqlite") << u"sqlite"_s;
    QTest::newRow("postgresql") << u"postgresql"_s;
}

void TestClientBook::refusesANewerBook()
{
    QFETCH(QString, backend);
    if (backend == "postgresql"_L1 && !m_server)
        QSKIP("PostgreSQL is not installed (Debian package postgresql)");
    QString address;
    {
        auto book = newBook(backend, &address);
        QVERIFY(book);
        QVERIFY(book->addClient(person(u"Kept"_s, {}, u"As is"_s, QDate(1990, 1, 1))) > 0);
    }
    {
        const QString connection = u"raise-version"_s;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(backend == "sqlite"_L1 ? u"QSQLITE"_s : u"QPSQL"_s, connection);
            if (backend == "sqlite"_L1) {
                db.setDatabaseName(address);
            } else {
                const QUrl url(address);
                db.setHostName(QUrlQuery(url).queryItemValue(u"host"_s, QUrl::FullyDecoded));
                db.setUserName(url.userName());
                db.setDatabaseName(url.path().mid(1));
            }
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(u"UPDATE tavi_velmora_book SET version = %1"_s.arg(ClientBook::schemaVersion() + 1)));
        }
        QSqlDatabase::removeDatabase(connection);
    }
    QString error;
    QVERIFY(!ClientBook::open(address, &error));
    QVERIFY2(error.contains(u"newer"_s) && error.contains(u"left as it is"_s), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestClientBook)
#include "tst_clientbook.moc"
