// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

#include "fakeplatform.h"
#include "frmmain.h"

using namespace Qt::StringLiterals;
using velmora::MessageIcon;

class TestFrmMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<frmMain> m_window;

    template<typename T>
    T *child(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (widget == nullptr)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    QLineEdit *box(const QString &name) const { return child<QLineEdit>(name); }
    QComboBox *list(const QString &name) const { return child<QComboBox>(name); }
    QTextEdit *rtb(int k) const { return child<QTextEdit>(u"RTB_%1"_s.arg(k)); }
    QWidget *currentPage() const { return child<QStackedWidget>(u"pages"_s)->currentWidget(); }
    QWidget *currentFrame() const { return child<QStackedWidget>(u"readingFrames"_s)->currentWidget(); }

    void enter(const QString &first, const QString &middle, const QString &last, int day = 1, int month = 1,
               int year = 1900)
    {
        box(u"txtNameFirst"_s)->setText(first);
        box(u"txtNameMiddle"_s)->setText(middle);
        box(u"txtNameLast"_s)->setText(last);
        list(u"cboDate"_s)->setCurrentIndex(day - 1);
        list(u"cboMonth"_s)->setCurrentIndex(month - 1);
        list(u"cboYear"_s)->setCurrentIndex(year - 1900);
    }
    void proceed() { QTest::mouseClick(child<QPushButton>(u"cmdProceed"_s), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        m_platform = std::make_unique<FakePlatform>();
        m_window = std::make_unique<frmMain>(*m_platform);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_platform.reset();
    }

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

    void backspaceAlwaysWorks()
    {
        QLineEdit *first = box(u"txtNameFirst"_s);
        QTest::keyClicks(first, u"Ann"_s);
        QTest::keyClick(first, Qt::Key_Backspace);
        QCOMPARE(first->text(), u"An"_s);
        QVERIFY(m_platform->messages.isEmpty());
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

    void runShowsDestinyFirstWithGreenHeading()
    {
        enter(u" John "_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
        QCOMPARE(child<QTabBar>(u"TS"_s)->currentIndex(), 0);
        QCOMPARE(child<QTabBar>(u"TS"_s)->tabText(0), u"Destiny Number"_s);
        QCOMPARE(currentFrame(), child<QFrame>(u"fraDestiny"_s));

        const velmora::BirthData &data = m_window->birthData();
        QCOMPARE(data.FirstName, "John");
        QCOMPARE(data.MiddleName, "");
        QCOMPARE(data.BirthDay, 15);
        QCOMPARE(data.BirthMonth, 7);
        QCOMPARE(data.BirthMonthName, "July");
        QCOMPARE(data.BirthYear, 1980);
        QCOMPARE(m_window->numbers().destiny, 8);

        QTextDocument *document = rtb(0)->document();
        QCOMPARE(document->blockCount(), 7); // explanation, blank, heading, blank, meaning, blank, negative
        const QTextBlock explanation = document->firstBlock();
        const QTextBlock heading = explanation.next().next();
        QVERIFY(explanation.text().startsWith(u"This number describes your vibration in the world"_s));
        QVERIFY(explanation.next().text().isEmpty());
        QCOMPARE(heading.text(), u"Your Destiny Number is 8"_s);
        QTextCursor inHeading(heading);
        inHeading.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(inHeading.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(inHeading.charFormat().foreground().color(), QColor(0, 128, 0));
        QTextCursor inExplanation(explanation);
        inExplanation.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(inExplanation.charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(inExplanation.charFormat().foreground().color(), QColor(0, 0, 0));
        QTextCursor inReading(heading.next().next());
        inReading.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(inReading.charFormat().fontWeight(), int(QFont::Normal));
        QVERIFY(rtb(0)->isReadOnly());
        QCOMPARE(rtb(0)->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    }

    void runFillsEveryTab()
    {
        enter(u"Anna"_s, u"Maria"_s, u"Smith"_s, 20, 9, 1975);
        proceed();
        const QStringList headings = {u"Your Destiny Number is "_s,      u"Your Personality Number is "_s,
                                      u"Your Soul Urge Number is "_s,    u"Your Realization Number is "_s,
                                      u"Your Pinnacle Numbers are as below."_s,
                                      u"Your Hidden Passion Number is "_s, u"Your Subconscious Self Number is "_s,
                                      u"Your Attitude Number is 2"_s};
        for (int k = 0; k < 8; ++k)
            QVERIFY2(rtb(k)->toPlainText().contains(headings[k]), qPrintable(headings[k]));
    }

    void switchesTabsWithoutRebuilding()
    {
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        const int clears = m_platform->clipboardClears;
        QTabBar *tabs = child<QTabBar>(u"TS"_s);
        for (int k : {3, 7, 0, 5}) {
            tabs->setCurrentIndex(k);
            QCOMPARE(currentFrame(), rtb(k)->parentWidget());
        }
        // A rebuilt reading would have emptied the clipboard again.
        QCOMPARE(m_platform->clipboardClears, clears);
    }

    void realizationFollowsTheName()
    {
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        const QString john = rtb(3)->toPlainText();
        QVERIFY(john.contains(u"Your Realization Number is 3\n"_s));
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        enter(u"Anna"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        QVERIFY(rtb(3)->toPlainText() != john);
    }

    void everyRunOpensOnTheFirstTab()
    {
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        child<QTabBar>(u"TS"_s)->setCurrentIndex(6);
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        enter(u"Lee"_s, u""_s, u"Ross"_s);
        proceed();
        QCOMPARE(child<QTabBar>(u"TS"_s)->currentIndex(), 0);
        QCOMPARE(currentFrame(), child<QFrame>(u"fraDestiny"_s));
    }

    void doItOnceAgainEmptiesTheInputPage()
    {
        enter(u"John"_s, u"Quincy"_s, u"Smith"_s, 20, 9, 1975);
        proceed();
        const QString reading = rtb(0)->toPlainText();
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
        for (const char *name : {"txtNameFirst", "txtNameMiddle", "txtNameLast"})
            QVERIFY(box(QLatin1StringView(name))->text().isEmpty());
        QCOMPARE(list(u"cboDate"_s)->currentText(), u"1"_s);
        QCOMPARE(list(u"cboMonth"_s)->currentText(), u"January"_s);
        QCOMPARE(list(u"cboYear"_s)->currentText(), u"1900"_s);
        QCOMPARE(QApplication::focusWidget(), box(u"txtNameFirst"_s));
        // The readings stay until the next run.
        QCOMPARE(rtb(0)->toPlainText(), reading);
        proceed();
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages.first().text, u"Please Enter First Name"_s);
    }

    void failedCheckChangesNothing()
    {
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        const velmora::BirthData before = m_window->birthData();
        QStringList readings;
        for (int k = 0; k < 8; ++k)
            readings << rtb(k)->toPlainText();
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        enter(u"Anna"_s, u""_s, u""_s, 3, 3, 1990);
        proceed();
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
        QVERIFY(m_window->birthData() == before);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(rtb(k)->toPlainText(), readings[k]);
    }

    void mouseOverAReadingEmptiesTheClipboard()
    {
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        QWidget *viewport = rtb(0)->viewport();
        int clears = m_platform->clipboardClears;
        QTest::mouseMove(viewport, QPoint(20, 20));
        QMouseEvent move(QEvent::MouseMove, QPointF(30, 30), viewport->mapToGlobal(QPointF(30, 30)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QVERIFY(m_platform->clipboardClears > clears);
        clears = m_platform->clipboardClears;
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(40, 40));
        QVERIFY(m_platform->clipboardClears >= clears + 2); // press and release
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
