// SPDX-License-Identifier: MIT
// The document's outline: the parts after the eight readings stand a level
// above a reading's caption, in the text's heading levels and on the page.
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "chart.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace {

velmora::BirthData person()
{
    velmora::BirthData data;
    data.FirstName = "Anna";
    data.MiddleName = "Lee";
    data.LastName = "Smith";
    data.BirthDay = 20;
    data.BirthMonth = 9;
    data.BirthMonthName = "September";
    data.BirthYear = 1975;
    return data;
}

struct Heading {
    int level = 0;
    qreal pointSize = 0;
    qreal lineHeight = 0;
};

Heading headingOf(const QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() == text)
            return {block.blockFormat().headingLevel(), block.begin().fragment().charFormat().fontPointSize(),
                    block.layout()->lineAt(0).height()};
    }
    return {};
}

} // namespace

class TestDocumentParts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void partsStandAboveTheCaptions_data()
    {
        QTest::addColumn<QString>("part");
        QTest::newRow("More numbers") << u"More numbers"_s;
        QTest::newRow("the appendix") << u"Appendix: how the numbers were found"_s;
    }
    void partsStandAboveTheCaptions()
    {
        QFETCH(QString, part);
        const std::unique_ptr<QTextDocument> document =
            velmora::readingDocument(velmora::chartOf(person(), velmora::classicSystem(), {1, 1, 2026}, true));
        document->setTextWidth(500);
        (void)document->size(); // lays it out
        const Heading heading = headingOf(*document, part);
        QCOMPARE(heading.level, 1);
        for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings)) {
            const std::string caption(section.caption);
            const Heading below = headingOf(*document, QString::fromStdString(caption));
            QCOMPARE(below.level, 2);
            QVERIFY2(heading.pointSize > below.pointSize, caption.c_str());
            QVERIFY2(heading.lineHeight > below.lineHeight, caption.c_str());
        }
    }
};

QTEST_MAIN(TestDocumentParts)
#include "tst_documentparts.moc"
