// SPDX-License-Identifier: MIT
// The document's outline: the appendix stands a level above a section's
// caption, in the text's heading levels and on the page, and every section,
// a reading or a further number, is set alike.
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "chart.h"
#include "morenumberstext.h"
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

Heading headingStarting(const QTextDocument &document, const QString &start)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(start) && block.blockFormat().headingLevel() > 0)
            return headingOf(document, block.text());
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

    // One typographic scale: the further numbers' captions are the readings'
    // (level 2, the same size), and a compound's reading stands under a
    // heading of its own as in the eight readings, never run into the text.
    void everySectionIsSetAsTheReadings_data()
    {
        QTest::addColumn<QString>("system");
        for (const velmora::System *system : velmora::systems())
            QTest::newRow(system->key.data()) << QString::fromUtf8(system->key.data(), qsizetype(system->key.size()));
    }
    void everySectionIsSetAsTheReadings()
    {
        QFETCH(QString, system);
        const velmora::Chart chart =
            velmora::chartOf(person(), *velmora::findSystem(system.toStdString()), {1, 1, 2026}, true);
        const std::unique_ptr<QTextDocument> document = velmora::readingDocument(chart);
        document->setTextWidth(500);
        (void)document->size();
        const Heading reading = headingOf(*document, u"Destiny Number"_s);
        QCOMPARE(reading.level, 2);
        int further = 0;
        for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::MoreNumbers)) {
            if (!chart.shows(section.id))
                continue;
            // "Life Path Number: 4", "Personal Month, January 2026: 3"
            const QString caption = QString::fromUtf8(section.caption.data(), qsizetype(section.caption.size()));
            const Heading heading = headingStarting(*document, caption);
            QVERIFY2(heading.level == 2 && heading.pointSize == reading.pointSize, qPrintable(caption));
            ++further;
        }
        QVERIFY(further >= 5); // Life Path, Birthday and the personal cycles under every system
        int compounds = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const qsizetype at = block.text().indexOf(u"Compound number "_s);
            if (at < 0)
                continue;
            QVERIFY2(at == 0 && block.begin().fragment().charFormat().fontWeight() >= QFont::Bold,
                     qPrintable(block.text()));
            ++compounds;
        }
        // The Chaldean chart of Anna Lee Smith has compounds beside its name numbers and its Life Path.
        QCOMPARE(compounds > 0, chart.system().hasCompounds());
    }
};

QTEST_MAIN(TestDocumentParts)
#include "tst_documentparts.moc"
