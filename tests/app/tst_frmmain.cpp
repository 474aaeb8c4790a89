// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QScopeGuard>
#include <QTest>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTextEdit>

#include <memory>

#include <sys/stat.h>

#include "fakeplatform.h"
#include "frmmain.h"
#include "watchdog.h"
#include "readablecolours.h"
#include "readingdocument.h"
#include "readingtabbar.h"

using namespace Qt::StringLiterals;
using velmora::MessageIcon;

namespace {

// The one message box that an action should show, with the program's caption and OK.
QList<velmora::Message> oneMessage(MessageIcon icon, const QString &text)
{
    return {velmora::Message{icon, text, u"Tavi Velmora"_s, velmora::MessageButtons::Ok}};
}

} // namespace

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
    // Settings and standard folders stay away from the user's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
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

    void tabCaptionsFitUnderTheTabRow()
    {
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        auto *tabs = child<ReadingTabBar>(u"TS"_s);
        QCOMPARE(tabs->geometry(), QRect(3, 7, 632, 40));
        QCOMPARE(currentFrame()->parentWidget()->geometry(), QRect(3, 47, 632, 203));
        QCOMPARE(tabs->font().pointSizeF(), 8.25);
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect area = tabs->captionArea(i);
            QVERIFY(tabs->tabRect(i).contains(area.adjusted(-1, -1, 1, 1)));
            const QFont font = tabs->captionFont(i, area);
            const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(), QSize(area.width(), 1000)),
                                                                 Qt::AlignCenter | Qt::TextWordWrap, tabs->tabText(i));
            QVERIFY2(needed.width() <= area.width() && needed.height() <= area.height(), qPrintable(tabs->tabText(i)));
        }
    }

    void measuresContrastLikeWcag_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("same grey") << QColor(128, 128, 128) << QColor(128, 128, 128) << 1.0;
        QTest::newRow("green on white") << QColor(0, 128, 0) << QColor(Qt::white) << 5.14;
        QTest::newRow("blue on light grey") << QColor(0, 0, 255) << QColor(239, 239, 239) << 7.47;
    }

    void measuresContrastLikeWcag()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(double, ratio);
        QVERIFY2(std::abs(velmora::contrastRatio(first, second) - ratio) < 0.01,
                 qPrintable(QString::number(velmora::contrastRatio(first, second))));
    }

    void fixedColoursStayReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }

    void fixedColoursStayReadable()
    {
        QFETCH(bool, dark);
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        QPalette theme = light;
        if (dark) {
            for (const auto &[role, colour] : {std::pair{QPalette::Window, QColor(49, 54, 59)},
                                               std::pair{QPalette::Base, QColor(35, 38, 41)},
                                               std::pair{QPalette::WindowText, QColor(239, 240, 241)},
                                               std::pair{QPalette::Text, QColor(239, 240, 241)},
                                               std::pair{QPalette::Link, QColor(41, 128, 185)}})
                theme.setColor(role, colour);
            // A dark desktop gives its palette before the window is made.
            QApplication::setPalette(theme);
            m_window = std::make_unique<frmMain>(*m_platform);
            m_window->show();
        }
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        struct Fixed {
            QString name;
            QPalette::ColorRole background;
            QList<QColor> colours;
        };
        const QList<Fixed> fixed = {
            {u"RTB_0"_s, QPalette::Base, {velmora::kTextColour, velmora::kHeadingColour}},
            {u"RTB_7"_s, QPalette::Base, {velmora::kTextColour, velmora::kHeadingColour}},
            {u"lblFullBrand"_s, QPalette::Window, {velmora::kPromotionColour}},
            {u"lblCobrand"_s, QPalette::Window, {velmora::kPromotionColour}},
            {u"Label14"_s, QPalette::Window, {velmora::kLinkColour}},
        };
        for (const Fixed &text : fixed) {
            const QWidget *widget = child<QWidget>(text.name);
            const QColor background = widget->palette().color(text.background);
            for (const QColor &colour : text.colours)
                QVERIFY2(velmora::contrastRatio(colour, background) >= 4.5, qPrintable(text.name));
            // The light look stays the theme's own.
            if (!dark)
                QCOMPARE(background, theme.color(text.background));
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
        QCOMPARE(m_window->chart()->number(velmora::NumberId::Destiny), 8);

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

    void hiddenCalculateItemRunsLikeTheButton()
    {
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        m_window->findChild<QAction *>(u"mnuCalculate"_s)->trigger();
        QCOMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
        QCOMPARE(m_window->chart()->number(velmora::NumberId::Destiny), 8);
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

    void printsThePersonBehindTheReadings()
    {
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        m_platform->printerChosen = false;
        m_window->printReport();
        QCOMPARE(m_platform->printDialogs, 1);
        QVERIFY(m_platform->printedPdf.isEmpty());
        m_platform->printerChosen = true;
        m_window->printReport();
        QVERIFY(m_platform->printedPdf.startsWith("%PDF"));
        QVERIFY(m_platform->messages.isEmpty());
    }

    void savesAndOpensAReport()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(u"john.vlm"_s);
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        QStringList readings;
        for (int k = 0; k < 8; ++k)
            readings << rtb(k)->toPlainText();
        const velmora::BirthData saved = m_window->birthData();

        // What is saved is the data behind the readings, not what the input page holds now.
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        enter(u"Anna"_s, u"Lee"_s, u"Ross"_s, 3, 3, 1999);
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        proceed(); // refused: no names; the input page stays
        m_platform->messages.clear();
        m_window->findChild<QStackedWidget *>(u"pages"_s)->setCurrentIndex(1);
        m_platform->chosenFiles = {file};
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.last(),
                 (velmora::FileDialogRequest{velmora::FileDialogRequest::Mode::Save, u"Velmora"_s,
                                             u"Rich Text Format (*.vlm)"_s, u"vlm"_s, QString()}));
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(QFileInfo::exists(file));

        // Opening fills the readings from the file and leaves the input page alone.
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        enter(u"Lynn"_s, u""_s, u"Wynn"_s, 6, 5, 2001);
        proceed();
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        box(u"txtNameFirst"_s)->setText(u"Typed"_s);
        m_platform->chosenFiles = {file};
        QTest::mouseClick(child<QPushButton>(u"cmdOpen"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.last(),
                 (velmora::FileDialogRequest{velmora::FileDialogRequest::Mode::Open, u"Select the source file"_s,
                                             u"Velmora (*.vlm)"_s, u"vlm"_s, folder.path()}));
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(m_window->birthData() == saved);
        QCOMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
        QCOMPARE(child<QTabBar>(u"TS"_s)->currentIndex(), 0);
        for (int k = 0; k < 8; ++k)
            QCOMPARE(rtb(k)->toPlainText(), readings[k]);
        QCOMPARE(box(u"txtNameFirst"_s)->text(), u"Typed"_s);
    }

    // A dialog that starts in a pseudo file system can hang reading its files:
    // such a folder, or one that is gone, gives way to the documents folder,
    // and is never remembered.
    void reportDialogsStartOnlyInUsableFolders_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("usable");
        QTest::newRow("proc") << u"/proc"_s << false;
        QTest::newRow("a folder in sys") << u"/sys/kernel"_s << false;
        QTest::newRow("dev") << u"/dev"_s << false;
        QTest::newRow("a folder since removed") << u"gone"_s << false;
        QTest::newRow("a regular file") << u"file"_s << false;
        QTest::newRow("a relative path") << u"some/folder"_s << false;
        QTest::newRow("a sound folder") << u"sound"_s << true;
    }
    void reportDialogsStartOnlyInUsableFolders()
    {
        QFETCH(QString, remembered);
        QFETCH(bool, usable);
        QTemporaryDir dir;
        if (remembered == u"gone"_s || remembered == u"file"_s)
            remembered = dir.filePath(remembered);
        else if (remembered == u"sound"_s)
            remembered = dir.path();
        if (remembered.endsWith(u"file"_s))
            QFile(remembered).open(QIODevice::WriteOnly);
        const QPair<QString, QString> key{u"Folders"_s, u"Reports"_s};
        m_platform->settings.insert(key, remembered);
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        proceed();
        m_platform->chosenFiles = {u"/proc/john.vlm"_s};
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.size(), 1);
        QCOMPARE(m_platform->fileRequests[0].folder,
                 usable ? remembered : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(m_platform->settings.value(key), remembered);
    }

    void refusesBadReportsAndChangesNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        const QByteArray sound = "Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nMxo|\r\n4<;3\r\n"; // John Smith
        QTest::newRow("upperCaseExtension") << u"john.VLM"_s << sound;
        QTest::newRow("textFile") << u"john.txt"_s << sound;
        QTest::newRow("threeLines") << u"short.vlm"_s << QByteArray("Mrkq\r\n\r\nVplwk\r\n");
        QTest::newRow("emptyLastName") << u"nolast.vlm"_s << QByteArray("Mrkq\r\n\r\n\r\n7\r\n6\r\nMxo|\r\n4<;3\r\n");
        QTest::newRow("monthThirteen") << u"month.vlm"_s << QByteArray("Mrkq\r\n\r\nVplwk\r\n7\r\n47\r\nMxo|\r\n4<;3\r\n");
        QTest::newRow("missingFile") << u"gone.vlm"_s << QByteArray();
    }

    void refusesBadReportsAndChangesNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString file = folder.filePath(fileName);
        if (!content.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        enter(u"Lee"_s, u""_s, u"Ross"_s, 20, 9, 1975);
        proceed();
        const velmora::BirthData before = m_window->birthData();
        const QString reading = rtb(4)->toPlainText();
        m_window->findChild<QStackedWidget *>(u"pages"_s)->setCurrentIndex(0);

        m_platform->chosenFiles = {file};
        QTest::mouseClick(child<QPushButton>(u"cmdOpen"_s), Qt::LeftButton);
        QCOMPARE(m_platform->messages, oneMessage(MessageIcon::Critical, u"Please Check The File."_s));
        QVERIFY(m_window->birthData() == before);
        QCOMPARE(rtb(4)->toPlainText(), reading);
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
    }

    void cancelledDialogsDoNothing()
    {
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton); // no file chosen: cancel
        QCOMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
        QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(u"cmdOpen"_s), Qt::LeftButton);
        QCOMPARE(m_platform->fileRequests.size(), 2);
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(currentPage(), child<QFrame>(u"fraMain"_s));
    }

    void failedSaveSaysSoAndKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const QString blocker = folder.filePath(u"not-a-folder"_s);
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        m_platform->chosenFiles = {blocker + u"/john.vlm"_s};
        QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
        QCOMPARE(m_platform->messages, oneMessage(MessageIcon::Critical, u"The Reading Could Not Be Saved."_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }

    // Through a link to another kind of file, or onto a FIFO, a save writes
    // nothing and says so.
    void saveOntoALinkOrAFifoIsRefused()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath(u"target.txt"_s);
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        const QString link = folder.filePath(u"evil.vlm"_s);
        const QString fifo = folder.filePath(u"pipe.vlm"_s);
        QVERIFY(QFile::link(target, link));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        for (const QString &name : {link, fifo}) {
            m_platform->messages.clear();
            m_platform->chosenFiles = {name};
            {
                const Watchdog watchdog(5);
                QTest::mouseClick(child<QPushButton>(u"cmdSave"_s), Qt::LeftButton);
            }
            QCOMPARE(m_platform->messages, oneMessage(MessageIcon::Critical, u"The Reading Could Not Be Saved."_s));
        }
        QVERIFY(QFileInfo(link).isSymLink());
        struct stat info {};
        QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
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

    // Neither the copy keys nor a context menu nor a drag take a reading out.
    void readingsOfferNoCopy()
    {
        enter(u"John"_s, u""_s, u"Smith"_s);
        proceed();
        QTextEdit *view = rtb(0);
        QApplication::clipboard()->setText(u"what another program copied"_s);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(view->textCursor().hasSelection()); // the keyboard still moves through the text
        for (const QKeySequence::StandardKey key : {QKeySequence::Copy, QKeySequence::Cut}) {
            const QKeySequence sequence(key);
            QTest::keySequence(view, sequence);
        }
        QCOMPARE(QApplication::clipboard()->text(), u"what another program copied"_s);
        QCOMPARE(view->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!view->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
