// SPDX-License-Identifier: MIT
#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace {

velmora::BirthData person()
{
    velmora::BirthData data;
    data.FirstName = "Mary";
    data.MiddleName = "Ann";
    data.LastName = "Smith";
    data.BirthDay = 7;
    data.BirthMonth = 3;
    data.BirthMonthName = "March";
    data.BirthYear = 1985;
    return data;
}

bool isBold(const QTextBlock &block)
{
    return block.begin() != block.end() && block.begin().fragment().charFormat().fontWeight() >= QFont::Bold;
}

int pageOf(const QTextBlock &block, int line, qreal pageHeight)
{
    const QTextLayout *layout = block.layout();
    return static_cast<int>((layout->position().y() + layout->lineAt(line).y()) / pageHeight);
}

} // namespace

class TestReadingDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void holdsThePersonThenTheEightReadingsInTabOrder()
    {
        const velmora::BirthData data = person();
        const velmora::Results results = velmora::calculateAll(data);
        const std::unique_ptr<QTextDocument> document = velmora::readingDocument(data, results);
        const QString text = document->toPlainText();
        QVERIFY(text.startsWith(u"Mary Ann Smith\nDate of birth: 7 March 1985\n"_s));
        qsizetype from = 0;
        for (std::size_t k = 0; k < velmora::kReadingCount; ++k) {
            const QString caption = QString::fromUtf8(velmora::kReadingCaptions[k].data(),
                                                      static_cast<qsizetype>(velmora::kReadingCaptions[k].size()));
            const QString reading = QString::fromStdString(results.readings[k].plainText());
            from = text.indexOf(caption + u'\n' + reading, from);
            QVERIFY2(from > 0, qPrintable(caption));
        }
    }

    // Whatever the page height, no heading ends a page while its text starts the next.
    void keepsEveryHeadingWithItsText_data()
    {
        QTest::addColumn<int>("pageHeight");
        for (int height = 160; height <= 900; height += 37)
            QTest::addRow("%d", height) << height;
    }

    void keepsEveryHeadingWithItsText()
    {
        QFETCH(int, pageHeight);
        const velmora::BirthData data = person();
        const std::unique_ptr<QTextDocument> document = velmora::readingDocument(data, velmora::calculateAll(data));
        document->setPageSize(QSizeF(420, pageHeight));
        velmora::keepHeadingsWithText(*document);
        (void)document->pageCount();
        int headings = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (!isBold(block) || block == document->begin())
                continue;
            QTextBlock next = block.next();
            while (next.isValid() && next.text().isEmpty())
                next = next.next();
            QVERIFY(next.isValid());
            ++headings;
            QVERIFY2(pageOf(block, block.layout()->lineCount() - 1, pageHeight) == pageOf(next, 0, pageHeight),
                     qPrintable(block.text()));
        }
        QVERIFY(headings >= 16);
        QVERIFY(document->pageCount() > 1);
    }
};

QTEST_MAIN(TestReadingDocument)
#include "tst_readingdocument.moc"
