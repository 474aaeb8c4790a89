// SPDX-License-Identifier: MIT
#include <QFrame>
#include <QTest>

#include "mainwindowtest.h"

using namespace Qt::StringLiterals;
using velmora::MessageIcon;

// The keyboard: the tab order, what the name boxes take, the access keys and the shortcuts.
class TestFrmMainKeys : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheTabOrder()
    {
        const QStringList order = {u"txtNameFirst"_s, u"txtNameMiddle"_s, u"txtNameLast"_s, u"cboDate"_s,
                                   u"cboMonth"_s,     u"cboYear"_s,       u"cmdProceed"_s};
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), order.last());
    }

    void filtersTypedCharacters_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("refused");

        const QList<QPair<QString, QString>> boxes = {{u"txtNameFirst"_s, u"First Name Can Accept Text Only"_s},
                                                      {u"txtNameMiddle"_s, u"Middle Name Can Accept Text Only"_s},
                                                      {u"txtNameLast"_s, u"Last Name Can Accept Text Only"_s}};
        for (const auto &[name, message] : boxes) {
            const auto row = [&](const char *what) {
                return &QTest::newRow(qPrintable(name + u'/' + QLatin1StringView(what)));
            };
            *row("space") << name << message << int(Qt::Key_Space) << u" "_s << 0 << true;
            *row("digit") << name << message << int(Qt::Key_7) << u"7"_s << 0 << true;
            *row("hyphen") << name << message << int(Qt::Key_Minus) << u"-"_s << 0 << true;
            *row("apostrophe") << name << message << int(Qt::Key_Apostrophe) << u"'"_s << 0 << true;
            *row("accented") << name << message << int(Qt::Key_Eacute) << u"\u00e9"_s << 0 << true;
            *row("enter") << name << message << int(Qt::Key_Return) << u"\r"_s << 0 << true;
            *row("ctrlC") << name << message << int(Qt::Key_C) << u"c"_s << int(Qt::ControlModifier) << true;
            *row("ctrlV") << name << message << int(Qt::Key_V) << u"\x16"_s << int(Qt::ControlModifier) << true;
            *row("smallLetter") << name << message << int(Qt::Key_Q) << u"q"_s << 0 << false;
            *row("capitalLetter") << name << message << int(Qt::Key_Z) << u"Z"_s << int(Qt::ShiftModifier)
                                  << false;
        }
    }

    void filtersTypedCharacters()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, message);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(bool, refused);

        QLineEdit *target = box(boxName);
        target->setFocus();
        QTest::keyClicks(target, u"Ab"_s);
        QTest::keyClick(box(u"txtNameMiddle"_s) == target ? box(u"txtNameFirst"_s) : box(u"txtNameMiddle"_s),
                        Qt::Key_Tab); // the focus moves away and back: the filter must restore it
        target->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(target, &press);

        if (refused) {
            QCOMPARE(m_platform->messages.size(), 1);
            QCOMPARE(m_platform->messages.first(),
                     (velmora::Message{MessageIcon::Critical, message, u"Tavi Velmora"_s}));
            QCOMPARE(target->text(), u"Ab"_s);
            QCOMPARE(QApplication::focusWidget(), target);
        } else {
            QVERIFY(m_platform->messages.isEmpty());
            QCOMPARE(target->text(), u"Ab"_s + text);
        }
    }

    void altCombinationsTypeNothing_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        const int alt = int(Qt::AltModifier);
        for (const QString &name : {u"txtNameFirst"_s, u"txtNameMiddle"_s, u"txtNameLast"_s}) {
            const auto row = [&](const char *what) {
                return &QTest::newRow(qPrintable(name + u'/' + QLatin1StringView(what)));
            };
            *row("altQ") << name << int(Qt::Key_Q) << u"q"_s << alt;
            *row("altJ") << name << int(Qt::Key_J) << u"j"_s << alt;
            *row("altShiftZ") << name << int(Qt::Key_Z) << u"Z"_s << (alt | int(Qt::ShiftModifier));
            *row("altDigit") << name << int(Qt::Key_1) << u"1"_s << alt;
            *row("altSpace") << name << int(Qt::Key_Space) << u" "_s << alt;
        }
    }

    void altCombinationsTypeNothing()
    {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QLineEdit *target = box(boxName);
        target->setFocus();
        QTest::keyClicks(target, u"Lee"_s);
        // Straight to the box, as a key that no access key took arrives.
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(target, &press);
        QCOMPARE(target->text(), u"Lee"_s);
        QVERIFY(m_platform->messages.isEmpty());
    }

    void accessKeysActAtTheFirstPress_data()
    {
        QTest::addColumn<bool>("onResultPage");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mode");
        QTest::newRow("open on the input page") << false << int(Qt::Key_O)
                                                << int(velmora::FileDialogRequest::Mode::Open);
        QTest::newRow("save on the result page") << true << int(Qt::Key_S)
                                                 << int(velmora::FileDialogRequest::Mode::Save);
    }

    void accessKeysActAtTheFirstPress()
    {
        QFETCH(bool, onResultPage);
        QFETCH(int, key);
        QFETCH(int, mode);
        if (onResultPage) {
            enter(u"John"_s, u""_s, u"Smith"_s);
            proceed();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(m_platform->fileRequests.size(), 1);
        QCOMPARE(int(m_platform->fileRequests.first().mode), mode);
    }

    void backspaceAlwaysWorks()
    {
        QLineEdit *first = box(u"txtNameFirst"_s);
        QTest::keyClicks(first, u"Ann"_s);
        QTest::keyClick(first, Qt::Key_Backspace);
        QCOMPARE(first->text(), u"An"_s);
        QVERIFY(m_platform->messages.isEmpty());
    }

    void altDFollowsThePageInFront()
    {
        QTest::keyClick(box(u"txtNameFirst"_s), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(m_platform->openedUrls, QList<QUrl>{QUrl(u"https://help.orvex.example/donate.html"_s)});
        QVERIFY(box(u"txtNameFirst"_s)->text().isEmpty());

        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
        QCOMPARE(m_platform->openedUrls.size(), 1);
        QVERIFY(box(u"txtNameFirst"_s)->text().isEmpty());
    }

    void altGRunsTheCalculation()
    {
        QTest::keyClicks(box(u"txtNameFirst"_s), u"John"_s);
        QTest::keyClicks(box(u"txtNameLast"_s), u"Smith"_s);
        QTest::keyClick(box(u"txtNameLast"_s), Qt::Key_G, Qt::AltModifier);
        QCOMPARE(box(u"txtNameLast"_s)->text(), u"Smith"_s);
        // A mnemonic presses its button with a short animation.
        QTRY_COMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
    }

    // Each key does its work on its page, from a name box too, and leaves the
    // other page to the focused control as before.
    void shortcutsReachTheirActions_data()
    {
        QTest::addColumn<bool>("onResultPage");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected"); // open, save, print, exit, help or refused
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("Ctrl+O on the input page") << false << int(Qt::Key_O) << ctrl << u"open"_s;
        QTest::newRow("Ctrl+S on the result page") << true << int(Qt::Key_S) << ctrl << u"save"_s;
        QTest::newRow("Ctrl+P on the result page") << true << int(Qt::Key_P) << ctrl << u"print"_s;
        QTest::newRow("Ctrl+Q on the input page") << false << int(Qt::Key_Q) << ctrl << u"exit"_s;
        QTest::newRow("Ctrl+Q on the result page") << true << int(Qt::Key_Q) << ctrl << u"exit"_s;
        QTest::newRow("F1") << false << int(Qt::Key_F1) << 0 << u"help"_s;
        // In a name box a Ctrl letter without a shortcut stays a refused character.
        QTest::newRow("Ctrl+S on the input page") << false << int(Qt::Key_S) << ctrl << u"refused"_s;
        QTest::newRow("Ctrl+P on the input page") << false << int(Qt::Key_P) << ctrl << u"refused"_s;
    }

    void shortcutsReachTheirActions()
    {
        QFETCH(bool, onResultPage);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        QWidget *target = box(u"txtNameFirst"_s);
        if (onResultPage) {
            enter(u"John"_s, u""_s, u"Smith"_s);
            proceed();
            target = rtb(0);
        }
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        using Mode = velmora::FileDialogRequest::Mode;
        QCOMPARE(m_platform->fileRequests.size(), expected == u"open"_s || expected == u"save"_s ? 1 : 0);
        if (!m_platform->fileRequests.isEmpty())
            QCOMPARE(m_platform->fileRequests[0].mode, expected == u"open"_s ? Mode::Open : Mode::Save);
        QCOMPARE(m_platform->printDialogs, expected == u"print"_s ? 1 : 0);
        QCOMPARE(m_window->isVisible(), expected != u"exit"_s);
        QCOMPARE(m_platform->openedUrls,
                 expected == u"help"_s
                     ? QList<QUrl>{QUrl(u"https://www.tavi-velmora.example/tavi-free-velmora-help.html"_s)}
                     : QList<QUrl>{});
        QCOMPARE(m_platform->messages,
                 expected == u"refused"_s ? oneMessage(MessageIcon::Critical, u"First Name Can Accept Text Only"_s)
                                          : QList<velmora::Message>{});
        QCOMPARE(box(u"txtNameFirst"_s)->text(), onResultPage ? u"John"_s : QString());
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != m_window.get())
                window->deleteLater(); // the tell-a-friend window that Exit opens
        }
    }
};

QTEST_MAIN(TestFrmMainKeys)
#include "tst_frmmain_keys.moc"
