// SPDX-License-Identifier: MIT
#include <QAbstractItemView>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>

#include "mainwindowtest.h"

using namespace Qt::StringLiterals;
using velmora::MessageIcon;

// The input page as it opens, its lists, the check of what was typed, and the menus, links and promotion around it.
class TestFrmMainInput : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnTheInputPageWithListsPreset()
    {
        QCOMPARE(m_window->windowTitle(), u"Tavi Velmora v1.0"_s);
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
        QCOMPARE(QApplication::focusWidget(), box(u"txtNameFirst"_s));

        QComboBox *days = list(u"cboDate"_s);
        QCOMPARE(days->count(), 31);
        QCOMPARE(days->itemText(0), u"1"_s);
        QCOMPARE(days->itemText(30), u"31"_s);
        QComboBox *months = list(u"cboMonth"_s);
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->itemText(8), u"September"_s);
        QComboBox *years = list(u"cboYear"_s);
        QCOMPARE(years->count(), 151);
        QCOMPARE(years->itemText(150), u"2050"_s);
        QCOMPARE(days->currentText(), u"1"_s);
        QCOMPARE(months->currentText(), u"January"_s);
        QCOMPARE(years->currentText(), u"1900"_s);
        for (QComboBox *l : {days, months, years})
            QVERIFY(!l->isEditable());
    }

    void dropDownListsFitTheScreen_data()
    {
        QTest::addColumn<QString>("listName");
        QTest::addColumn<int>("selected");
        QTest::newRow("day 21") << u"cboDate"_s << 20;
        QTest::newRow("July") << u"cboMonth"_s << 6;
        QTest::newRow("1980") << u"cboYear"_s << 80;
        QTest::newRow("2050") << u"cboYear"_s << 150;
    }

    void dropDownListsFitTheScreen()
    {
        QFETCH(QString, listName);
        QFETCH(int, selected);
        QComboBox *dropDown = list(listName);
        dropDown->setCurrentIndex(selected);
        dropDown->showPopup();
        QAbstractItemView *rows = dropDown->view();
        QTRY_VERIFY(rows->isVisible());
        const int shown = rows->viewport()->height() / rows->sizeHintForRow(0);
        QVERIFY2(shown >= std::min(8, dropDown->count()) && shown <= 12, qPrintable(QString::number(shown)));
        QVERIFY(rows->viewport()->rect().contains(rows->visualRect(rows->model()->index(selected, 0))));
        dropDown->hidePopup();
    }

    void validatesInOrder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message"); // empty: the check passes
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus");

        const int critical = int(MessageIcon::Critical);
        const int information = int(MessageIcon::Information);
        const QString february = u"Please Enter Correct Date Or Month!"_s;
        const QString thirtyDays = u"Please Enter Correct Date Or Month !"_s;
        QTest::newRow("bothNamesEmpty") << "" << "" << 1 << 1 << 1900 << u"Please Enter First Name"_s << critical
                                        << u"txtNameFirst"_s;
        QTest::newRow("firstNameOnlySpaces") << "   " << "Smith" << 1 << 1 << 1900 << u"Please Enter First Name"_s
                                             << critical << u"txtNameFirst"_s;
        QTest::newRow("dateBeforeLastName") << "John" << "" << 31 << 4 << 1980 << thirtyDays << information
                                            << u"txtNameMiddle"_s;
        QTest::newRow("lastNameEmpty") << "John" << " " << 30 << 4 << 1980 << u"Please Enter Last Name"_s
                                       << critical << u"txtNameLast"_s;
        QTest::newRow("thirtyFirstJune") << "John" << "Smith" << 31 << 6 << 1980 << thirtyDays << information
                                         << u"txtNameMiddle"_s;
        QTest::newRow("thirtyFirstFebruary") << "John" << "Smith" << 31 << 2 << 2000 << february << information
                                             << u"txtNameMiddle"_s;
        QTest::newRow("thirtiethFebruaryLeapYear") << "John" << "Smith" << 30 << 2 << 2000 << february
                                                   << information << u"txtNameMiddle"_s;
        QTest::newRow("leapDay1901") << "John" << "Smith" << 29 << 2 << 1901 << february << information
                                     << u"txtNameMiddle"_s;
        // 1900 is divisible by 100 but not by 400: no 29 February.
        QTest::newRow("leapDay1900") << "John" << "Smith" << 29 << 2 << 1900 << february << information
                                     << u"txtNameMiddle"_s;
        QTest::newRow("leapDay1904") << "John" << "Smith" << 29 << 2 << 1904 << "" << 0 << "";
        QTest::newRow("leapDay2000") << "John" << "Smith" << 29 << 2 << 2000 << "" << 0 << "";
        QTest::newRow("twentyEighthFebruary") << "John" << "Smith" << 28 << 2 << 1900 << "" << 0 << "";
        QTest::newRow("thirtyFirstMay") << "John" << "Smith" << 31 << 5 << 2050 << "" << 0 << "";
        QTest::newRow("middleNameNeverTested") << "John" << "Smith" << 1 << 1 << 1900 << "" << 0 << "";
    }

    void validatesInOrder()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, focus);

        enter(first, u""_s, last, day, month, year);
        box(u"txtNameMiddle"_s)->setFocus();
        const bool valid = m_window->ValidateInput();
        QCOMPARE(valid, message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(m_platform->messages.isEmpty());
            return;
        }
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages.first(),
                 (velmora::Message{MessageIcon(icon), message, u"Tavi Velmora"_s, velmora::MessageButtons::Ok}));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void menuBarReadsFileHelpDonate()
    {
        QStringList visible;
        for (QAction *action : m_window->menuBar()->actions()) {
            if (action->isVisible())
                visible << action->text();
        }
        QCOMPARE(visible, (QStringList{u"&File"_s, u"&Help"_s, u"&Donate"_s}));
        QVERIFY(m_window->findChild<QAction *>(u"mnuDonate"_s)->menu() == nullptr);
        auto *makeMoney = m_window->findChild<QAction *>(u"mnuMakeMoney"_s);
        QVERIFY(!makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());

        const auto entries = [](const QMenu *menu) {
            QStringList texts;
            for (QAction *action : menu->actions()) {
                if (action->isVisible())
                    texts << (action->isSeparator() ? u"-"_s : action->text());
            }
            return texts;
        };
        QCOMPARE(entries(child<QMenu>(u"mnuFile"_s)), QStringList{u"E&xit"_s});
        QCOMPARE(entries(child<QMenu>(u"mnuHelp"_s)),
                 (QStringList{u"&Online Help"_s, u"&Visit Us Online"_s, u"-"_s, u"Check for Software &Update"_s,
                              u"-"_s, u"&About Software"_s}));
    }

    void linksOpenTheirPages_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("mnuOnline") << u"mnuOnline"_s
                                   << u"https://www.tavi-velmora.example/tavi-free-velmora-help.html"_s;
        QTest::newRow("mnuVisit") << u"mnuVisit"_s << u"https://www.orvex.example"_s;
        QTest::newRow("mnuUpdate") << u"mnuUpdate"_s
                                   << u"https://www.tavi-velmora.example/download-tavi-free-velmora.html"_s;
        QTest::newRow("mnuDonate") << u"mnuDonate"_s << u"https://help.orvex.example/donate.html"_s;
        QTest::newRow("Label14") << u"Label14"_s << u"https://www.orvex.example"_s;
        QTest::newRow("lblFullBrand") << u"lblFullBrand"_s << u"https://help.orvex.example/fully-branded.html"_s;
        QTest::newRow("lblCobrand") << u"lblCobrand"_s << u"https://help.orvex.example/co-brand.html"_s;
    }

    void linksOpenTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, address);
        if (auto *action = m_window->findChild<QAction *>(control)) {
            action->trigger();
        } else {
            QLabel *label = child<QLabel>(control);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            label->raise();
            QTest::mouseClick(label, Qt::LeftButton);
            // and from the keyboard
            label->setFocus(Qt::TabFocusReason);
            QTest::keyClick(label, Qt::Key_Return);
            QCOMPARE(m_platform->openedUrls.size(), 2);
            m_platform->openedUrls.removeLast();
        }
        QCOMPARE(m_platform->openedUrls, QList<QUrl>{QUrl(address)});
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
    }

    void drawsThePromotionLabel_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("front");
        QTest::newRow("zero") << 0.0 << 1 << u"lblCobrand"_s;
        QTest::newRow("belowFirstHalf") << 0.0833 << 1 << u"lblCobrand"_s;
        QTest::newRow("firstHalfToEven") << 1.0 / 12 << 2 << u"lblFullBrand"_s;
        QTest::newRow("quarterHalfToEven") << 0.25 << 2 << u"lblFullBrand"_s;
        QTest::newRow("aboveQuarter") << 0.2501 << 3 << u"lblCobrand"_s;
        QTest::newRow("threeAndAHalf") << 5.0 / 12 << 4 << u"lblFullBrand"_s;
        QTest::newRow("fourAndAHalf") << 7.0 / 12 << 4 << u"lblFullBrand"_s;
        QTest::newRow("justAboveFourAndAHalf") << 0.5834 << 5 << u"lblCobrand"_s;
        QTest::newRow("sixAndAHalf") << 11.0 / 12 << 6 << u"lblFullBrand"_s;
        QTest::newRow("seven") << 0.9999 << 7 << u"lblCobrand"_s; // the layout's own stacking
    }

    void drawsThePromotionLabel()
    {
        QFETCH(double, r);
        QFETCH(int, n);
        QFETCH(QString, front);
        QCOMPARE(frmMain::promotionDraw(r), n);
        m_platform->randomValues = {r};
        m_window->ChoosePromotionLabel();
        QFrame *strip = child<QFrame>(u"fraFullBrand"_s);
        QCOMPARE(strip->childAt(strip->rect().center())->objectName(), front);
        // The label behind is hidden: neither the keyboard nor a screen reader
        // comes upon it.
        for (const char *name : {"lblFullBrand", "lblCobrand"}) {
            const QWidget *label = child<QWidget>(QLatin1StringView(name));
            QCOMPARE(label->isVisible(), label->objectName() == front);
        }
    }

    void closingOpensTheTellAFriendWindow_data()
    {
        QTest::addColumn<bool>("throughMenu");
        QTest::newRow("fileExit") << true;
        QTest::newRow("closeBox") << false;
    }

    void closingOpensTheTellAFriendWindow()
    {
        QFETCH(bool, throughMenu);
        if (throughMenu)
            m_window->findChild<QAction *>(u"mnuExit"_s)->trigger();
        else
            QVERIFY(m_window->close());
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_platform->messages.isEmpty());
        QWidget *last = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"frmTellAFriend"_s && widget->isVisible())
                last = widget;
        }
        QVERIFY(last);
        QVERIFY(last->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(m_platform->quits, 0); // the program runs on while the last window is open
        QVERIFY(last->close());
        QCOMPARE(m_platform->quits, 1);
    }
};

QTEST_MAIN(TestFrmMainInput)
#include "tst_frmmain_input.moc"
