// SPDX-License-Identifier: MIT
#include "mainwindowtest.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

QList<velmora::Message> oneMessage(velmora::MessageIcon icon, const QString &text)
{
    return {velmora::Message{icon, text, u"Tavi Velmora"_s, velmora::MessageButtons::Ok}};
}

QTextEdit *MainWindowTest::rtb(int k) const
{
    return child<QTextEdit>(u"RTB_%1"_s.arg(k));
}

QWidget *MainWindowTest::currentPage() const
{
    return child<QStackedWidget>(u"pages"_s)->currentWidget();
}

QWidget *MainWindowTest::currentFrame() const
{
    return child<QStackedWidget>(u"readingFrames"_s)->currentWidget();
}

void MainWindowTest::enter(const QString &first, const QString &middle, const QString &last, int day, int month,
                           int year)
{
    box(u"txtNameFirst"_s)->setText(first);
    box(u"txtNameMiddle"_s)->setText(middle);
    box(u"txtNameLast"_s)->setText(last);
    list(u"cboDate"_s)->setCurrentIndex(day - 1);
    list(u"cboMonth"_s)->setCurrentIndex(month - 1);
    list(u"cboYear"_s)->setCurrentIndex(year - 1900);
}

void MainWindowTest::proceed()
{
    QTest::mouseClick(child<QPushButton>(u"cmdProceed"_s), Qt::LeftButton);
}

void MainWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void MainWindowTest::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_window = std::make_unique<frmMain>(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
    m_platform.reset();
}
