// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "clientfiles.h"
#include "deskbooks.h"
#include "deskwindow.h"
#include "fakeplatform.h"
#include "notesview.h"
#include "reportfile.h"
#include "system.h"

using namespace Qt::StringLiterals;
using velmora::MessageAnswer;
using velmora::book::Client;
using velmora::book::ClientBook;
using velmora::desk::BookJob;
using velmora::desk::DeskWindow;

namespace {

// Everything of a client but what the book sets itself.
Client withoutBookKeeping(Client client)
{
    client.id = 0;
    client.created = {};
    client.changed = {};
    return client;
}

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Rows enough that storing them takes well over the job's first word of progress.
QByteArray manyClients(int count)
{
    QByteArray csv = "first,last,date\n";
    for (int k = 0; k < count; ++k)
        csv += "Person" + QByteArray(1, static_cast<char>('a' + k % 26)) + ",Many,1990-01-"
            + QByteArray::number(k % 18 + 10) + "\n";
    return csv;
}

qint64 countIn(const QString &address)
{
    QString error;
    const std::unique_ptr<ClientBook> book = ClientBook::open(address, &error);
    return book ? book->clientCount().value_or(-1) : -1;
}

// Triggers the window's menu action and waits for the book job it started to end.
void runJob(DeskWindow &window, const QString &action, const std::function<void()> &whileRunning = {})
{
    QSignalSpy finished(window.bookJob(), &BookJob::finished);
    window.findChild<QAction *>(action)->trigger();
    if (whileRunning)
        whileRunning();
    // The spy hears the job's thread at once; the window, once its queue is served.
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() && !window.findChild<QAction *>(u"actCancelBookJob"_s)->isEnabled(),
                             60000);
}

} // namespace

class DeskBookTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void importsAFileWholeOrNotAtAll_data();
    void importsAFileWholeOrNotAtAll();
    void holdsEditsWhileAnImportRuns_data();
    void holdsEditsWhileAnImportRuns();
    void neverExportsOverTheBookOrAnInput_data();
    void neverExportsOverTheBookOrAnInput();
    void undoesTheLastEditOfAClient_data();
    void undoesTheLastEditOfAClient();
    void removesAClientOnlyWhenToldYes_data();
    void removesAClientOnlyWhenToldYes();
    void keepsLinksToOtherClients();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_address;
    QList<qint64> m_ids;
};

void DeskBookTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DeskBookTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_address = m_folder->filePath(u"clients.sqlite"_s);
    m_ids = fillBook(m_address);
}

void DeskBookTest::importsAFileWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty: a report of Grace Hopper
    QTest::addColumn<QString>("cancel");     // "", "at once" or "while storing"
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("said"); // what the message says; empty: no message
    QTest::newRow("CSV") << u"more.csv"_s << QByteArray("first,last,date,tags\nGrace,Hopper,1906-12-09,navy\n"
                                                        "Alan,Turing,1912-06-23,\n")
                         << QString() << 2 << QString();
    QTest::newRow("a report") << u"grace.vlm"_s << QByteArray() << QString() << 1 << QString();
    QTest::newRow("a damaged row") << u"damaged.csv"_s
                                   << QByteArray("first,last,date\nGrace,Hopper,1906-12-09\nAlan,,1912-06-23\n")
                                   << QString() << 0 << u"damaged.csv: line 3: the last name is empty"_s;
    QTest::newRow("not a report") << u"broken.vlm"_s << QByteArray("not a report") << QString() << 0
                                  << u"broken.vlm"_s;
    QTest::newRow("cancelled at once") << u"many.csv"_s << manyClients(20000) << u"at once"_s << 0 << QString();
    QTest::newRow("cancelled while storing") << u"many.csv"_s << manyClients(60000) << u"while storing"_s << 0
                                             << QString();
}

void DeskBookTest::importsAFileWholeOrNotAtAll()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, cancel);
    QFETCH(int, added);
    QFETCH(QString, said);
    const QString fileName = m_folder->filePath(name);
    if (content.isEmpty()) {
        velmora::BirthData grace;
        grace.FirstName = "Grace";
        grace.LastName = "Hopper";
        grace.BirthDay = 9;
        grace.BirthMonth = 12;
        grace.BirthYear = 1906;
        QVERIFY(velmora::saveReportFile(fileName, grace));
    } else {
        writeFile(fileName, content);
    }
    FakePlatform platform;
    platform.chosenFiles.push_back(fileName);
    DeskWindow window(platform);
    window.openBook(m_address);
    waitForSearch(*window.clientsPanel());
    runJob(window, u"actImportClients"_s, [&] {
        if (cancel == u"at once"_s) {
            window.cancelBookJob();
        } else if (cancel == u"while storing"_s) {
            // Cancelled once the book has taken some of the clients within the file's transaction.
            QSignalSpy progress(window.bookJob(), &BookJob::progress);
            QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.constLast().at(0).toLongLong() > 0, 60000);
            window.findChild<QPushButton *>(u"cmdCancelBookJob"_s)->click();
        }
    });
    QCOMPARE(countIn(m_address), m_ids.size() + added);
    if (said.isEmpty()) {
        QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messages.value(0).text));
    } else {
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages.constFirst().text.contains(said), qPrintable(platform.messages.constFirst().text));
    }
    // The list shows the clients imported.
    window.clientsPanel()->search();
    waitForSearch(*window.clientsPanel());
    QCOMPARE(window.clientsPanel()->shownIds().size(), m_ids.size() + added);
}

void DeskBookTest::holdsEditsWhileAnImportRuns_data()
{
    QTest::addColumn<QString>("end"); // how the import ends: "cancel" or "close" (the window)
    QTest::newRow("the import cancelled") << u"cancel"_s;
    QTest::newRow("the window closed") << u"close"_s;
}

void DeskBookTest::holdsEditsWhileAnImportRuns()
{
    QFETCH(QString, end);
    const QString fileName = m_folder->filePath(u"many.csv"_s);
    writeFile(fileName, manyClients(60000));
    FakePlatform platform;
    platform.chosenFiles.push_back(fileName);
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(m_ids[0]));
    QSignalSpy progress(window.bookJob(), &BookJob::progress);
    window.findChild<QAction *>(u"actImportClients"_s)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.constLast().at(0).toLongLong() > 0, 60000);
    // The import holds the book within its transaction: a change waits in the
    // window rather than holding the window up until the import ends.
    auto *tags = window.findChild<QLineEdit *>(u"txtTags"_s);
    tags->setText(u"regular, during"_s);
    tags->setModified(true);
    Q_EMIT tags->editingFinished();
    window.findChild<QPlainTextEdit *>(u"txtNotes"_s)->setPlainText(u"Typed while importing."_s);
    QVERIFY(window.bookJob()->isRunning());
    QCOMPARE(stored(m_address, m_ids[0])->tags, QStringList{u"regular"_s});
    if (end == u"close"_s) {
        window.close();
    } else {
        QSignalSpy finished(window.bookJob(), &BookJob::finished);
        window.cancelBookJob();
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() && window.findChild<QAction *>(u"actImportClients"_s)->isEnabled(),
                                 60000);
    }
    const std::optional<Client> ada = stored(m_address, m_ids[0]);
    QCOMPARE(ada->tags, (QStringList{u"regular"_s, u"during"_s}));
    QCOMPARE(ada->notes, u"Typed while importing."_s);
    QCOMPARE(countIn(m_address), m_ids.size());
    QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messages.value(0).text));
}

void DeskBookTest::neverExportsOverTheBookOrAnInput_data()
{
    QTest::addColumn<QString>("target"); // "book", "input", "report name" or "new"
    QTest::newRow("the book") << u"book"_s;
    QTest::newRow("the book's journal") << u"journal"_s;
    QTest::newRow("a file imported") << u"input"_s;
    QTest::newRow("a report's name") << u"report name"_s;
    QTest::newRow("a new file") << u"new"_s;
}

void DeskBookTest::neverExportsOverTheBookOrAnInput()
{
    QFETCH(QString, target);
    const QString input = m_folder->filePath(u"in.csv"_s);
    writeFile(input, "first,last,date\nGrace,Hopper,1906-12-09\n");
    const QString journal = m_address + u"-wal"_s;
    writeFile(journal, {}); // a journal the book may or may not keep: it must not be written over either way
    const QString fileName = target == u"book"_s  ? m_address
        : target == u"journal"_s                  ? journal
        : target == u"input"_s                    ? m_folder->filePath(u"./in.csv"_s)
        : target == u"report name"_s              ? m_folder->filePath(u"clients.vlm"_s)
                                                  : m_folder->filePath(u"out.csv"_s);
    FakePlatform platform;
    platform.chosenFiles = {input, fileName};
    DeskWindow window(platform);
    window.openBook(m_address);
    runJob(window, u"actImportClients"_s);
    const QByteArray before = fileBytes(fileName);
    if (target == u"new"_s) {
        runJob(window, u"actExportClients"_s);
    } else {
        window.findChild<QAction *>(u"actExportClients"_s)->trigger();
        QVERIFY(!window.bookJob()->isRunning());
    }
    QCOMPARE(countIn(m_address), m_ids.size() + 1);
    if (target != u"new"_s) {
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages.constFirst().text.contains(u"Nothing was written"_s),
                 qPrintable(platform.messages.constFirst().text));
        QCOMPARE(fileBytes(fileName), before);
        return;
    }
    QVERIFY(platform.messages.isEmpty());
    QString error;
    const std::optional<QList<Client>> read = velmora::book::clientsFromFile(fileName, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->size(), m_ids.size() + 1);
    QCOMPARE(read->constLast().last, u"Hopper"_s);
}

void DeskBookTest::undoesTheLastEditOfAClient_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("changedElsewhere");
    QTest::newRow("the last name, typed") << u"last"_s << false;
    QTest::newRow("the notes, typed with pauses") << u"notes"_s << false;
    QTest::newRow("the tags") << u"tags"_s << false;
    QTest::newRow("the system") << u"system"_s << false;
    QTest::newRow("the notes, then the client changed elsewhere") << u"notes"_s << true;
    QTest::newRow("a removal") << u"remove"_s << false;
}

void DeskBookTest::undoesTheLastEditOfAClient()
{
    QFETCH(QString, edit);
    QFETCH(bool, changedElsewhere);
    const qint64 id = m_ids[0];
    {
        // An earlier edit, which Undo leaves as it is.
        QString error;
        const std::unique_ptr<ClientBook> book = ClientBook::open(m_address, &error);
        Client ada = *book->client(id);
        ada.notes = u"First visit."_s;
        QVERIFY(book->updateClient(ada));
    }
    const Client before = *stored(m_address, id);
    FakePlatform platform;
    platform.answers.push_back(MessageAnswer::Yes);
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(id));
    QVERIFY(!window.canUndo());
    if (edit == u"last"_s) {
        QTest::keyClicks(window.findChild<QLineEdit *>(u"txtClientLast"_s), u"-King"_s);
    } else if (edit == u"notes"_s) {
        auto *notes = window.findChild<QPlainTextEdit *>(u"txtNotes"_s);
        for (const QString &typed : {u" Asked about 2027."_s, u" And 2028."_s}) {
            notes->moveCursor(QTextCursor::End);
            notes->insertPlainText(typed);
            QTest::qWait(600); // each pause saves
        }
    } else if (edit == u"tags"_s) {
        auto *tags = window.findChild<QLineEdit *>(u"txtTags"_s);
        tags->setText(u"regular, engine"_s);
        tags->setModified(true);
        Q_EMIT tags->editingFinished();
    } else if (edit == u"system"_s) {
        window.setSystem(velmora::chaldeanSystem());
    } else {
        window.findChild<QAction *>(u"actRemoveClient"_s)->trigger();
        QVERIFY(!stored(m_address, id));
    }
    QVERIFY(window.canUndo());
    if (edit != u"remove"_s)
        QVERIFY(stored(m_address, id) != before);
    std::optional<Client> elsewhere;
    if (changedElsewhere) {
        QString error;
        const std::unique_ptr<ClientBook> book = ClientBook::open(m_address, &error);
        elsewhere = book->client(id);
        elsewhere->tags = QStringList{u"elsewhere"_s};
        QVERIFY2(book->updateClient(*elsewhere), qPrintable(book->errorString()));
        elsewhere = book->client(id);
    }
    window.findChild<QAction *>(u"actUndo"_s)->trigger();
    QVERIFY(!window.canUndo());
    if (changedElsewhere) {
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages.constFirst().text.contains(u"changed elsewhere"_s),
                 qPrintable(platform.messages.constFirst().text));
        QCOMPARE(stored(m_address, id), elsewhere);
        return;
    }
    QCOMPARE(platform.messages.size(), edit == u"remove"_s ? 1 : 0); // the question before the removal
    QVERIFY(window.client());
    const std::optional<Client> after = stored(m_address, window.client()->id);
    QVERIFY(after);
    QCOMPARE(withoutBookKeeping(*after), withoutBookKeeping(before));
    QCOMPARE(withoutBookKeeping(*window.client()), withoutBookKeeping(before));
}

void DeskBookTest::removesAClientOnlyWhenToldYes_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("no") << MessageAnswer::No;
    QTest::newRow("yes") << MessageAnswer::Yes;
}

void DeskBookTest::removesAClientOnlyWhenToldYes()
{
    QFETCH(MessageAnswer, answer);
    const qint64 id = m_ids[1];
    FakePlatform platform;
    platform.answers.push_back(answer);
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(id));
    window.findChild<QAction *>(u"actRemoveClient"_s)->trigger();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.constFirst().buttons, velmora::MessageButtons::YesNo);
    QVERIFY2(platform.messages.constFirst().text.startsWith(u"Remove Charles Babbage (client %1) from the book?"_s.arg(id)),
             qPrintable(platform.messages.constFirst().text));
    const bool removed = answer == MessageAnswer::Yes;
    QCOMPARE(stored(m_address, id).has_value(), !removed);
    QCOMPARE(countIn(m_address), m_ids.size() - (removed ? 1 : 0));
    QCOMPARE(window.client().has_value(), !removed);
}

void DeskBookTest::keepsLinksToOtherClients()
{
    const qint64 ada = m_ids[0];
    const qint64 charles = m_ids[1];
    FakePlatform platform;
    {
        DeskWindow window(platform);
        window.openBook(m_address);
        QVERIFY(window.showClient(ada));
        velmora::desk::NotesView &notes = *window.notesView();
        velmora::desk::ClientsPanel &finder = *notes.linkFinder();
        waitForSearch(finder);
        QTest::keyClicks(finder.findChild<QLineEdit *>(u"txtSearch"_s), u"babb"_s);
        waitForSearch(finder);
        QCOMPARE(finder.shownIds(), QList<qint64>{charles});
        Q_EMIT finder.clientChosen(charles);
        window.findChild<QLineEdit *>(u"txtLinkLabel"_s)->setText(u"collaborator"_s);
        window.findChild<QAction *>(u"actAddLink"_s)->trigger();
        // A client is not linked to themselves.
        Q_EMIT finder.clientChosen(ada);
        window.findChild<QAction *>(u"actAddLink"_s)->trigger();
        QCOMPARE(notes.linksShown(), QStringList{u"collaborator: Charles Babbage (client %1)"_s.arg(charles)});
        window.close();
    }
    DeskWindow again(platform);
    again.openBook(m_address);
    QVERIFY(again.showClient(ada));
    QCOMPARE(again.notesView()->linksShown(), QStringList{u"collaborator: Charles Babbage (client %1)"_s.arg(charles)});
    // Opening the link goes to the other client's page.
    again.findChild<QListWidget *>(u"lstLinks"_s)->setCurrentRow(0);
    again.findChild<QAction *>(u"actOpenLink"_s)->trigger();
    QCOMPARE(again.client()->id, charles);
    // Removed, and undone.
    QVERIFY(again.showClient(ada));
    again.findChild<QListWidget *>(u"lstLinks"_s)->setCurrentRow(0);
    again.findChild<QAction *>(u"actRemoveLink"_s)->trigger();
    QVERIFY(stored(m_address, ada)->links.isEmpty());
    again.undo();
    QCOMPARE(stored(m_address, ada)->links, (QList<velmora::book::ClientLink>{{charles, u"collaborator"_s}}));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(DeskBookTest)
#include "tst_deskbook.moc"
