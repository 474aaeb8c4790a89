// SPDX-License-Identifier: MIT
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "clientfiles.h"
#include "deskbooks.h"
#include "deskwindow.h"
#include "fakeplatform.h"
#include "notesview.h"
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
    client.created = client.changed = {};
    return client;
}

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Rows enough that storing them takes well over the job's first word of progress.
QByteArray manyClients()
{
    QByteArray csv = "first,last,date\n";
    for (int k = 0; k < 60000; ++k)
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

// Waits until the import has stored clients within its transaction.
void waitUntilStoring(DeskWindow &window)
{
    QSignalSpy progress(window.bookJob(), &BookJob::progress);
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.constLast().at(0).toLongLong() > 0, 60000);
}

// Waits until the window has taken the end of the job it runs (the spy hears the job's thread at once).
void waitForJob(DeskWindow &window, QSignalSpy &finished)
{
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() && !window.findChild<QAction *>(u"actCancelBookJob"_s)->isEnabled(),
                             60000);
}

QString firstMessage(const FakePlatform &platform)
{
    return platform.messages.value(0).text;
}

} // namespace

class DeskBookTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void importsAFileWholeOrNotAtAll_data();
    void importsAFileWholeOrNotAtAll();
    void holdsEditsWhileAnImportRuns_data();
    void holdsEditsWhileAnImportRuns();
    void neverExportsOverTheBookOrAnInput_data();
    void neverExportsOverTheBookOrAnInput();
    void undoesTheLastEditOrRemoval_data();
    void undoesTheLastEditOrRemoval();
    void keepsLinksToOtherClients();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_address;
    QList<qint64> m_ids;
};

void DeskBookTest::init()
{
    QStandardPaths::setTestModeEnabled(true);
    m_folder = std::make_unique<QTemporaryDir>();
    m_address = m_folder->filePath(u"clients.sqlite"_s);
    m_ids = fillBook(m_address);
}

void DeskBookTest::importsAFileWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("cancel"); // "", "at once" or "while storing"
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("said"); // what the message says; empty: no message
    QTest::newRow("CSV") << u"more.csv"_s
                         << QByteArray("first,last,date,tags\nGrace,Hopper,1906-12-09,navy\nAlan,Turing,1912-06-23,\n")
                         << QString() << 2 << QString();
    QTest::newRow("a damaged row") << u"damaged.csv"_s
                                   << QByteArray("first,last,date\nGrace,Hopper,1906-12-09\nAlan,,1912-06-23\n")
                                   << QString() << 0 << u"damaged.csv: line 3: the last name is empty"_s;
    QTest::newRow("not a report") << u"broken.vlm"_s << QByteArray("not a report") << QString() << 0
                                  << u"broken.vlm"_s;
    QTest::newRow("cancelled at once") << u"many.csv"_s << manyClients() << u"at once"_s << 0 << QString();
    QTest::newRow("cancelled while storing") << u"many.csv"_s << manyClients() << u"while storing"_s << 0
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
    QVERIFY(writeFile(fileName, content));
    FakePlatform platform;
    platform.chosenFiles.push_back(fileName);
    DeskWindow window(platform);
    window.openBook(m_address);
    waitForSearch(*window.clientsPanel());
    QSignalSpy finished(window.bookJob(), &BookJob::finished);
    window.findChild<QAction *>(u"actImportClients"_s)->trigger();
    if (cancel == u"at once"_s) {
        window.cancelBookJob();
    } else if (cancel == u"while storing"_s) {
        waitUntilStoring(window);
        window.findChild<QPushButton *>(u"cmdCancelBookJob"_s)->click();
    }
    waitForJob(window, finished);
    QCOMPARE(countIn(m_address), m_ids.size() + added);
    QCOMPARE(platform.messages.size(), said.isEmpty() ? 0 : 1);
    QVERIFY2(firstMessage(platform).contains(said), qPrintable(firstMessage(platform)));
    // The list shows the clients imported.
    window.clientsPanel()->search();
    waitForSearch(*window.clientsPanel());
    QCOMPARE(window.clientsPanel()->shownIds().size(), m_ids.size() + added);
}

void DeskBookTest::holdsEditsWhileAnImportRuns_data()
{
    QTest::addColumn<bool>("close"); // the import ends with the window closed, not cancelled
    QTest::newRow("the import cancelled") << false;
    QTest::newRow("the window closed") << true;
}

void DeskBookTest::holdsEditsWhileAnImportRuns()
{
    QFETCH(bool, close);
    const QString fileName = m_folder->filePath(u"many.csv"_s);
    QVERIFY(writeFile(fileName, manyClients()));
    FakePlatform platform;
    platform.chosenFiles.push_back(fileName);
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(m_ids[0]));
    QSignalSpy finished(window.bookJob(), &BookJob::finished);
    window.findChild<QAction *>(u"actImportClients"_s)->trigger();
    waitUntilStoring(window);
    // The import's transaction holds the book: a change waits in the window
    // rather than holding the window up until the import ends.
    auto *tags = window.findChild<QLineEdit *>(u"txtTags"_s);
    tags->setText(u"regular, during"_s);
    tags->setModified(true);
    Q_EMIT tags->editingFinished();
    window.findChild<QPlainTextEdit *>(u"txtNotes"_s)->setPlainText(u"Typed while importing."_s);
    QVERIFY(window.bookJob()->isRunning());
    QCOMPARE(stored(m_address, m_ids[0])->tags, QStringList{u"regular"_s});
    if (close) {
        window.close();
    } else {
        window.cancelBookJob();
        waitForJob(window, finished);
    }
    const std::optional<Client> ada = stored(m_address, m_ids[0]);
    QCOMPARE(ada->tags, (QStringList{u"regular"_s, u"during"_s}));
    QCOMPARE(ada->notes, u"Typed while importing."_s);
    QCOMPARE(countIn(m_address), m_ids.size());
    QVERIFY2(platform.messages.isEmpty(), qPrintable(firstMessage(platform)));
}

void DeskBookTest::neverExportsOverTheBookOrAnInput_data()
{
    QTest::addColumn<QString>("target"); // a file name in the folder; the book is clients.sqlite
    QTest::addColumn<bool>("written");
    QTest::newRow("the book") << u"clients.sqlite"_s << false;
    QTest::newRow("the book's journal") << u"clients.sqlite-wal"_s << false;
    QTest::newRow("a file imported") << u"./in.csv"_s << false;
    QTest::newRow("a report's name") << u"clients.vlm"_s << false;
    QTest::newRow("a new file") << u"out.csv"_s << true;
}

void DeskBookTest::neverExportsOverTheBookOrAnInput()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    const QString input = m_folder->filePath(u"in.csv"_s);
    QVERIFY(writeFile(input, "first,last,date\nGrace,Hopper,1906-12-09\n"));
    const QString fileName = m_folder->filePath(target);
    if (!QFile::exists(fileName))
        QVERIFY(writeFile(fileName, "kept"));
    FakePlatform platform;
    platform.chosenFiles = {input, fileName};
    DeskWindow window(platform);
    window.openBook(m_address);
    QSignalSpy finished(window.bookJob(), &BookJob::finished);
    window.findChild<QAction *>(u"actImportClients"_s)->trigger();
    waitForJob(window, finished);
    const QByteArray before = fileBytes(fileName);
    finished.clear();
    window.findChild<QAction *>(u"actExportClients"_s)->trigger();
    QCOMPARE(window.findChild<QAction *>(u"actCancelBookJob"_s)->isEnabled(), written);
    if (written)
        waitForJob(window, finished);
    QCOMPARE(countIn(m_address), m_ids.size() + 1);
    if (!written) {
        QVERIFY2(firstMessage(platform).contains(u"Nothing was written"_s), qPrintable(firstMessage(platform)));
        QCOMPARE(fileBytes(fileName), before);
        return;
    }
    QVERIFY(platform.messages.isEmpty());
    QString error;
    const std::optional<QList<Client>> read = velmora::book::clientsFromFile(fileName, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->size(), m_ids.size() + 1);
}

void DeskBookTest::undoesTheLastEditOrRemoval_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("changedElsewhere");
    QTest::newRow("the last name, typed") << u"last"_s << false;
    QTest::newRow("the notes, typed with pauses") << u"notes"_s << false;
    QTest::newRow("the tags") << u"tags"_s << false;
    QTest::newRow("the system") << u"system"_s << false;
    QTest::newRow("the notes, then the client changed elsewhere") << u"notes"_s << true;
    QTest::newRow("a removal") << u"remove"_s << false;
    QTest::newRow("a removal answered No") << u"remove no"_s << false;
}

void DeskBookTest::undoesTheLastEditOrRemoval()
{
    QFETCH(QString, edit);
    QFETCH(bool, changedElsewhere);
    const qint64 id = m_ids[0];
    QString error;
    const std::unique_ptr<ClientBook> elsewhere = ClientBook::open(m_address, &error);
    Client before = *elsewhere->client(id);
    before.notes = u"First visit."_s; // an earlier edit, which Undo leaves as it is
    QVERIFY(elsewhere->updateClient(before));
    before = *elsewhere->client(id);
    FakePlatform platform;
    platform.answers.push_back(edit == u"remove"_s ? MessageAnswer::Yes : MessageAnswer::No);
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(id));
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
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.constFirst().buttons, velmora::MessageButtons::YesNo);
        QVERIFY2(firstMessage(platform).startsWith(u"Remove Ada Lovelace (client %1) from the book?"_s.arg(id)),
                 qPrintable(firstMessage(platform)));
        platform.messages.clear();
    }
    if (edit == u"remove no"_s) {
        QCOMPARE(stored(m_address, id), before);
        QVERIFY(!window.canUndo());
        return;
    }
    QVERIFY(stored(m_address, id) != before);
    if (changedElsewhere) {
        Client changed = *elsewhere->client(id);
        changed.tags = QStringList{u"elsewhere"_s};
        QVERIFY2(elsewhere->updateClient(changed), qPrintable(elsewhere->errorString()));
    }
    const std::optional<Client> beforeUndo = stored(m_address, id);
    window.findChild<QAction *>(u"actUndo"_s)->trigger();
    QVERIFY(!window.canUndo());
    if (changedElsewhere) {
        QVERIFY2(firstMessage(platform).contains(u"changed elsewhere"_s), qPrintable(firstMessage(platform)));
        QCOMPARE(stored(m_address, id), beforeUndo);
        return;
    }
    QVERIFY2(platform.messages.isEmpty(), qPrintable(firstMessage(platform)));
    const std::optional<Client> after = stored(m_address, window.client()->id);
    QVERIFY(after);
    QCOMPARE(withoutBookKeeping(*after), withoutBookKeeping(before));
    QCOMPARE(withoutBookKeeping(*window.client()), withoutBookKeeping(before));
}

void DeskBookTest::keepsLinksToOtherClients()
{
    const qint64 ada = m_ids[0];
    const qint64 charles = m_ids[1];
    const QStringList shown{u"collaborator: Charles Babbage (client %1)"_s.arg(charles)};
    FakePlatform platform;
    {
        DeskWindow window(platform);
        window.openBook(m_address);
        QVERIFY(window.showClient(ada));
        velmora::desk::ClientsPanel &finder = *window.notesView()->linkFinder();
        waitForSearch(finder);
        QTest::keyClicks(finder.findChild<QLineEdit *>(u"txtLinkSearch"_s), u"babb"_s);
        waitForSearch(finder);
        QCOMPARE(finder.shownIds(), QList<qint64>{charles});
        Q_EMIT finder.clientChosen(charles);
        window.findChild<QLineEdit *>(u"txtLinkLabel"_s)->setText(u"collaborator"_s);
        window.findChild<QAction *>(u"actAddLink"_s)->trigger();
        Q_EMIT finder.clientChosen(ada); // not linked to herself
        window.findChild<QAction *>(u"actAddLink"_s)->trigger();
        QCOMPARE(window.notesView()->linksShown(), shown);
    }
    DeskWindow again(platform);
    again.openBook(m_address);
    QVERIFY(again.showClient(ada));
    QCOMPARE(again.notesView()->linksShown(), shown);
    // Opening the link goes to the other client's page.
    again.findChild<QListWidget *>(u"lstLinks"_s)->setCurrentRow(0);
    again.findChild<QAction *>(u"actOpenLink"_s)->trigger();
    QCOMPARE(again.client()->id, charles);
    QVERIFY(again.showClient(ada));
    again.findChild<QListWidget *>(u"lstLinks"_s)->setCurrentRow(0);
    again.findChild<QAction *>(u"actRemoveLink"_s)->trigger();
    QVERIFY(stored(m_address, ada)->links.isEmpty());
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(DeskBookTest)
#include "tst_deskbook.moc"
