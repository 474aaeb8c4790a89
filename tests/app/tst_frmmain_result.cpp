// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QFrame>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>

#include <cmath>

#include "mainwindowtest.h"
#include "readablecolours.h"
#include "readingdocument.h"
#include "readingtabbar.h"

using namespace Qt::StringLiterals;

// The result page: the eight readings a run shows, how they look, and what keeps them from being copied.
class TestFrmMainResult : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
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

    void hiddenCalculateItemRunsLikeTheButton()
    {
        enter(u"John"_s, u""_s, u"Smith"_s, 15, 7, 1980);
        m_window->findChild<QAction *>(u"mnuCalculate"_s)->trigger();
        QCOMPARE(currentPage(), child<QFrame>(u"fraResult"_s));
        QCOMPARE(m_window->chart()->number(velmora::NumberId::Destiny), 8);
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

QTEST_MAIN(TestFrmMainResult)
#include "tst_frmmain_result.moc"
