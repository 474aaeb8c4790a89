// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMultiMap>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "chartview.h"
#include "deskstartup.h"
#include "deskwindow.h"
#include "darkpalette.h"
#include "fakeplatform.h"
#include "forecastview.h"
#include "personform.h"
#include "readablecolours.h"
#include "reportfile.h"
#include "system.h"

using namespace Qt::StringLiterals;
using velmora::desk::DeskWindow;

Q_DECLARE_METATYPE(velmora::HandOver)
Q_DECLARE_METATYPE(velmora::desk::DeskWindow::Page)

namespace {

void typeClient(DeskWindow &window, const QString &first, const QString &last, QDate birth)
{
    window.findChild<QLineEdit *>(u"txtClientFirst"_s)->setText(first);
    window.findChild<QLineEdit *>(u"txtClientLast"_s)->setText(last);
    window.findChild<QDateEdit *>(u"txtClientBirth"_s)->setDate(birth);
}

QString writeFile(const QTemporaryDir &folder, const QString &name, const QByteArray &content)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

// John Smith, born 4 March 1980, as the window program saves him.
const QByteArray kSoundReport = "Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n";

} // namespace

class DeskWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void restoresItsLayoutAndPerson_data();
    void restoresItsLayoutAndPerson();
    void opensReportFilesOrSaysWhyNot_data();
    void opensReportFilesOrSaysWhyNot();
    void keysReachEveryAction_data();
    void keysReachEveryAction();
    void everyControlHasAName();
    void accessKeysLeadToOneControl_data();
    void accessKeysLeadToOneControl();
    void readingsStayReadableUnderEitherPalette_data();
    void readingsStayReadableUnderEitherPalette();
    void aSecondCopyHandsOverAndEnds_data();
    void aSecondCopyHandsOverAndEnds();
    void printsTheChartShown();
};

void DeskWindowTest::init()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void DeskWindowTest::restoresItsLayoutAndPerson_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("page");
    QTest::addColumn<QSize>("size");
    QTest::newRow("chaldean forecast") << u"chaldean"_s << 1 << QSize(1000, 700);
    QTest::newRow("common comparison") << u"common"_s << 2 << QSize(820, 640);
    QTest::newRow("classic chart") << u"classic"_s << 0 << QSize(1200, 900);
}

void DeskWindowTest::restoresItsLayoutAndPerson()
{
    QFETCH(QString, system);
    QFETCH(int, page);
    QFETCH(QSize, size);
    FakePlatform platform;
    QList<int> splitterSizes;
    {
        DeskWindow window(platform);
        window.show();
        window.resize(size);
        window.setSystem(*velmora::findSystem(system.toStdString()));
        typeClient(window, u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10));
        QCoreApplication::processEvents(); // the drawings' new size reaches the splitter
        auto *splitter = window.findChild<QSplitter *>(u"chartSplitter"_s);
        splitter->setSizes({size.width() * 3 / 4, size.width() / 4});
        splitterSizes = splitter->sizes();
        window.showPage(static_cast<DeskWindow::Page>(page));
        window.close();
    }
    DeskWindow again(platform);
    again.restoreState();
    again.show();
    QCOMPARE(again.size(), size);
    QCOMPARE(QString::fromLatin1(again.system().key.data()), system);
    QCOMPARE(static_cast<int>(again.page()), page);
    again.showPage(DeskWindow::Page::Chart);
    QCOMPARE(again.findChild<QSplitter *>(u"chartSplitter"_s)->sizes(), splitterSizes);
    const std::optional<velmora::BirthData> person = again.personForm()->person();
    QVERIFY(person);
    QCOMPARE(person->LastName, "Lovelace");
    QCOMPARE(person->BirthYear, 1815);
    QVERIFY(again.chart());
}

void DeskWindowTest::opensReportFilesOrSaysWhyNot_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownLast"); // empty: refused with a message
    QTest::newRow("sound report") << kSoundReport << u"smith.vlm"_s << u"Smith"_s;
    QTest::newRow("damaged report") << QByteArray("Mrkq\r\n") << u"short.vlm"_s << QString();
    QTest::newRow("missing file") << QByteArray() << u"nowhere.vlm"_s << QString();
    // 31 February: the numbers could take it, a date field cannot.
    QTest::newRow("a day the month lacks") << QByteArray("Mrkq\r\n\r\nVplwk\r\n64\r\n5\r\nIheuxdu|\r\n4<;3\r\n")
                                           << u"feb31.vlm"_s << QString();
}

void DeskWindowTest::opensReportFilesOrSaysWhyNot()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, shownLast);
    QTemporaryDir folder;
    const QString file = content.isEmpty() ? folder.filePath(name) : writeFile(folder, name, content);
    FakePlatform platform;
    DeskWindow window(platform);
    typeClient(window, u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10));
    const bool opened = window.openReportFile(file);
    QCOMPARE(opened, !shownLast.isEmpty());
    if (opened) {
        QCOMPARE(QString::fromStdString(window.personForm()->person()->LastName), shownLast);
        QVERIFY(platform.messages.isEmpty());
    } else {
        // The person shown stays, and the message names the file.
        QCOMPARE(window.personForm()->person()->LastName, "Lovelace");
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.constFirst().text.contains(name));
    }
}

void DeskWindowTest::keysReachEveryAction_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Ctrl+P prints") << QKeySequence(u"Ctrl+P"_s) << u"print"_s;
    QTest::newRow("F1 helps") << QKeySequence(u"F1"_s) << u"help"_s;
    QTest::newRow("Ctrl+N a new client") << QKeySequence(u"Ctrl+N"_s) << u"new"_s;
    QTest::newRow("Ctrl+2 the forecast") << QKeySequence(u"Ctrl+2"_s) << u"forecast"_s;
    QTest::newRow("Ctrl+PgDown the next month") << QKeySequence(u"Ctrl+PgDown"_s) << u"next month"_s;
}

void DeskWindowTest::keysReachEveryAction()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, effect);
    FakePlatform platform;
    DeskWindow window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    typeClient(window, u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10));
    const QDate month = window.forecastView()->month();
    // From a field of the form, as a person typing would.
    window.findChild<QLineEdit *>(u"txtClientLast"_s)->setFocus();
    QTest::keySequence(&window, keys);
    if (effect == u"print"_s)
        QCOMPARE(platform.printDialogs, 1);
    else if (effect == u"help"_s)
        QCOMPARE(platform.messages.size(), 1);
    else if (effect == u"new"_s) {
        QVERIFY(!window.personForm()->person());
        QCOMPARE(QApplication::focusWidget()->objectName(), u"txtClientFirst"_s);
    } else if (effect == u"forecast"_s)
        QCOMPARE(window.page(), DeskWindow::Page::Forecast);
    else if (effect == u"next month"_s)
        QCOMPARE(window.forecastView()->month(), month.addMonths(1));
}

// What a screen reader says of each control that takes the focus: never nothing.
void DeskWindowTest::everyControlHasAName()
{
    FakePlatform platform;
    DeskWindow window(platform);
    window.show();
    typeClient(window, u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10));
    QStringList unnamed;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&window) || widget->focusProxy() != nullptr)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->metaObject()->className() + u' ' + widget->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
}

void DeskWindowTest::accessKeysLeadToOneControl_data()
{
    QTest::addColumn<DeskWindow::Page>("page");
    for (const auto &[name, page] : {std::pair{"chart", DeskWindow::Page::Chart}, {"forecast", DeskWindow::Page::Forecast},
                                     {"compare", DeskWindow::Page::Compare}, {"notes", DeskWindow::Page::Notes},
                                     {"names", DeskWindow::Page::Names}})
        QTest::newRow(name) << page;
}

// Alt and a letter shared by two controls in sight reaches neither at once
// (a menu of the bar does not open): each letter shown leads to one control.
void DeskWindowTest::accessKeysLeadToOneControl()
{
    QFETCH(DeskWindow::Page, page);
    FakePlatform platform;
    DeskWindow window(platform);
    window.show();
    window.showPage(page);
    QMultiMap<QKeySequence, QString> keys;
    const auto keep = [&keys](const QString &text) {
        if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
            keys.insert(key, text);
    };
    for (QAction *menu : window.menuBar()->actions())
        keep(menu->text());
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            keep(button->text());
        else if (auto *label = qobject_cast<QLabel *>(widget); label != nullptr && label->buddy() != nullptr)
            keep(label->text());
        else if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int k = 0; k < tabs->count(); ++k)
                keep(tabs->tabText(k));
    }
    QStringList shared;
    for (const QKeySequence &key : keys.uniqueKeys())
        if (keys.count(key) > 1)
            shared << keys.values(key).join(u" / "_s);
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(u"; "_s)));
}

void DeskWindowTest::readingsStayReadableUnderEitherPalette_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

// Every run of text in the reading, headings included, reaches 4.5:1 on the view's base.
void DeskWindowTest::readingsStayReadableUnderEitherPalette()
{
    QFETCH(bool, dark);
    FakePlatform platform;
    DeskWindow window(platform);
    typeClient(window, u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10));
    if (dark)
        QApplication::setPalette(darkPalette());
    window.chartView()->openNumber(velmora::NumberId::Destiny);
    auto *reading = window.findChild<QTextBrowser *>(u"txtReading"_s);
    const QColor base = reading->palette().color(QPalette::Base);
    int runs = 0;
    for (QTextBlock block = reading->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QColor text = it.fragment().charFormat().foreground().color();
            QVERIFY2(velmora::contrastRatio(text, base) >= 4.5,
                     qPrintable(u"%1 on %2: %3"_s.arg(text.name(), base.name(), it.fragment().text().left(40))));
            ++runs;
        }
    }
    QVERIFY(runs > 3);
}

void DeskWindowTest::aSecondCopyHandsOverAndEnds_data()
{
    QTest::addColumn<QList<bool>>("claims");
    QTest::addColumn<velmora::HandOver>("answer");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<int>("messages");
    QTest::newRow("a file taken by the running copy")
        << QList<bool>{false} << velmora::HandOver::Taken << QByteArray("/tmp/a.vlm") << false << 0;
    QTest::newRow("no file: the running copy comes to the front")
        << QList<bool>{false} << velmora::HandOver::Taken << QByteArray() << false << 0;
    QTest::newRow("a running copy that does not answer")
        << QList<bool>{false} << velmora::HandOver::NoAnswer << QByteArray("/tmp/a.vlm") << false << 1;
    QTest::newRow("the running copy ended in between")
        << QList<bool>{false, true} << velmora::HandOver::NoRunningCopy << QByteArray() << true << 0;
}

void DeskWindowTest::aSecondCopyHandsOverAndEnds()
{
    QFETCH(QList<bool>, claims);
    QFETCH(velmora::HandOver, answer);
    QFETCH(QByteArray, file);
    QFETCH(bool, runs);
    QFETCH(int, messages);
    FakePlatform platform;
    platform.instanceClaims.assign(claims.begin(), claims.end());
    platform.handOverAnswer = answer;
    const std::unique_ptr<DeskWindow> window = velmora::desk::startDesk(platform, file);
    QCOMPARE(window != nullptr, runs);
    QCOMPARE(platform.messages.size(), messages);
    QCOMPARE(platform.handedOver.value(0), file);
    if (runs)
        QVERIFY(platform.reportReceiver);
}

void DeskWindowTest::printsTheChartShown()
{
    FakePlatform platform;
    DeskWindow window(platform);
    typeClient(window, u"Ada"_s, u"Lovelace"_s, QDate(1815, 12, 10));
    window.setSystem(velmora::chaldeanSystem());
    window.printReport();
    QCOMPARE(platform.printJobs.size(), 1);
    QVERIFY(platform.printJobs.constFirst().title.contains(u"Ada Lovelace"_s));
    QVERIFY(platform.printedPdf.startsWith("%PDF"));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(DeskWindowTest)
#include "tst_deskwindow.moc"
