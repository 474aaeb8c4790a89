// SPDX-License-Identifier: MIT
// The client book from the tool: its jobs, a client in place of a person,
// imports whole or not at all, the export read back, and the files it will
// not write. The tool runs on the real file system with the default book in
// a temporary XDG_DATA_HOME.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "clirun.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kMaryTyped = {u"--first"_s, u"Mary"_s, u"--middle"_s, u"Ann"_s, u"--last"_s, u"Smith"_s,
                                u"--date"_s,  u"1985-03-07"_s};

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The readings' output of a client without the line that names the client.
QByteArray withoutClientLine(const QByteArray &out)
{
    if (!out.startsWith("Client "))
        return out;
    return out.mid(out.indexOf("\n\n") + 2);
}

QByteArray withoutClientObject(const QByteArray &out)
{
    QJsonObject object = QJsonDocument::fromJson(out).object();
    if (object.isEmpty())
        return out;
    object.remove(u"client"_s);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace

class TestCliBook : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString path(const QString &name) const { return m_folder.filePath(name); }
    QString defaultBook() const { return path(u"data/tavi-velmora/clients.sqlite"_s); }

    CliRun run(const QStringList &arguments) { return runTool(arguments, {}, 30000, m_folder.path()); }

    // A new client's id; 0 when the tool refused it.
    qint64 add(const QStringList &arguments)
    {
        const CliRun added = run(QStringList{u"--add-client"_s} + arguments);
        return added.exitCode == 0 ? added.out.trimmed().toLongLong() : 0;
    }

    QJsonObject shown(qint64 id, const QStringList &more = {})
    {
        const CliRun show = run(QStringList{u"--show-client"_s, QString::number(id), u"--format"_s, u"json"_s} + more);
        return show.exitCode == 0 ? QJsonDocument::fromJson(show.out).object() : QJsonObject();
    }

    qsizetype clientCount(const QStringList &more = {})
    {
        const CliRun find = run(QStringList{u"--find-client"_s, QString(), u"--format"_s, u"json"_s} + more);
        return find.exitCode == 0 ? QJsonDocument::fromJson(find.out).array().size() : -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(u"data"_s)));
    }

    void everyFieldComesBackAsTyped_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("notes");
        QTest::newRow("accents and apostrophes") << u"Zoë"_s << u"D'Arcy"_s << u"Ó Briain"_s << u"née Müller"_s;
        QTest::newRow("a name that is SQL") << u"Robert'); DROP TABLE clients;--"_s << QString() << u"Tables"_s
                                            << u"'; DELETE FROM clients; --"_s;
        QTest::newRow("other scripts") << u"美和"_s << QString() << u"Ναξιώτη"_s << u"line one\nline two, \"quoted\""_s;
        QTest::newRow("spaces kept, formula kept") << u" Ann "_s << u"  "_s << u"=SUM(A1)"_s << u"+1 -2 @x"_s;
    }
    void everyFieldComesBackAsTyped()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, notes);
        const qint64 id = add({u"--first"_s, first, u"--middle"_s, middle, u"--last"_s, last, u"--date"_s,
                               u"1990-02-28"_s, u"--notes"_s, notes, u"--tag"_s, u"vip"_s, u"--tag"_s, u"été"_s});
        QVERIFY(id > 0);
        QJsonObject client = shown(id);
        QCOMPARE(client[u"first"_s].toString(), first);
        QCOMPARE(client[u"middle"_s].toString(), middle);
        QCOMPARE(client[u"last"_s].toString(), last);
        QCOMPARE(client[u"notes"_s].toString(), notes);
        QCOMPARE(client[u"tags"_s].toArray(), (QJsonArray{u"vip"_s, u"été"_s}));

        // A later name becomes the name in use; the birth name stays.
        const CliRun set = run({u"--set-client"_s, QString::number(id), u"--later-name"_s,
                                u"%1,,Ñandú,2015-06-01,married"_s.arg(first), u"--notes"_s, u"changed"_s});
        QCOMPARE(set.exitCode, 0);
        client = shown(id);
        QCOMPARE(client[u"last"_s].toString(), last);
        QCOMPARE(client[u"name"_s].toString(), first + u" Ñandú"_s);
        QCOMPARE(client[u"notes"_s].toString(), u"changed"_s);
        QCOMPARE(client[u"laterNames"_s].toArray().at(0).toObject()[u"inUse"_s].toBool(), true);

        // Found by a later name's prefix, without regard to case or accents.
        const CliRun found = run({u"--find-client"_s, u"nandu"_s, u"--format"_s, u"csv"_s});
        QCOMPARE(found.exitCode, 0);
        QVERIFY2(found.out.contains("\r\n" + QByteArray::number(id) + ","), found.out.constData());

        QCOMPARE(run({u"--remove-client"_s, QString::number(id)}).exitCode, 0);
        const CliRun gone = run({u"--show-client"_s, QString::number(id)});
        QCOMPARE(gone.exitCode, 1);
        QVERIFY(gone.out.isEmpty());
    }

    void aClientStandsWhereAPersonDoes_data()
    {
        QTest::addColumn<QStringList>("job");
        QTest::addColumn<QString>("history"); // how the last entry of the history starts; empty: none added
        QTest::newRow("readings") << QStringList{u"--on"_s, u"2026-12-09"_s} << u"reading"_s;
        QTest::newRow("explained") << QStringList{u"--explain"_s, u"--on"_s, u"2026-12-09"_s}
                                   << u"reading (explained)"_s;
        QTest::newRow("json") << QStringList{u"--format"_s, u"json"_s, u"--system"_s, u"chaldean"_s} << u"reading"_s;
        QTest::newRow("calendar") << QStringList{u"--calendar"_s, u"2027-03"_s} << u"calendar:2027-03"_s;
        QTest::newRow("calendar as csv")
            << QStringList{u"--calendar"_s, u"2027"_s, u"--find"_s, u"personal-day=6"_s, u"--format"_s, u"csv"_s}
            << u"calendar:2027"_s;
        QTest::newRow("calendar file") << QStringList{u"--calendar"_s, u"2027-03"_s, u"--ics"_s, u"-"_s} << u"ics"_s;
        QTest::newRow("pdf") << QStringList{u"--pdf"_s, u"mary.pdf"_s} << u"pdf:"_s;
        QTest::newRow("name variants") << QStringList{u"--first"_s, u"Mary|Marie"_s, u"--format"_s, u"csv"_s}
                                       << QString();
    }
    void aClientStandsWhereAPersonDoes()
    {
        QFETCH(QStringList, job);
        QFETCH(QString, history);
        const qint64 id = add(kMaryTyped);
        QVERIFY(id > 0);
        // Name variants take the client's other names; a person's job takes them all.
        QStringList typed = kMaryTyped;
        if (job.contains(u"--first"_s))
            typed = typed.mid(2);
        const CliRun person = run(typed + job);
        const CliRun client = run(QStringList{u"--client"_s, QString::number(id)} + job);
        QCOMPARE(client.err, person.err);
        QCOMPARE(client.exitCode, 0);
        if (job.contains(u"--ics"_s)) // stamped with the moment it is written
            QVERIFY(client.out.startsWith("BEGIN:VCALENDAR"));
        else if (job.contains(u"json"_s))
            QCOMPARE(withoutClientObject(client.out), person.out);
        else
            QCOMPARE(withoutClientLine(client.out), person.out);
        const QJsonArray made = shown(id)[u"history"_s].toArray();
        QCOMPARE(made.size(), history.isEmpty() ? 0 : 1);
        if (!history.isEmpty())
            QVERIFY2(made.last().toObject()[u"document"_s].toString().startsWith(history),
                     qPrintable(made.last().toObject()[u"document"_s].toString()));
    }

    void readingsOfTheBirthNameShowTheNameInUse()
    {
        const qint64 id = add(kMaryTyped + QStringList{u"--later-name"_s, u"Mary,Ann,Jones,2010-06-12,married"_s});
        const CliRun reading = run({u"--client"_s, QString::number(id), u"--on"_s, u"2026-12-09"_s});
        QCOMPARE(reading.exitCode, 0);
        QVERIFY2(reading.out.startsWith(u"Client %1: Mary Ann Jones, born Mary Ann Smith; the readings are of the "
                                        "birth name\n\nDestiny Number\n"_s.arg(id).toUtf8()),
                 reading.out.constData());
        const CliRun json = run({u"--client"_s, QString::number(id), u"--format"_s, u"json"_s});
        const QJsonObject client = QJsonDocument::fromJson(json.out).object()[u"client"_s].toObject();
        QCOMPARE(client[u"nameInUse"_s].toString(), u"Mary Ann Jones"_s);
    }

    void clientsAreNamedByIdOrByOneName_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("one match") << QStringList{u"--client"_s, u"quentin"_s} << 0 << QString();
        QTest::newRow("several match") << QStringList{u"--client"_s, u"Amberly"_s} << 2
                                       << u"say which with --client ID"_s;
        QTest::newRow("none match") << QStringList{u"--client"_s, u"Nobody"_s} << 1 << u"no client matches"_s;
        QTest::newRow("no such id") << QStringList{u"--client"_s, u"999999"_s} << 1 << u"--client '999999'"_s;
        QTest::newRow("compared by id") << QStringList{u"--compare"_s, u"client:quentin"_s, u"John,,Smith,1980-07-15"_s}
                                        << 0 << QString();
        QTest::newRow("compared, several match")
            << QStringList{u"--compare"_s, u"John,,Smith,1980-07-15"_s, u"client:amberly"_s} << 2
            << u"say which with client:ID"_s;
    }
    void clientsAreNamedByIdOrByOneName()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        if (clientCount({u"--book"_s, u"named.sqlite"_s}) == 0) {
            for (const QString &first : {u"Quentin"_s, u"Amberly"_s, u"Amberly"_s})
                QVERIFY(add({u"--book"_s, u"named.sqlite"_s, u"--first"_s, first, u"--last"_s, u"Zed"_s, u"--date"_s,
                             u"1970-01-01"_s}) > 0);
        }
        const CliRun named = run(arguments + QStringList{u"--book"_s, u"named.sqlite"_s});
        QCOMPARE(named.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(named.err).contains(message), named.err.constData());
        if (exitCode == 2)
            QVERIFY2(named.err.contains("  2  Amberly Zed, born 1970-01-01\n"), named.err.constData());
    }

    void comparisonOfAClientIsTheComparisonOfTheirBirthName()
    {
        const qint64 id = add(kMaryTyped);
        const CliRun client = run({u"--compare"_s, u"client:%1"_s.arg(id), u"John,,Smith,1980-07-15"_s});
        const CliRun typed = run({u"--compare"_s, u"Mary,Ann,Smith,1985-03-07"_s, u"John,,Smith,1980-07-15"_s});
        QCOMPARE(client.exitCode, 0);
        QCOMPARE(client.out, typed.out);
        QCOMPARE(shown(id)[u"history"_s].toArray().last().toObject()[u"document"_s].toString(),
                 u"comparison with John Smith"_s);
    }

    void anImportIsWholeOrNothing_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("outcome"); // what the tool says of the file
        QTest::newRow("sound, with notes and tags")
            << "First,Last,Date,Notes,Tags,destiny\r\nAnn,Lee,1970-01-02,\"met, 2024\",vip new,3\r\n"
               "Bo,Ek,1971-02-03,,,5\r\n"_ba
            << u"2 clients imported, ids"_s;
        QTest::newRow("a date that does not exist")
            << "first,last,date\nAnn,Lee,1970-01-02\nBo,Ek,1971-02-30\nCy,Oz,1972-03-04\n"_ba
            << u"line 3: the date is not a real date"_s;
        QTest::newRow("a row short of a field") << "first,last,date\nAnn,Lee,1970-01-02\nBo,Ek\n"_ba
                                                << u"line 3: 2 fields, expected 3"_s;
        QTest::newRow("a name that is not UTF-8") << "first,last,date\nAnn,Lee,1970-01-02\nB\xF6,Ek,1971-02-03\n"_ba
                                                  << u"line 3: a field is not UTF-8"_s;
        QTest::newRow("no date column") << "first,last\nAnn,Lee\n"_ba << u"line 1: the first line must be a header"_s;
        QTest::newRow("a later name that is not one")
            << "first,last,date,later_names\nAnn,Lee,1970-01-02,\"Ann,,Ek\"\n"_ba << u"line 2: later_names:"_s;
    }
    void anImportIsWholeOrNothing()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, outcome);
        const QString file = path(u"import.csv"_s);
        QVERIFY(writeFile(file, csv));
        const QStringList book{u"--book"_s, u"imports.sqlite"_s};
        const qsizetype before = clientCount(book);
        QVERIFY(add(book + kMaryTyped + QStringList{u"--later-name"_s, u"Mary,,Jones,,married"_s}) > 0);
        QCOMPARE(run(kMaryTyped + QStringList{u"--save"_s, u"mary.vlm"_s}).exitCode, 0);

        const CliRun imported = run(book + QStringList{u"--import"_s, u"mary.vlm"_s, file});
        const bool sound = outcome.contains(u"imported"_s);
        QCOMPARE(imported.exitCode, sound ? 0 : 1);
        QVERIFY2(imported.out.startsWith("mary.vlm: 1 client imported, id "), imported.out.constData());
        const QString said = QString::fromUtf8(sound ? imported.out : imported.err);
        QVERIFY2(said.contains(file + u": "_s + outcome), qPrintable(said));
        if (!sound)
            QVERIFY(said.contains(u"; nothing of it was imported"_s));
        QCOMPARE(clientCount(book), before + 2 + (sound ? 2 : 0));
    }

    void anExportImportsBackToTheSameClients()
    {
        const QStringList first{u"--book"_s, u"first.sqlite"_s};
        QVERIFY(add(first + QStringList{u"--first"_s, u"=HYPERLINK(\"x\")"_s, u"--last"_s, u"-Lee, \"Jr\""_s,
                                        u"--date"_s, u"1901-01-01"_s, u"--notes"_s, u"a\r\nb,\"c\"\n@d"_s, u"--tag"_s,
                                        u"+x"_s, u"--later-name"_s, u"Ann,Q,Ek,2001-02-03,chosen"_s, u"--later-name"_s,
                                        u"Ann,,Zu,,business"_s, u"--system"_s, u"chaldean"_s})
                > 0);
        QVERIFY(add(first + kMaryTyped) > 0);
        QCOMPARE(run(first + QStringList{u"--client"_s, u"2"_s, u"--on"_s, u"2026-01-01"_s}).exitCode, 0);
        const CliRun exported = run(first + QStringList{u"--export"_s, u"first.csv"_s});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(exported.out.isEmpty());
        QVERIFY2(fileBytes(path(u"first.csv"_s)).contains("\r\n\"=HYPERLINK(\"\"x\"\")\","),
                 fileBytes(path(u"first.csv"_s)).constData());

        const QStringList second{u"--book"_s, u"second.sqlite"_s};
        QCOMPARE(run(second + QStringList{u"--import"_s, u"first.csv"_s}).exitCode, 0);
        QCOMPARE(run(second + QStringList{u"--export"_s, u"-"_s}).out, fileBytes(path(u"first.csv"_s)));
    }

    void refusesWhatWouldLoseOrOverwrite_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("remove by name") << QStringList{u"--remove-client"_s, u"Mary"_s} << 2
                                        << u"--remove-client takes a client's id (a number), never a name"_s;
        QTest::newRow("two jobs") << QStringList{u"--show-client"_s, u"1"_s, u"--check-book"_s} << 2
                                  << u"--show-client does not combine with --check-book"_s;
        QTest::newRow("a person's option in a job")
            << QStringList{u"--find-client"_s, u"x"_s, u"--pdf"_s, u"x.pdf"_s} << 2
            << u"--find-client does not combine with --pdf"_s;
        QTest::newRow("added without a date") << QStringList{u"--add-client"_s, u"--first"_s, u"A"_s, u"--last"_s,
                                                             u"B"_s}
                                              << 2 << u"--date is missing; --add-client needs"_s;
        QTest::newRow("a tag of two words") << QStringList{u"--add-client"_s, u"--first"_s, u"A"_s, u"--last"_s,
                                                           u"B"_s, u"--date"_s, u"2000-01-01"_s, u"--tag"_s, u"a b"_s}
                                            << 1 << u"a tag is one word"_s;
        QTest::newRow("export onto the book") << QStringList{u"--export"_s, u"guarded.sqlite"_s} << 1
                                              << u"--export guarded.sqlite is the same file as --book"_s;
        QTest::newRow("backup onto the book") << QStringList{u"--backup"_s, u"./guarded.sqlite"_s} << 1
                                              << u"is the same file as --book"_s;
        QTest::newRow("export under a report's name") << QStringList{u"--export"_s, u"clients.vlm"_s} << 1
                                                      << u"only a report is written under a name ending in vlm"_s;
        QTest::newRow("a client's PDF onto the book")
            << QStringList{u"--client"_s, u"1"_s, u"--pdf"_s, u"guarded.sqlite"_s} << 1
            << u"--pdf guarded.sqlite is the same file as --book"_s;
        QTest::newRow("export onto an import") << QStringList{u"--import"_s, u"in.csv"_s, u"--export"_s, u"in.csv"_s}
                                               << 2 << u"--import does not combine with --export"_s;
        QTest::newRow("not a book") << QStringList{u"--check-book"_s, u"--book"_s, u"notes.txt"_s} << 1
                                    << u"notes.txt"_s;
    }
    void refusesWhatWouldLoseOrOverwrite()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString book = path(u"guarded.sqlite"_s);
        if (!QFile::exists(book))
            QVERIFY(add(QStringList{u"--book"_s, book} + kMaryTyped) > 0);
        QVERIFY(writeFile(path(u"notes.txt"_s), "not a book\n"));
        const QByteArray before = fileBytes(book);
        QStringList command = arguments;
        if (!command.contains(u"--book"_s))
            command << u"--book"_s << u"guarded.sqlite"_s;
        const CliRun refused = run(command);
        QCOMPARE(refused.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(refused.err).contains(message), refused.err.constData());
        QCOMPARE(fileBytes(book), before);
        QCOMPARE(fileBytes(path(u"notes.txt"_s)), "not a book\n"_ba);
    }

    void aBackupIsASoundBookOfTheSameClients()
    {
        const QStringList book{u"--book"_s, u"kept.sqlite"_s};
        QVERIFY(add(book + kMaryTyped) > 0);
        QCOMPARE(run(book + QStringList{u"--backup"_s, u"copy.sqlite"_s}).exitCode, 0);
        const CliRun checked = run({u"--check-book"_s, u"--book"_s, u"copy.sqlite"_s});
        QCOMPARE(checked.exitCode, 0);
        QCOMPARE(checked.out, "The book is sound: 1 client.\n"_ba);
        QCOMPARE(run({u"--export"_s, u"-"_s, u"--book"_s, u"copy.sqlite"_s}).out,
                 run(book + QStringList{u"--export"_s, u"-"_s}).out);
    }
};

QTEST_GUILESS_MAIN(TestCliBook)
#include "tst_cli_book.moc"
