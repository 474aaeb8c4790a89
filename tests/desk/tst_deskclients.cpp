// SPDX-License-Identifier: MIT
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QDir>
#include <QStyle>

#include "chartview.h"
#include "clientbook.h"
#include "clientlistmodel.h"
#include "clientsearch.h"
#include "clientspanel.h"
#include "deskwindow.h"
#include "darkpalette.h"
#include "deskbooks.h"
#include "fakeplatform.h"
#include "forecastview.h"
#include "notesview.h"
#include "personform.h"
#include "system.h"

using namespace Qt::StringLiterals;
using velmora::book::Client;
using velmora::book::ClientBook;
using velmora::book::ClientSummary;
using velmora::desk::ClientListModel;
using velmora::desk::ClientSearch;
using velmora::desk::DeskWindow;

class DeskClientsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void dropsAnswersOvertakenByALaterKeystroke_data();
    void dropsAnswersOvertakenByALaterKeystroke();
    void findsAsOneTypes_data();
    void findsAsOneTypes();
    void showsEveryMatchInOrderAsTheListScrolls_data();
    void showsEveryMatchInOrderAsTheListScrolls();
    void extendsTheListOrShowsTheAnswerAnew_data();
    void extendsTheListOrShowsTheAnswerAnew();
    void answersOnlyTheLatestQuestion_data();
    void answersOnlyTheLatestQuestion();
    void showsWhyASearchFailed();
    void savesEveryEditAtOnce_data();
    void savesEveryEditAtOnce();
    void saysWhenTheBookCannotBeOpened_data();
    void saysWhenTheBookCannotBeOpened();
    void bringsBackTheLastClientAndKeepsTheReadingsMade();
    void aFirstStartShowsWholeNamesWithinTheScreen();
    void writesScreenshotsWhenAsked();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_address;
    QList<qint64> m_ids;
};

void DeskClientsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DeskClientsTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_address = m_folder->filePath(u"clients.sqlite"_s);
    m_ids = fillBook(m_address);
}

void DeskClientsTest::dropsAnswersOvertakenByALaterKeystroke_data()
{
    QTest::addColumn<QList<int>>("answered"); // how far behind the latest question each answer is, in the order they come
    QTest::addColumn<QList<qint64>>("shown");
    QTest::newRow("the latest answer, then a stale one") << QList<int>{0, 1} << QList<qint64>{100};
    QTest::newRow("a stale answer, then the latest") << QList<int>{1, 0} << QList<qint64>{100};
    QTest::newRow("stale answers only") << QList<int>{2, 1} << QList<qint64>{};
}

void DeskClientsTest::dropsAnswersOvertakenByALaterKeystroke()
{
    QFETCH(QList<int>, answered);
    QFETCH(QList<qint64>, shown);
    velmora::desk::ClientsPanel panel(m_address);
    waitForSearch(panel);
    panel.takeAnswer(panel.lastSerial(), {}, false, {});
    for (int k = 0; k < 2; ++k)
        panel.search();
    const quint64 latest = panel.lastSerial();
    for (const int behind : answered) {
        // Each answer names a client after how stale it is: 100 the latest, 101 one behind...
        const ClientSummary client{100 + behind, u"Someone"_s, u"Someone"_s, QDate(2000, 1, 1)};
        panel.takeAnswer(latest - static_cast<quint64>(behind), {client}, false, {});
    }
    QCOMPARE(panel.shownIds(), shown);
}

void DeskClientsTest::findsAsOneTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("found"); // indexes into the book's clients
    QTest::newRow("a name's beginning") << u"lov"_s << QList<int>{0};
    QTest::newRow("a tag") << u"tag:regular"_s << QList<int>{2, 0};
    QTest::newRow("a birth year") << u"1791"_s << QList<int>{1};
    QTest::newRow("nobody") << u"zz"_s << QList<int>{};
}

void DeskClientsTest::findsAsOneTypes()
{
    QFETCH(QString, typed);
    QFETCH(QList<int>, found);
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    velmora::desk::ClientsPanel &panel = *window.clientsPanel();
    waitForSearch(panel);
    QCOMPARE(panel.shownIds().size(), 3);
    QTest::keyClicks(panel.findChild<QLineEdit *>(u"txtSearch"_s), typed);
    waitForSearch(panel);
    QList<qint64> expected;
    for (const int index : found)
        expected << m_ids[index];
    QList<qint64> shown = panel.shownIds();
    std::ranges::sort(shown);
    std::ranges::sort(expected);
    QCOMPARE(shown, expected);
}

void DeskClientsTest::showsEveryMatchInOrderAsTheListScrolls_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("every client") << QString();
    QTest::newRow("a name's beginning") << u"lo"_s;
    QTest::newRow("a tag") << u"tag:even"_s;
}

void DeskClientsTest::showsEveryMatchInOrderAsTheListScrolls()
{
    QFETCH(QString, typed);
    QList<Client> more;
    for (int n = 0; n < 450; ++n) {
        // Names that sort apart from their order of adding: Lobc, Lomx, ...
        const QString name = u"Lo"_s + QChar(u'a' + (n * 7) % 26) + QChar(u'a' + (n * 11) % 26);
        more << clientOf(name, u"Many"_s, QDate(1950, 1, 1).addDays(n % 3), n % 2 == 0 ? QStringList{u"even"_s} : QStringList{});
    }
    QString error;
    const std::unique_ptr<ClientBook> book = ClientBook::open(m_address, &error);
    QVERIFY(book && book->addClients(more));
    const std::optional<QList<ClientSummary>> found = book->findClients(typed);
    QVERIFY(found);
    QList<qint64> expected;
    for (const ClientSummary &client : *found)
        expected << client.id;

    velmora::desk::ClientsPanel panel(m_address);
    panel.resize(240, 320);
    panel.show();
    waitForSearch(panel);
    panel.findChild<QLineEdit *>(u"txtSearch"_s)->setText(typed);
    if (!typed.isEmpty())
        waitForSearch(panel);
    QVERIFY2(panel.shownIds().size() < expected.size(), "the list asks for the first clients only");
    auto *list = panel.findChild<QAbstractItemView *>(u"lstClients"_s);
    for (int scrolled = 0; scrolled < 10 && panel.shownIds().size() < expected.size(); ++scrolled) {
        list->scrollToBottom();
        waitForSearch(panel);
    }
    QCOMPARE(panel.shownIds(), expected);
}

void DeskClientsTest::extendsTheListOrShowsTheAnswerAnew_data()
{
    QTest::addColumn<QList<qint64>>("answer"); // to the question for more, after clients 1 and 2 were shown
    QTest::addColumn<bool>("anew");
    QTest::newRow("more of the same") << QList<qint64>{1, 2, 3, 4} << false;
    QTest::newRow("no more after all") << QList<qint64>{1, 2} << false;
    QTest::newRow("a client added among them since") << QList<qint64>{1, 5, 2, 3} << true;
    QTest::newRow("a client removed since") << QList<qint64>{2, 3} << true;
}

void DeskClientsTest::extendsTheListOrShowsTheAnswerAnew()
{
    QFETCH(QList<qint64>, answer);
    QFETCH(bool, anew);
    const auto summaries = [](const QList<qint64> &ids) {
        QList<ClientSummary> clients;
        for (const qint64 id : ids)
            clients.append({id, u"Someone"_s, u"Someone"_s, QDate(2000, 1, 1)});
        return clients;
    };
    ClientListModel model;
    model.show(summaries({1, 2}), true);
    QSignalSpy reset(&model, &ClientListModel::modelReset);
    QSignalSpy inserted(&model, &ClientListModel::rowsInserted);
    model.extend(summaries(answer), false);
    QList<qint64> shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.idAt(row);
    QCOMPARE(shown, answer);
    QCOMPARE(reset.size(), anew ? 1 : 0);
    QCOMPARE(inserted.size(), !anew && answer.size() > 2 ? 1 : 0);
}

void DeskClientsTest::answersOnlyTheLatestQuestion_data()
{
    QTest::addColumn<quint64>("latest"); // the serial of the latest question sent
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("rows"); // -1: no answer
    QTest::addColumn<bool>("more");
    QTest::newRow("the latest, every match") << quint64(1) << 10 << 3 << false;
    QTest::newRow("the latest, more than the limit") << quint64(1) << 2 << 2 << true;
    QTest::newRow("the limit exactly") << quint64(1) << 3 << 3 << false;
    QTest::newRow("overtaken before its turn") << quint64(2) << 10 << -1 << false;
}

void DeskClientsTest::answersOnlyTheLatestQuestion()
{
    QFETCH(quint64, latest);
    QFETCH(int, limit);
    QFETCH(int, rows);
    QFETCH(bool, more);
    ClientSearch search(m_address);
    QSignalSpy found(&search, &ClientSearch::found);
    search.asked(latest);
    search.find(1, QString(), limit);
    QCOMPARE(found.size(), rows < 0 ? 0 : 1);
    if (rows >= 0) {
        QCOMPARE(found[0][1].value<QList<ClientSummary>>().size(), rows);
        QCOMPARE(found[0][2].toBool(), more);
        QVERIFY(found[0][3].toString().isEmpty());
    }
}

void DeskClientsTest::showsWhyASearchFailed()
{
    velmora::desk::ClientsPanel panel(m_address);
    panel.show();
    waitForSearch(panel);
    QVERIFY(!panel.shownIds().isEmpty());
    panel.takeAnswer(panel.lastSerial(), {}, false, u"The client book is locked by another program."_s);
    auto *problem = panel.findChild<QLabel *>(u"lblBookProblem"_s);
    QVERIFY(problem->isVisible());
    QCOMPARE(problem->text(), u"The client book is locked by another program."_s);
    QVERIFY(panel.shownIds().isEmpty());
}

void DeskClientsTest::savesEveryEditAtOnce_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("listed"); // the list is asked again: it shows names and dates and finds by tag
    QTest::newRow("the last name") << u"last"_s << true;
    QTest::newRow("the system") << u"system"_s << false;
    QTest::newRow("the notes") << u"notes"_s << false;
    QTest::newRow("the tags") << u"tags"_s << true;
    QTest::newRow("the notes, printed at once") << u"notes printed"_s << false;
}

void DeskClientsTest::savesEveryEditAtOnce()
{
    QFETCH(QString, edit);
    QFETCH(bool, listed);
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(m_ids[1]));
    velmora::desk::ClientsPanel &panel = *window.clientsPanel();
    waitForSearch(panel);
    const quint64 asked = panel.lastSerial();
    QCOMPARE(window.personForm()->person()->LastName, "Babbage");
    if (edit == u"last"_s) {
        window.findChild<QLineEdit *>(u"txtClientLast"_s)->setText(u"Babbage-Smith"_s);
    } else if (edit == u"system"_s) {
        window.setSystem(velmora::chaldeanSystem());
    } else if (edit == u"notes"_s) {
        window.findChild<QPlainTextEdit *>(u"txtNotes"_s)->setPlainText(u"Asked about 2027.\n\u00e9\u00e8"_s);
        QTest::qWait(600); // the notes wait for the typing to stop
    } else if (edit == u"notes printed"_s) {
        window.findChild<QPlainTextEdit *>(u"txtNotes"_s)->setPlainText(u"Asked about 2027."_s);
        window.printReport(); // reads the client again for its history
        QCOMPARE(window.findChild<QPlainTextEdit *>(u"txtNotes"_s)->toPlainText(), u"Asked about 2027."_s);
    } else {
        auto *tags = window.findChild<QLineEdit *>(u"txtTags"_s);
        tags->setText(u"engine, regular, engine"_s);
        tags->setModified(true);
        Q_EMIT tags->editingFinished();
    }
    const std::optional<Client> client = stored(m_address, m_ids[1]);
    QVERIFY(client);
    if (edit == u"last"_s)
        QCOMPARE(client->last, u"Babbage-Smith"_s);
    else if (edit == u"system"_s)
        QCOMPARE(client->system, u"chaldean"_s);
    else if (edit == u"notes"_s)
        QCOMPARE(client->notes, u"Asked about 2027.\n\u00e9\u00e8"_s);
    else if (edit == u"notes printed"_s)
        QCOMPARE(client->notes, u"Asked about 2027."_s);
    else
        QCOMPARE(client->tags, (QStringList{u"engine"_s, u"regular"_s}));
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(panel.lastSerial() != asked, listed);
    if (listed)
        waitForSearch(panel);
    const QAbstractItemModel *rows = panel.findChild<QAbstractItemView *>(u"lstClients"_s)->model();
    const int row = static_cast<int>(panel.shownIds().indexOf(m_ids[1]));
    QVERIFY(rows->index(row, 0).data().toString().startsWith(velmora::book::nameInUse(*client)));
}

void DeskClientsTest::saysWhenTheBookCannotBeOpened_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a folder stands where the book should be
    QTest::newRow("not a book") << QByteArray("these are not the clients you are looking for\n");
    QTest::newRow("a folder") << QByteArray();
}

void DeskClientsTest::saysWhenTheBookCannotBeOpened()
{
    QFETCH(QByteArray, content);
    const QString address = m_folder->filePath(u"broken.sqlite"_s);
    if (content.isEmpty()) {
        QVERIFY(QDir().mkpath(address));
    } else {
        QFile file(address);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(address);
    window.show();
    auto *problem = window.findChild<QLabel *>(u"lblBookProblem"_s);
    QVERIFY(problem->isVisible());
    QVERIFY2(problem->text().contains(u"not saved"_s), qPrintable(problem->text()));
    QVERIFY(!window.findChild<QPushButton *>(u"cmdKeepClient"_s)->isVisible());
    // The window works on: a person typed in has a chart.
    window.findChild<QLineEdit *>(u"txtClientFirst"_s)->setText(u"Ada"_s);
    window.findChild<QLineEdit *>(u"txtClientLast"_s)->setText(u"Lovelace"_s);
    QVERIFY(window.chart());
    if (!content.isEmpty()) {
        QFile file(address);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content); // never touched
    }
}

void DeskClientsTest::bringsBackTheLastClientAndKeepsTheReadingsMade()
{
    FakePlatform platform;
    qint64 kept = 0;
    {
        DeskWindow window(platform);
        window.openBook(m_address);
        window.findChild<QLineEdit *>(u"txtClientFirst"_s)->setText(u"Grace"_s);
        window.findChild<QLineEdit *>(u"txtClientLast"_s)->setText(u"Hopper"_s);
        window.findChild<QDateEdit *>(u"txtClientBirth"_s)->setDate(QDate(1906, 12, 9));
        window.keepAsClient();
        QVERIFY(window.client());
        kept = window.client()->id;
        window.printReport();
        QCOMPARE(platform.printDialogs, 1);
        window.close();
    }
    DeskWindow again(platform);
    again.openBook(m_address);
    again.restoreState();
    QVERIFY(again.client());
    QCOMPARE(again.client()->id, kept);
    QCOMPARE(again.personForm()->person()->LastName, "Hopper");
    QCOMPARE(again.client()->history.size(), 1);
    QCOMPARE(again.notesView()->historyCount(), 1);
}

// With nothing kept from an earlier start, the clients' column shows whole
// names and dates, and the window stays on the screen.
void DeskClientsTest::aFirstStartShowsWholeNamesWithinTheScreen()
{
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    window.restoreState();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize screen = window.screen()->availableGeometry().size();
    QVERIFY(window.width() <= screen.width() && window.height() <= screen.height());
    auto *list = window.findChild<QAbstractItemView *>(u"lstClients"_s);
    QTRY_COMPARE(list->model()->rowCount(), 3);
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QString text = list->model()->index(row, 0).data().toString();
        QVERIFY2(list->fontMetrics().horizontalAdvance(text) < list->viewport()->width(), qPrintable(text));
    }
}

// VELMORA_DESK_SHOTS=FOLDER: each page, light and dark, as PNG pictures for the release notes.
void DeskClientsTest::writesScreenshotsWhenAsked()
{
    const QString folder = qEnvironmentVariable("VELMORA_DESK_SHOTS");
    if (folder.isEmpty())
        QSKIP("VELMORA_DESK_SHOTS names no folder");
    QDir().mkpath(folder);
    qint64 kept = 0;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        FakePlatform platform;
        DeskWindow window(platform);
        window.openBook(m_address);
        window.resize(1400, 820);
        window.show();
        window.findChild<QLineEdit *>(u"txtClientFirst"_s)->setText(u"John"_s);
        window.findChild<QLineEdit *>(u"txtClientMiddle"_s)->setText(u"Fitzgerald"_s);
        window.findChild<QLineEdit *>(u"txtClientLast"_s)->setText(u"Kennedy"_s);
        window.findChild<QDateEdit *>(u"txtClientBirth"_s)->setDate(QDate(1917, 5, 29));
        if (kept == 0) {
            window.keepAsClient();
            kept = window.client()->id;
        } else {
            window.showClient(kept);
        }
        window.findChild<QPlainTextEdit *>(u"txtNotes"_s)->setPlainText(u"Came about the new business name."_s);
        window.printReport();
        waitForSearch(*window.clientsPanel());
        window.setSystem(velmora::chaldeanSystem());
        window.setDateOfInterest(QDate(2027, 3, 1));
        window.forecastView()->choosePersonalDay(8, true);
        window.forecastView()->chooseWeekday(5, true);
        window.findChild<QLineEdit *>(u"txtOtherFirst"_s)->setText(u"Jacqueline"_s);
        window.findChild<QLineEdit *>(u"txtOtherMiddle"_s)->setText(u"Lee"_s);
        window.findChild<QLineEdit *>(u"txtOtherLast"_s)->setText(u"Bouvier"_s);
        window.findChild<QDateEdit *>(u"txtOtherBirth"_s)->setDate(QDate(1929, 7, 28));
        window.findChild<QLineEdit *>(u"txtVariantFirst"_s)->setText(u"John|Jon|Jack"_s);
        window.findChild<QLineEdit *>(u"txtVariantLast"_s)->setText(u"Kennedy|Kenedy"_s);
        window.findChild<QLineEdit *>(u"txtWantdestiny"_s)->setText(u"6 or 8"_s);
        window.findChild<QPushButton *>(u"cmdWeigh"_s)->click();
        QTRY_VERIFY(window.findChild<QAbstractItemView *>(u"tblVariants"_s)->model()->rowCount() > 0);
        const QStringList pages = {u"chart"_s, u"forecast"_s, u"compare"_s, u"notes"_s, u"names"_s};
        for (int page = 0; page < pages.size(); ++page) {
            window.showPage(static_cast<DeskWindow::Page>(page));
            QTest::qWait(50);
            const QString name = u"%1/desk-%2-%3.png"_s.arg(folder, pages[page], dark ? u"dark"_s : u"light"_s);
            QVERIFY(window.grab().save(name));
        }
        window.setSystem(velmora::classicSystem());
        window.showPage(DeskWindow::Page::Chart);
        QTest::qWait(50);
        QVERIFY(window.grab().save(u"%1/desk-chart-classic-%2.png"_s.arg(folder, dark ? u"dark"_s : u"light"_s)));
    }
}

QTEST_MAIN(DeskClientsTest)
#include "tst_deskclients.moc"
