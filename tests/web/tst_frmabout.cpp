// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QStandardPaths>

#include <memory>

#include "appicon.h"
#include "fakeplatform.h"
#include "frmabout.h"
#include "requiredchild.h"

using namespace Qt::StringLiterals;

class TestFrmAbout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<frmAbout> m_box;

private Q_SLOTS:
    // Settings and standard folders stay away from the user's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_platform = std::make_unique<FakePlatform>();
        m_box = std::make_unique<frmAbout>(*m_platform);
        m_box->show();
        QVERIFY(QTest::qWaitForWindowActive(m_box.get()));
    }
    void cleanup()
    {
        m_box.reset();
        m_platform.reset();
    }

    void opensModalWithFixedSize()
    {
        QCOMPARE(m_box->windowTitle(), u"Tavi Velmora v1.0"_s);
        QCOMPARE(QApplication::activeModalWidget(), m_box.get());
        QCOMPARE(m_box->minimumSize(), QSize(429, 226));
        QCOMPARE(m_box->maximumSize(), QSize(429, 226));
        QVERIFY(!m_box->windowFlags().testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        const QFont title = requiredChild<QLabel>(m_box.get(), u"Label2"_s)->font();
        QVERIFY(title.bold());
        QCOMPARE(title.pointSizeF(), 12.0);
        QCOMPARE(requiredChild<QLabel>(m_box.get(), u"lblHomePage"_s)->text(),
                 u"Click here to visit https://www.orvex.example"_s);
    }

    void closesOnOkEnterAndEscape_data()
    {
        QTest::addColumn<int>("key"); // 0: a click on OK

        QTest::newRow("clickOnOk") << 0;
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("keypadEnter") << int(Qt::Key_Enter);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }

    void closesOnOkEnterAndEscape()
    {
        QFETCH(int, key);

        auto *ok = requiredChild<QPushButton>(m_box.get(), u"cmdOK"_s);
        QCOMPARE(QApplication::focusWidget(), ok);
        if (key == 0)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            QTest::keyClick(ok, Qt::Key(key));
        QVERIFY(m_box->isHidden());
    }

    void linksOpenTheirPagesAndLeaveTheBoxOpen_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("page");

        QTest::newRow("homePage") << u"lblHomePage"_s << QUrl(u"https://www.orvex.example"_s);
        // The fully branded offer, not the co-branding page.
        QTest::newRow("fullyBrandedOffer") << u"lblCoBrand"_s
                                           << QUrl(u"https://help.orvex.example/fully-branded.html"_s);
    }

    void linksOpenTheirPagesAndLeaveTheBoxOpen()
    {
        QFETCH(QString, link);
        QFETCH(QUrl, page);

        auto *label = requiredChild<QLabel>(m_box.get(), link);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(m_platform->openedUrls, QList<QUrl>{page});
        QVERIFY(m_box->isVisible());
    }

    void iconIsARoundedTileWithAYellowFigure_data()
    {
        QTest::addColumn<int>("size");
        for (const QSize &size : velmora::applicationIcon().availableSizes())
            QTest::addRow("%dpx", size.width()) << size.width();
    }

    void iconIsARoundedTileWithAYellowFigure()
    {
        QFETCH(int, size);
        const QImage image = velmora::applicationIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // corners cut round
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        int yellow = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = image.pixel(x, y);
                yellow += qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 80 ? 1 : 0;
            }
        }
        QVERIFY2(yellow >= size * size / 20, qPrintable(QString::number(yellow)));
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
