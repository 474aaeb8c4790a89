// SPDX-License-Identifier: MIT
// The client book's behaviours, each table run on a book in a file and on a
// book on a PostgreSQL server the test starts itself.
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrlQuery>

#include <atomic>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
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

// The permission bits of a file or folder.
int modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? static_cast<int>(status.st_mode & 0777) : -1;
}

// Runs one statement on a database behind the book's back.
bool execute(const QString &driver, const QString &address, const QString &statement)
{
    const QString connection = u"behind-the-back"_s;
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection);
        if (driver == "QSQLITE"_L1) {
            db.setDatabaseName(address);
        } else {
            const QUrl url(address);
            db.setHostName(QUrlQuery(url).queryItemValue(u"host"_s, QUrl::FullyDecoded));
            db.setUserName(url.userName());
            db.setDatabaseName(url.path().mid(1));
        }
        QSqlQuery query(db);
        done = db.open() && query.exec(statement);
        if (!done)
            qWarning("%s", qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(connection);
    return done;
}

// A folder made read-only as a medium is: mounted read-only over itself as
// root (who may write anything else), its modes taken away otherwise.
class ReadOnlyFolder
{
public:
    bool make(const QString &folder)
    {
        m_folder = folder;
        if (::geteuid() != 0) {
            m_mounted = false;
            return QFile::setPermissions(folder + u"/book"_s, QFile::ReadOwner)
                && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        m_mounted = run({u"mount"_s, u"--bind"_s, folder, folder}) && run({u"mount"_s, u"-o"_s, u"remount,ro,bind"_s, folder, folder});
        if (!m_mounted)
            QTest::qSkip("a folder cannot be mounted read-only here", __FILE__, __LINE__);
        return m_mounted;
    }
    void undo()
    {
        if (m_folder.isEmpty())
            return;
        if (m_mounted)
            run({u"umount"_s, m_folder});
        else
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_folder.clear();
    }

private:
    static bool run(const QStringList &command)
    {
        QProcess process;
        process.start(command.first(), command.mid(1));
        return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    QString m_folder;
    bool m_mounted = false;
};

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
    void refusesANewerBook();
    void refusesWhatIsNotABook_data();
    void refusesWhatIsNotABook();
    void makesANewBookPrivate();
    void backsUpWhileWritten();
    void checkFindsDamage();

private:
    // A new, empty book of the backend; skips the row when it cannot be had.
    std::unique_ptr<ClientBook> newBook(const QString &backend, QString *address = nullptr);
    void addBackends();

    QTemporaryDir m_folder;
    int m_files = 0;
    std::unique_ptr<TemporaryPostgres> m_server;
    std::map<QString, std::unique_ptr<ClientBook>> m_searched; // one book for every search, by backend
    QString m_serverError;
    ReadOnlyFolder m_readOnly;
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

// A shared book written by a newer program is refused (a book in a file: below).
void TestClientBook::refusesANewerBook()
{
    const QString backend = u"postgresql"_s;
    if (!m_server)
        QSKIP("PostgreSQL is not installed (Debian package postgresql)");
    QString address;
    {
        auto book = newBook(backend, &address);
        QVERIFY(book);
        QVERIFY(book->addClient(person(u"Kept"_s, {}, u"As is"_s, QDate(1990, 1, 1))) > 0);
    }
    const QUrl url(address);
    QVERIFY(execute(u"QPSQL"_s, address, u"UPDATE tavi_velmora_book SET version = %1"_s.arg(ClientBook::schemaVersion() + 1)));
    QString error;
    QVERIFY(!ClientBook::open(address, &error));
    QVERIFY2(error.contains(u"newer"_s) && error.contains(u"left as it is"_s), qPrintable(error));
}

// Everything in a folder, with each file's bytes: what a refusal must leave as it was.
static QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        const bool regular = entry.isFile() && !entry.isSymLink();
        files.insert(entry.fileName(), regular && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                              : entry.symLinkTarget().toUtf8() + "|other");
    }
    return files;
}

// What is refused at an address, with what the message must say. Each row
// makes its case in a folder of its own; the address is "book" there.
void TestClientBook::refusesWhatIsNotABook_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("text file") << u"text"_s << u"not a client book (it is not a database"_s;
    QTest::newRow("cut off in its header") << u"cut header"_s << u"cut off within its first 100 bytes"_s;
    QTest::newRow("cut off in its pages") << u"cut pages"_s << u"shorter than the database it holds"_s;
    QTest::newRow("damaged header") << u"damaged header"_s << u"header is not that of a sound database"_s;
    QTest::newRow("book of a newer version") << u"newer"_s << u"written by a newer Tavi Velmora"_s;
    QTest::newRow("another program's database") << u"foreign"_s << u"database of another program"_s;
    QTest::newRow("named pipe") << u"fifo"_s << u"is a named pipe"_s;
    QTest::newRow("folder") << u"folder"_s << u"is a folder"_s;
    QTest::newRow("link to a text file") << u"link to text"_s << u"not a client book"_s;
    QTest::newRow("link to nothing") << u"dangling link"_s << u"which does not exist"_s;
    QTest::newRow("link to a folder") << u"link to folder"_s << u"which is a folder"_s;
    QTest::newRow("read-only medium") << u"read-only"_s << u"cannot be written to"_s;
}

void TestClientBook::refusesWhatIsNotABook()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString book = folder.filePath(u"book"_s);
    const QString other = folder.filePath(u"other"_s);
    auto write = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    auto realBook = [&](const QString &path) {
        auto made = ClientBook::open(path, nullptr);
        QList<Client> clients;
        for (int i = 0; i < 300; ++i)
            clients.append(person(u"Client"_s, {}, QString::number(i), QDate(1990, 1, 1)));
        return made && made->addClients(clients);
    };
    auto cut = [](const QString &path, qint64 size) { return QFile::resize(path, size); };
    const QByteArray text = "first,last,date\nAnna,Lind,1990-01-01\n";
    if (kind == "text"_L1) {
        QVERIFY(write(book, text));
    } else if (kind == "cut header"_L1) {
        QVERIFY(realBook(book) && cut(book, 60));
    } else if (kind == "cut pages"_L1) {
        QVERIFY(realBook(book) && cut(book, QFileInfo(book).size() / 2));
    } else if (kind == "damaged header"_L1) {
        QVERIFY(realBook(book));
        QFile file(book);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(16) && file.write("\x03\x00", 2) == 2);
    } else if (kind == "newer"_L1) {
        QVERIFY(realBook(book));
        QVERIFY(execute(u"QSQLITE"_s, book, u"UPDATE tavi_velmora_book SET version = %1"_s.arg(ClientBook::schemaVersion() + 1)));
    } else if (kind == "foreign"_L1) {
        QVERIFY(execute(u"QSQLITE"_s, book, u"CREATE TABLE notes (body TEXT)"_s));
    } else if (kind == "fifo"_L1) {
        QCOMPARE(::mkfifo(QFile::encodeName(book).constData(), 0600), 0);
    } else if (kind == "folder"_L1) {
        QVERIFY(QDir(folder.path()).mkdir(u"book"_s));
    } else if (kind == "link to text"_L1) {
        QVERIFY(write(other, text) && QFile::link(other, book));
    } else if (kind == "dangling link"_L1) {
        QVERIFY(QFile::link(other, book));
    } else if (kind == "link to folder"_L1) {
        QVERIFY(QDir(folder.path()).mkdir(u"other"_s) && QFile::link(other, book));
    } else if (kind == "read-only"_L1) {
        QVERIFY(realBook(book));
        QVERIFY(m_readOnly.make(folder.path()));
    }
    const QMap<QString, QByteArray> before = snapshot(folder.path());

    QString error;
    QVERIFY(!ClientBook::open(book, &error));
    m_readOnly.undo();
    QVERIFY2(error.contains(says), qPrintable(error));
    QVERIFY2(error.contains(u"left as it is"_s) || error.contains(u"never made"_s), qPrintable(error));
    QCOMPARE(snapshot(folder.path()), before);
}

// A new book in the default place: a folder only the user enters, a file
// (and the files beside it) only the user reads.
void TestClientBook::makesANewBookPrivate()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray kept = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(u"data"_s)));
    const QString address = ClientBook::defaultAddress();
    auto book = ClientBook::open(address, nullptr);
    qputenv("XDG_DATA_HOME", kept);
    QCOMPARE(address, home.filePath(u"data/tavi-velmora/clients.sqlite"_s));
    QVERIFY(book);
    QVERIFY(book->addClient(person(u"Private"_s, {}, u"Person"_s, QDate(1990, 1, 1))) > 0);
    QCOMPARE(modeOf(QFileInfo(address).path()), 0700);
    for (const QString &suffix : {QString(), u"-wal"_s, u"-shm"_s}) {
        const QFileInfo file(address + suffix);
        QVERIFY2(file.exists(), qPrintable(file.filePath()));
        QCOMPARE(modeOf(file.filePath()), 0600);
    }
}

// A backup taken while another connection adds clients is a sound book of
// some moment; it never replaces a file.
void TestClientBook::backsUpWhileWritten()
{
    QString address;
    auto book = newBook(u"sqlite"_s, &address);
    QVERIFY(book);
    QList<Client> clients;
    for (int i = 0; i < 2000; ++i)
        clients.append(person(u"Kept"_s, {}, QString::number(i), QDate(1990, 1, 1)));
    QVERIFY(book->addClients(clients));

    std::atomic<bool> stop = false;
    std::atomic<int> added = 0;
    std::unique_ptr<QThread> writer(QThread::create([&] {
        auto own = ClientBook::open(address, nullptr);
        while (own && !stop)
            added += own->addClient(person(u"Added"_s, {}, u"Meanwhile"_s, QDate(2000, 1, 1))) > 0 ? 1 : 0;
    }));
    writer->start();
    while (added < 5)
        QThread::msleep(1);
    const QString backup = m_folder.filePath(u"backup-%1.sqlite"_s.arg(++m_files));
    const bool done = book->backupTo(backup);
    const int addedBefore = added;
    QThread::msleep(20);
    stop = true;
    writer->wait();
    QVERIFY2(done, qPrintable(book->errorString()));
    QVERIFY(added > addedBefore);
    QCOMPARE(modeOf(backup), 0600);

    QString error;
    auto copy = ClientBook::open(backup, &error);
    QVERIFY2(copy, qPrintable(error));
    QCOMPARE(copy->check(), std::optional<QStringList>(QStringList()));
    const qint64 count = copy->clientCount().value_or(0);
    QVERIFY2(count >= 2005 && count <= 2000 + added, qPrintable(QString::number(count)));
    copy.reset();

    const QByteArray bytes = snapshot(m_folder.path()).value(QFileInfo(backup).fileName());
    QVERIFY(!book->backupTo(backup));
    QVERIFY2(book->errorString().contains(u"never replaces"_s), qPrintable(book->errorString()));
    QCOMPARE(snapshot(m_folder.path()).value(QFileInfo(backup).fileName()), bytes);
}

// Pages damaged inside a book that still opens: the check says so.
void TestClientBook::checkFindsDamage()
{
    QString address;
    {
        auto book = newBook(u"sqlite"_s, &address);
        QVERIFY(book);
        QList<Client> clients;
        for (int i = 0; i < 3000; ++i)
            clients.append(person(u"Client"_s, u"Of"_s, QString::number(i), QDate(1990, 1, 1)));
        QVERIFY(book->addClients(clients));
        QCOMPARE(book->check(), std::optional<QStringList>(QStringList()));
    }
    {
        QFile file(address);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 middle = file.size() / 2 / 4096 * 4096;
        QVERIFY(file.seek(middle + 100));
        QVERIFY(file.write(QByteArray(1500, '\x5a')) == 1500);
    }
    QString error;
    auto book = ClientBook::open(address, &error);
    QVERIFY2(book, qPrintable(error));
    const auto found = book->check();
    QVERIFY(found);
    QVERIFY(!found->isEmpty());
}

QTEST_GUILESS_MAIN(TestClientBook)
#include "tst_clientbook.moc"
