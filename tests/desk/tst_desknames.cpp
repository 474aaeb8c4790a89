// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "chartview.h"
#include "clientbook.h"
#include "compareview.h"
#include "deskwindow.h"
#include "fakeplatform.h"
#include "namesview.h"
#include "personform.h"
#include "readingdocument.h"
#include "system.h"

using namespace Qt::StringLiterals;
using velmora::book::Client;
using velmora::book::ClientBook;
using velmora::book::LaterName;
using velmora::desk::DeskWindow;
using velmora::desk::NamesView;

Q_DECLARE_METATYPE(velmora::book::LaterName)
Q_DECLARE_METATYPE(velmora::desk::DeskWindow::Page)

namespace {

using Change = std::function<bool(ClientBook &, Client &)>;

std::unique_ptr<ClientBook> openBook(const QString &address)
{
    QString error;
    std::unique_ptr<ClientBook> book = ClientBook::open(address, &error);
    if (!book)
        qFatal("cannot open the test book: %s", qPrintable(error));
    return book;
}

qint64 addClient(const QString &address, const QString &first, const QString &last, QDate birth,
                 const QList<LaterName> &laterNames = {})
{
    Client client;
    client.first = first;
    client.last = last;
    client.birth = birth;
    client.laterNames = laterNames;
    return openBook(address)->addClient(client);
}

void setText(QWidget &window, const QString &name, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(name);
    QVERIFY2(edit != nullptr, qPrintable(name));
    edit->setText(text);
}

// Weighs the alternatives on the Names page and chooses the spelling of that name in the table.
void weighAndChoose(DeskWindow &window, const QString &first, const QString &last, const QString &destiny,
                    const QString &chosen)
{
    window.showPage(DeskWindow::Page::Names);
    setText(window, u"txtVariantFirst"_s, first);
    setText(window, u"txtVariantLast"_s, last);
    setText(window, u"txtWantdestiny"_s, destiny);
    QVERIFY(window.namesView()->weigh());
    QTRY_VERIFY(!window.namesView()->isWeighing());
    const std::vector<velmora::NameVariant> &variants = window.namesView()->variants();
    const auto row = std::ranges::find_if(variants, [&](const velmora::NameVariant &variant) {
        return QString::fromStdString(velmora::writtenName(variant)) == chosen;
    });
    QVERIFY2(row != variants.end(), qPrintable(chosen));
    window.findChild<QTableView *>(u"tblVariants"_s)->selectRow(static_cast<int>(row - variants.begin()));
}

QString writtenName(const LaterName &name)
{
    return velmora::book::joinedName(name.first, name.middle, name.last);
}

} // namespace

class DeskNamesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void keepsExactlyTheSpellingChosen_data();
    void keepsExactlyTheSpellingChosen();
    void doesNotWriteOverAClientChangedElsewhere_data();
    void doesNotWriteOverAClientChangedElsewhere();
    void refusesWhatCannotBeWeighed_data();
    void refusesWhatCannotBeWeighed();
    void comparesWithAClientAsTheirChartShowsThem_data();
    void comparesWithAClientAsTheirChartShowsThem();
    void addsTheNamesSheetToTheHistory_data();
    void addsTheNamesSheetToTheHistory();
    void namesEveryControlForScreenReaders_data();
    void namesEveryControlForScreenReaders();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_address;
};

void DeskNamesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DeskNamesTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_address = m_folder->filePath(u"clients.sqlite"_s);
}

void DeskNamesTest::keepsExactlyTheSpellingChosen_data()
{
    QTest::addColumn<QList<LaterName>>("before");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("wished"); // wish for the last spelling's Destiny, which moves it up the table
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("label");
    QTest::addColumn<LaterName>("kept");
    const QDate interest(2027, 3, 1);
    const LaterName married{u"Ada"_s, {}, u"King"_s, QDate(1835, 7, 8), u"married"_s};
    QTest::newRow("the first later name, not the first spelling") << QList<LaterName>{} << u"Ada|Adah"_s << u"Byron"_s << false
                                          << u"Adah Byron"_s << u"business"_s
                                          << LaterName{u"Adah"_s, {}, u"Byron"_s, interest, u"business"_s};
    QTest::newRow("a match moved up by the wish, after a name kept before")
        << QList<LaterName>{married} << u"Ada|Adah|Adda"_s << u"Lovelace|Lovelase"_s << true << u"Adda Lovelase"_s << u"chosen"_s
        << LaterName{u"Adda"_s, {}, u"Lovelase"_s, interest, u"chosen"_s};
    QTest::newRow("accents and spaces as typed, the label trimmed")
        << QList<LaterName>{} << u" Zoë |Zoe"_s << u"Núñez"_s << false << u"Zoë Núñez"_s << u"  stage "_s
        << LaterName{u"Zoë"_s, {}, u"Núñez"_s, interest, u"stage"_s};
}

void DeskNamesTest::keepsExactlyTheSpellingChosen()
{
    QFETCH(QList<LaterName>, before);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(bool, wished);
    QFETCH(QString, chosen);
    QFETCH(QString, label);
    QFETCH(LaterName, kept);
    const qint64 id = addClient(m_address, u"Ada"_s, u"Byron"_s, QDate(1815, 12, 10), before);
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(id));
    window.setDateOfInterest(kept.taken);
    QString wish;
    if (wished) {
        // The Destiny of the last spelling made, so that the matches come first.
        weighAndChoose(window, first, last, {}, chosen);
        const velmora::NameVariant &lastMade = window.namesView()->variants().back();
        wish = QString::number(lastMade.numbers[velmora::NumberId::Destiny].value());
    }
    weighAndChoose(window, first, last, wish, chosen);
    const std::optional<velmora::NameVariant> variant = window.namesView()->chosenVariant();
    QVERIFY(variant && variant->match);
    setText(window, u"txtNameLabel"_s, label);
    QTest::mouseClick(window.findChild<QWidget *>(u"cmdKeepName"_s), Qt::LeftButton);

    const QList<LaterName> expected = QList<LaterName>(before) << kept;
    QCOMPARE(openBook(m_address)->client(id)->laterNames, expected);
    // Shown at once, beside the names kept before.
    QCOMPARE(window.namesView()->nameRows(), 1 + expected.size());
    QCOMPARE(window.namesView()->nameCell(expected.size(), 0), writtenName(kept));
    QVERIFY(platform.messages.isEmpty());
}

void DeskNamesTest::doesNotWriteOverAClientChangedElsewhere_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("stillAClient");
    QTest::newRow("notes written in another window") << Change([](ClientBook &book, Client &client) {
        client.notes = u"Seen on Tuesday"_s;
        return book.updateClient(client);
    }) << true;
    QTest::newRow("a name kept in another window") << Change([](ClientBook &book, Client &client) {
        client.laterNames << LaterName{u"Ada"_s, {}, u"King"_s, {}, u"married"_s};
        return book.updateClient(client);
    }) << true;
    QTest::newRow("removed in another window")
        << Change([](ClientBook &book, Client &client) { return book.removeClient(client.id); }) << false;
}

void DeskNamesTest::doesNotWriteOverAClientChangedElsewhere()
{
    QFETCH(Change, change);
    QFETCH(bool, stillAClient);
    const qint64 id = addClient(m_address, u"Ada"_s, u"Byron"_s, QDate(1815, 12, 10));
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(id));
    weighAndChoose(window, u"Ada|Adah"_s, u"Lovelace"_s, {}, u"Adah Lovelace"_s);

    const std::unique_ptr<ClientBook> other = openBook(m_address);
    Client elsewhere = *other->client(id);
    QVERIFY(change(*other, elsewhere));
    const std::optional<Client> changed = other->client(id);
    setText(window, u"txtNameLabel"_s, u"chosen"_s);
    QTest::mouseClick(window.findChild<QWidget *>(u"cmdKeepName"_s), Qt::LeftButton);

    QCOMPARE(openBook(m_address)->client(id), changed);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.front().icon, velmora::MessageIcon::Critical);
    // The window shows the client as the book has them, or no client at all.
    QCOMPARE(window.client().has_value(), stillAClient);
    QCOMPARE(window.namesView()->nameRows(), 1 + (changed ? changed->laterNames.size() : 0));
}

void DeskNamesTest::refusesWhatCannotBeWeighed_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("destiny");
    QTest::addColumn<QString>("problem");
    QTest::newRow("an empty alternative") << u"Ada||Adah"_s << QString() << u"First name: an empty alternative"_s;
    QTest::newRow("a Destiny no name has") << u"Ada"_s << u"6 or 10"_s << u"Destiny wished: destiny is never 10"_s;
    QTest::newRow("more spellings than are weighed")
        << QStringList(10'001, u"A"_s).join(u'|') << QString() << u"The alternatives make 10001 spellings"_s;
}

void DeskNamesTest::refusesWhatCannotBeWeighed()
{
    QFETCH(QString, first);
    QFETCH(QString, destiny);
    QFETCH(QString, problem);
    FakePlatform platform;
    DeskWindow window(platform);
    window.personForm()->setPerson({"Ada", "", "Byron", 10, 12, "December", 1815});
    setText(window, u"txtVariantFirst"_s, u"Ada"_s);
    setText(window, u"txtVariantLast"_s, u"Byron"_s);
    QVERIFY(window.namesView()->weigh());
    QTRY_VERIFY(!window.namesView()->variants().empty());
    setText(window, u"txtVariantFirst"_s, first);
    setText(window, u"txtWantdestiny"_s, destiny);
    QVERIFY(!window.namesView()->weigh());
    // No table of an earlier weighing is left to keep or print from.
    QVERIFY(window.namesView()->variants().empty());
    QVERIFY(!window.namesView()->sheet());
    const QString shown = window.findChild<QWidget *>(u"lblVariantsProblem"_s)->property("text").toString();
    QVERIFY2(shown.startsWith(problem), qPrintable(shown));
}

void DeskNamesTest::comparesWithAClientAsTheirChartShowsThem_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("search");
    QTest::newRow("classic, found by last name") << u"classic"_s << u"lovel"_s;
    QTest::newRow("chaldean, found by date") << u"chaldean"_s << u"1815-12"_s;
    QTest::newRow("common, found by a later name") << u"common"_s << u"king"_s;
}

void DeskNamesTest::comparesWithAClientAsTheirChartShowsThem()
{
    QFETCH(QString, system);
    QFETCH(QString, search);
    const qint64 client = addClient(m_address, u"Charles"_s, u"Babbage"_s, QDate(1791, 12, 26));
    // Compared under the birth name, as the chart shows them, though another is in use.
    const qint64 other = addClient(m_address, u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10),
                                   {{u"Ada"_s, {}, u"King"_s, {}, u"married"_s}});
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    window.setSystem(*velmora::findSystem(system.toStdString()));
    QVERIFY(window.showClient(other));
    QStringList charted;
    // A number the system does not have: none on the chart, a dash in the comparison.
    for (const velmora::desk::CoreNumber &core : velmora::desk::coreNumbers())
        charted << (window.chartView()->shownNumber(core.id).isEmpty() ? u"\u2013"_s
                                                                         : window.chartView()->shownNumber(core.id));

    QVERIFY(window.showClient(client));
    window.setSystem(*velmora::findSystem(system.toStdString()));
    window.showPage(DeskWindow::Page::Compare);
    setText(window, u"txtCompareSearch"_s, search);
    auto *choice = window.findChild<QComboBox *>(u"cboCompareClient"_s);
    const int found = choice->findData(other);
    QVERIFY2(found > 0, qPrintable(search));
    choice->setCurrentIndex(found);
    Q_EMIT choice->activated(found);
    velmora::desk::CompareView &compare = *window.compareView();
    QStringList compared;
    for (int row = 0; row < static_cast<int>(velmora::desk::coreNumbers().size()); ++row)
        compared << compare.cell(row, 2);
    QCOMPARE(compared, charted);

    // The person typed in is there still.
    compare.otherForm()->setPerson({"Mary", "", "Somerville", 26, 12, "December", 1780});
    QCOMPARE(compare.cell(0, 2), compared.front());
    choice->setCurrentIndex(0);
    Q_EMIT choice->activated(0);
    QCOMPARE(compare.chosenClient(), 0);
    // As a comparison with only a person typed in shows them.
    velmora::desk::CompareView typedOnly;
    typedOnly.showClient(std::nullopt, window.system(), velmora::calendarDate(window.dateOfInterest()));
    typedOnly.otherForm()->setPerson({"Mary", "", "Somerville", 26, 12, "December", 1780});
    for (int row = 0; row < static_cast<int>(velmora::desk::coreNumbers().size()); ++row)
        QCOMPARE(compare.cell(row, 2), typedOnly.cell(row, 2));
}

void DeskNamesTest::addsTheNamesSheetToTheHistory_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("printed") << false;
    QTest::newRow("saved as PDF") << true;
}

void DeskNamesTest::addsTheNamesSheetToTheHistory()
{
    QFETCH(bool, pdf);
    const qint64 id = addClient(m_address, u"Ada"_s, u"Byron"_s, QDate(1815, 12, 10));
    FakePlatform platform;
    const QString file = m_folder->filePath(u"names.pdf"_s);
    platform.chosenFiles.push_back(file);
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(id));
    weighAndChoose(window, u"Ada|Adah"_s, u"Byron|Biron"_s, u"6"_s, u"Ada Byron"_s);
    // Ctrl+P and Ctrl+Shift+S on the Names page are the names sheet's.
    if (pdf)
        window.saveReportPdf();
    else
        window.printReport();
    const QByteArray printed = pdf ? [&] {
        QFile saved(file);
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }()
                                   : platform.printedPdf;
    QVERIFY(printed.startsWith("%PDF"));
    if (!pdf)
        QCOMPARE(platform.printJobs.front().title, window.namesView()->sheet()->title);
    const QList<velmora::book::HistoryEntry> history = openBook(m_address)->client(id)->history;
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.front().document, pdf ? u"pdf:"_s + file : u"names sheet, printed"_s);
}

void DeskNamesTest::namesEveryControlForScreenReaders_data()
{
    QTest::addColumn<DeskWindow::Page>("page");
    QTest::newRow("names") << DeskWindow::Page::Names;
    QTest::newRow("compare, with a book") << DeskWindow::Page::Compare;
}

void DeskNamesTest::namesEveryControlForScreenReaders()
{
    QFETCH(DeskWindow::Page, page);
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    window.showPage(page);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *tabs = window.findChild<QTabWidget *>(u"tabsClient"_s);
    // Every control the keyboard reaches on the page is named to a screen reader.
    for (QWidget *control : tabs->currentWidget()->findChildren<QWidget *>()) {
        if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus) != 0 && control->focusProxy() == nullptr)
            QVERIFY2(!control->accessibleName().isEmpty(),
                     qPrintable(control->objectName() + u' ' + control->metaObject()->className()));
    }
}

QTEST_MAIN(DeskNamesTest)
#include "tst_desknames.moc"
