// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>
#include <QStandardPaths>

#include <memory>

#include "enginetext.h"
#include "fakeplatform.h"
#include "frmtellafriend.h"
#include "outreachtexts.h"
#include "requiredchild.h"

using namespace Qt::StringLiterals;
using velmora::toQString;

namespace {

QList<velmora::Message> critical(const QString &text)
{
    return {{velmora::MessageIcon::Critical, text, u"Tavi Velmora"_s, velmora::MessageButtons::Ok}};
}

} // namespace

class TestFrmTellAFriend : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<frmTellAFriend> m_window;

    void open(double r = 0)
    {
        m_window.reset();
        m_platform = std::make_unique<FakePlatform>();
        m_platform->randomValues = {r};
        m_window = std::make_unique<frmTellAFriend>(*m_platform, *m_platform, *m_platform);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    template<typename T>
    T *child(const QString &name) const
    {
        return requiredChild<T>(m_window.get(), name);
    }
    QLineEdit *box(const QString &name) const { return child<QLineEdit>(name); }
    QPlainTextEdit *messageBox() const { return child<QPlainTextEdit>(u"txtMessage"_s); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }
    void submit() { QTest::mouseClick(child<QPushButton>(u"cmdSubmit"_s), Qt::LeftButton); }

    void fill(const QString &name, const QString &email, const QString &friendName, const QString &friendEmail)
    {
        box(u"txtName"_s)->setText(name);
        box(u"txtEmail"_s)->setText(email);
        box(u"txtFriendName"_s)->setText(friendName);
        box(u"txtFriendEmail"_s)->setText(friendEmail);
    }
    void fillValid() { fill(u"Ann"_s, u"ann@mail.example"_s, u"Bob"_s, u"bob@mail.example"_s); }

private Q_SLOTS:
    // Settings and standard folders stay away from the user's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { open(); }
    void cleanup()
    {
        m_window.reset();
        m_platform.reset();
    }

    void opensAboveOtherWindowsWithItsTexts()
    {
        QCOMPARE(m_window->windowTitle(), u"Tavi Velmora v1.0"_s);
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!flags.testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_window->isModal());
        QCOMPARE(m_window->minimumSize(), QSize(741, 315));
        QCOMPARE(m_window->maximumSize(), QSize(741, 315));
        QCOMPARE(focused(), child<QPushButton>(u"cmdClose"_s));
        QCOMPARE(child<QCheckBox>(u"Check1"_s)->text(), u"Click Here To Visit www.orvex.example Now"_s);
        // The message box exists but lies outside what its frame shows.
        QCOMPARE(messageBox()->toPlainText(), u"Your Message\n"_s);
        QVERIFY(!child<QGroupBox>(u"Frame2"_s)->rect().intersects(messageBox()->geometry()));
    }

    void picksTheAppealFromTheDrawnNumber_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("appeal");

        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("justBelowQuarter") << 0.2499 << 0;
        QTest::newRow("quarter") << 0.25 << 1;
        QTest::newRow("justBelowOne") << 0.9999 << 3;
        QTest::newRow("oneClampedToLast") << 1.0 << 3;
        QTest::newRow("negativeClampedToFirst") << -0.5 << 0;
    }

    void picksTheAppealFromTheDrawnNumber()
    {
        QFETCH(double, r);
        QFETCH(int, appeal);

        open(r);
        QCOMPARE(m_platform->seeds, 1);
        QVERIFY(m_platform->randomValues.empty());
        QCOMPARE(child<QLabel>(u"Label2"_s)->text(), toQString(velmora::kAppeals[appeal]));
    }

    // What a screen reader meets: a window, each control that takes the focus
    // under a name of its own, and a link it can follow.
    void readsWellToScreenReaders()
    {
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->role(), QAccessible::Window);
        QStringList names;
        for (QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        }
        QCOMPARE(names.removeDuplicates(), 0);
        QVERIFY2(!names.contains(QString()), qPrintable(names.join(u", "_s)));
        QVERIFY(names.contains(u"Your Name"_s) && names.contains(u"Friend's Email Address"_s));

        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(child<QLabel>(u"lblGoToHome"_s));
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_platform->openedUrls.size(), 1);
    }

    void followsTheTabOrder()
    {
        // The last Tab comes round to the first control again.
        const QStringList order = {u"cmdClose"_s,      u"Check1"_s,        u"txtName"_s,
                                   u"cmdSubmit"_s,     u"txtEmail"_s,      u"txtFriendEmail"_s,
                                   u"txtFriendName"_s, u"txtMessage"_s,    u"lblGoToHome"_s,
                                   u"cmdClose"_s};
        for (const QString &name : order) {
            QCOMPARE(focused()->objectName(), name);
            tab();
        }
    }

    void placeholdersClearAndReturn_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("onEntry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("onLeaving");

        const QList<QPair<QString, QString>> boxes = {{u"txtName"_s, u"Your Name"_s},
                                                      {u"txtEmail"_s, u"Your Email Address"_s},
                                                      {u"txtFriendName"_s, u"Friend's Name"_s},
                                                      {u"txtFriendEmail"_s, u"Friend's Email Address"_s}};
        for (const auto &[name, placeholder] : boxes) {
            const QByteArray row = name.toLatin1() + '/';
            QTest::newRow(row + "placeholder") << name << placeholder << u""_s << u""_s << placeholder;
            QTest::newRow(row + "padded") << name << u" "_s + placeholder + u" "_s << u""_s << u"  "_s
                                          << placeholder;
            // Only spaces are trimmed: a tab makes the entry differ and is not empty.
            QTest::newRow(row + "tab") << name << u"\t"_s + placeholder << u"\t"_s + placeholder << u"\t"_s
                                       << u"\t"_s;
        }
    }

    void placeholdersClearAndReturn()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, before);
        QFETCH(QString, onEntry);
        QFETCH(QString, typed);
        QFETCH(QString, onLeaving);

        QLineEdit *target = box(boxName);
        target->setText(before);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(target->text(), onEntry);
        target->setText(typed);
        child<QPushButton>(u"cmdClose"_s)->setFocus(Qt::TabFocusReason);
        QCOMPARE(target->text(), onLeaving);
    }

    void anotherWindowTakingTheFocusLeavesEntriesAlone()
    {
        QLineEdit *name = box(u"txtName"_s);
        name->setFocus(Qt::TabFocusReason);
        QFocusEvent leave(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(name, &leave);
        QCOMPARE(name->text(), u""_s);
    }

    void refusesTypedSpacesInAddressesOnly_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<bool>("filtered");

        QTest::newRow("txtEmail") << u"txtEmail"_s << true;
        QTest::newRow("txtFriendEmail") << u"txtFriendEmail"_s << true;
        QTest::newRow("txtName") << u"txtName"_s << false;
    }

    void refusesTypedSpacesInAddressesOnly()
    {
        QFETCH(QString, boxName);
        QFETCH(bool, filtered);

        QLineEdit *target = box(boxName);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(target, u"a b"_s);
        QCOMPARE(target->text(), filtered ? u"ab"_s : u"a b"_s);
        QCOMPARE(m_platform->messages,
                 filtered ? critical(u"Email Address Cannot Contain Space"_s) : QList<velmora::Message>());
        QCOMPARE(focused(), target);
    }

    void checksTheEntriesInOrder_data()
    {
        QTest::addColumn<QStringList>("entries"); // name, e-mail, friend's name, friend's e-mail, message
        QTest::addColumn<QString>("problem");     // empty: the referral goes out

        const QString distinct = u"Please Enter Distinct Email Addresses"_s;
        const QString proper = u"Please Enter Proper Email Address"_s;
        const QString ann = u"ann@mail.example"_s;
        const QString bob = u"bob@mail.example"_s;
        const QString hi = u"Hi"_s;
        QTest::newRow("sameAddressBeforeAtCheck") << QStringList{u"Ann"_s, u"ann"_s, u"Bob"_s, u"ann"_s, hi}
                                                  << distinct;
        QTest::newRow("sameAfterTrimming") << QStringList{u"Ann"_s, u" "_s + ann, u"Bob"_s, ann + u" "_s, hi}
                                           << distinct;
        QTest::newRow("differInCaseOnly") << QStringList{u"Ann"_s, u"Ann@mail.example"_s, u"Bob"_s, ann, hi}
                                          << u""_s;
        QTest::newRow("senderWithoutAt") << QStringList{u"Ann"_s, u"ann.mail.example"_s, u"Bob"_s, bob, hi}
                                         << proper;
        QTest::newRow("friendWithoutDot") << QStringList{u"Ann"_s, ann, u"Bob"_s, u"bob@example"_s, hi} << proper;
        QTest::newRow("addressBeforeName") << QStringList{u"Your Name"_s, ann, u"Bob"_s, u"bob@example"_s, hi}
                                           << proper;
        QTest::newRow("namePlaceholder") << QStringList{u"Your Name"_s, ann, u"Bob"_s, bob, hi}
                                         << u"Please Enter Your Name"_s;
        QTest::newRow("nameBeforeMessage") << QStringList{u"  "_s, ann, u"Bob"_s, bob, u""_s}
                                           << u"Please Enter Your Name"_s;
        QTest::newRow("messageBeforeFriendName") << QStringList{u"Ann"_s, ann, u""_s, bob, u" Your Message "_s}
                                                 << u"Please Enter Your Message"_s;
        QTest::newRow("friendNamePlaceholder") << QStringList{u"Ann"_s, ann, u"Friend's Name"_s, bob, hi}
                                               << u"Please Enter Your Friend's Name"_s;
        QTest::newRow("placeholdersInOtherCase") << QStringList{u"your name"_s, ann, u"FRIEND'S NAME"_s, bob,
                                                                u"your message"_s}
                                                 << u""_s;
    }

    void checksTheEntriesInOrder()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, problem);

        fill(entries[0], entries[1], entries[2], entries[3]);
        messageBox()->setPlainText(entries[4]);
        submit();

        QCOMPARE(m_platform->messages, problem.isEmpty() ? QList<velmora::Message>() : critical(problem));
        QCOMPARE(m_platform->openedUrls.size(), problem.isEmpty() ? 1 : 0);
        QCOMPARE(m_window->referral().ReferralAddress.isEmpty(), !problem.isEmpty());
        QCOMPARE(box(u"txtEmail"_s)->text(), entries[1]); // the entries stay as typed
    }

    void submittingAtOnceAsksForProperAddresses()
    {
        // The two e-mail placeholders differ, so the address check speaks first.
        submit();
        QCOMPARE(m_platform->messages, critical(u"Please Enter Proper Email Address"_s));
    }

    void hiddenMessageTravelsUntilTheUserEmptiesIt()
    {
        fillValid();
        box(u"txtFriendName"_s)->setFocus(Qt::TabFocusReason);
        tab(); // passing through the message box leaves its first text as it is
        tab();
        submit();
        QCOMPARE(m_window->referral().Message, u"Your Message\r\n"_s);
        QVERIFY(m_window->referral().ReferralAddress.contains(u"&taf3=Your%20Message%0D%0A&taf4=Bob&"_s));

        messageBox()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(messageBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(messageBox(), Qt::Key_Delete);
        tab();
        QCOMPARE(messageBox()->toPlainText(), u"Your Message"_s);
        submit();
        QCOMPARE(m_platform->messages, critical(u"Please Enter Your Message"_s));
    }

    void sendsEveryEntryAsOneEncodedValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("address"); // empty: not checked letter by letter

        QTest::newRow("ampersandAndSpaces")
            << u"Ann & Bob = Smith"_s << u"Hi there"_s
            << u"https://www.orvex.example/orvex-refer-a-friend.php?taf1=Ann%20%26%20Bob%20%3D%20Smith"
               "&taf2=ann%40mail.example&taf3=Hi%20there&taf4=Ann%20%26%20Bob%20%3D%20Smith"
               "&taf5=bob%40mail.example&taf6=https%3A%2F%2Fwww.tavi-velmora.example%2F"_s;
        QTest::newRow("hashQuestionMarkAndLineBreak") << u"Ann #1?"_s << u"?taf6=x#top\r\n"_s << u""_s;
        QTest::newRow("percentPlusAndAccents") << u"100% Ren\u00e9e+Bob"_s << u"%41"_s << u""_s;
    }

    void sendsEveryEntryAsOneEncodedValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, address);

        fill(name, u"ann@mail.example"_s, name, u"bob@mail.example"_s);
        messageBox()->setPlainText(QString(message).replace(u"\r\n"_s, u"\n"_s));
        submit();

        const QString built = m_window->referral().ReferralAddress;
        if (!address.isEmpty())
            QCOMPARE(built, address);
        // The browser gets the address exactly as built, and it gives back each entry whole.
        QCOMPARE(m_platform->openedUrls.size(), 1);
        const QUrl opened = m_platform->openedUrls.constFirst();
        QCOMPARE(opened.toString(QUrl::FullyEncoded), built);
        QCOMPARE(opened.toString(QUrl::RemoveQuery), u"https://www.orvex.example/orvex-refer-a-friend.php"_s);
        const QList<QPair<QString, QString>> expected = {{u"taf1"_s, name},
                                                         {u"taf2"_s, u"ann@mail.example"_s},
                                                         {u"taf3"_s, message},
                                                         {u"taf4"_s, name},
                                                         {u"taf5"_s, u"bob@mail.example"_s},
                                                         {u"taf6"_s, u"https://www.tavi-velmora.example/"_s}};
        QCOMPARE(QUrlQuery(opened).queryItems(QUrl::FullyDecoded), expected);
    }

    void submittingTwiceOpensTwice()
    {
        fillValid();
        submit();
        submit();
        QCOMPARE(m_platform->openedUrls.size(), 2);
        QCOMPARE(m_platform->openedUrls[0], m_platform->openedUrls[1]);
    }

    void linksOpenTheirPages()
    {
        QCheckBox *visit = child<QCheckBox>(u"Check1"_s);
        QTest::mouseClick(visit, Qt::LeftButton, {}, QPoint(8, visit->height() / 2));
        QVERIFY(!visit->isChecked()); // the tick never stays
        QTest::mouseClick(child<QLabel>(u"lblGoToHome"_s), Qt::LeftButton);
        QCOMPARE(m_platform->openedUrls, (QList<QUrl>{QUrl(u"https://www.orvex.example"_s),
                                                      QUrl(u"https://www.orvex.example/quillon"_s)}));
        QCOMPARE(visit->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(child<QLabel>(u"lblGoToHome"_s)->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(child<QLabel>(u"lblGoToHome"_s)->font().underline());
    }

    void exitAndCloseBoxEachEndTheProgramOnce()
    {
        QTest::mouseClick(child<QPushButton>(u"cmdClose"_s), Qt::LeftButton);
        QCOMPARE(m_platform->quits, 1);
        QVERIFY(m_window->close());
        QCOMPARE(m_platform->quits, 2);
    }
};

QTEST_MAIN(TestFrmTellAFriend)
#include "tst_frmtellafriend.moc"
