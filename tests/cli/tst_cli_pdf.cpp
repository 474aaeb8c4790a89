// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "clitest.h"
#include "fakeplatform.h"
#include "frmmain.h"
#include "readingdocument.h"
#include "version.h"

using namespace Qt::StringLiterals;

// The tool's PDF, read back with pdftotext, and the window's printout of the same person.
class TestCliPdf : public CliTest
{
    Q_OBJECT

private Q_SLOTS:
    // The PDF is drawn with no display at all, whatever platform is asked
    // for, and without a word from Qt on standard error.
    void pdfHoldsThePersonAndEveryReading_data()
    {
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<bool>("printsToo");
        QTest::addColumn<bool>("toStandardOutput");
        const QStringList paul = personArguments(u"John"_s, u"Paul"_s, u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("a person") << paul << false << false;
        QTest::newRow("a person, with text") << (QStringList(paul) << u"--format"_s << u"text"_s) << true << false;
        QTest::newRow("a report") << QStringList{u"--open"_s, u"report"_s} << false << false;
        QTest::newRow("a person, to standard output") << paul << false << true;
    }
    void pdfHoldsThePersonAndEveryReading()
    {
        QFETCH(QStringList, source);
        QFETCH(bool, printsToo);
        QFETCH(bool, toStandardOutput);
#ifndef VELMORA_PDFTOTEXT
        QSKIP("pdftotext (poppler-utils) is missing");
#else
        const QString report = path(u"paul.vlm"_s);
        if (!QFile::exists(report))
            QCOMPARE(runCli(personArguments(u"John"_s, u"Paul"_s, u"Smith"_s, u"1980-07-15"_s)
                            << u"--save"_s << report)
                         .exitCode,
                     0);
        source.replaceInStrings(u"report"_s, report);
        const QString pdf = path(u"paul.pdf"_s);
        QFile::remove(pdf);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"XDG_RUNTIME_DIR"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        const Outcome run =
            runCli(source << u"--pdf"_s << (toStandardOutput ? u"-"_s : pdf), {}, 60000, environment);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        if (toStandardOutput) {
            QVERIFY(run.out.startsWith("%PDF-"));
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(run.out) == run.out.size());
        } else {
            QCOMPARE(run.out.contains("Destiny Number"), printsToo);
        }

        QProcess reader;
        reader.start(QStringLiteral(VELMORA_PDFTOTEXT), {pdf, u"-"_s});
        QVERIFY(reader.waitForFinished(30000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(text.startsWith(u"John Paul Smith\nDate of birth: 15 July 1980\n"_s), qPrintable(text.left(80)));
        // The summary, then the core numbers' readings first, as a numerologist reads them.
        qsizetype from = 0;
        for (const char *caption : {"Core numbers", "Life Path Number: 4", "Destiny Number", "Soul Urge Number",
                                    "Personality Number", "Birthday Number: 15", "Realization Number",
                                    "Pinnacle Number", "Challenge Numbers", "Hidden Passion Number",
                                    "Subconscious Self Number", "Attitude Number", "Karmic Lessons", "Personal Year",
                                    "The Year Ahead", "Inclusion", "Planes of Expression",
                                    "Appendix: how the numbers were found"}) {
            from = text.indexOf(QLatin1StringView(caption), from);
            QVERIFY2(from > 0, caption);
        }
#endif
    }

    // Printing from the window gives the very document the tool writes, on
    // an ordinary printer and on one that cannot print near the edges.
    void windowPrintsWhatTheToolWrites_data()
    {
        QTest::addColumn<QMarginsF>("unprintable");
        QTest::newRow("printer that prints to the margins") << QMarginsF();
        QTest::newRow("printer with narrower edges than the margins") << QMarginsF(5, 5, 5, 5);
    }
    void windowPrintsWhatTheToolWrites()
    {
        QFETCH(QMarginsF, unprintable);
#ifndef VELMORA_PDFTOTEXT
        QSKIP("pdftotext (poppler-utils) is missing");
#else
        FakePlatform platform;
        platform.printerUnprintable = unprintable;
        // The window's today is the tool's date of interest, and the day both are prepared on.
        platform.date = QDate::currentDate();
        const QString toolPdf = path(u"tool.pdf"_s);
        QCOMPARE(runCli(personArguments(u"John"_s, u"Paul"_s, u"Smith"_s, u"1980-07-15"_s)
                        << u"--pdf"_s << toolPdf << u"--on"_s << platform.date.toString(Qt::ISODate)
                        << u"--sections"_s << velmora::printoutSectionNames().join(u',') << u"--practitioner"_s
                        << QString())
                     .exitCode,
                 0);
        frmMain window(platform);
        window.findChild<QLineEdit *>(u"txtNameFirst"_s)->setText(u"John"_s);
        window.findChild<QLineEdit *>(u"txtNameMiddle"_s)->setText(u"Paul"_s);
        window.findChild<QLineEdit *>(u"txtNameLast"_s)->setText(u"Smith"_s);
        window.findChild<QComboBox *>(u"cboDate"_s)->setCurrentIndex(14);
        window.findChild<QComboBox *>(u"cboMonth"_s)->setCurrentIndex(6);
        window.findChild<QComboBox *>(u"cboYear"_s)->setCurrentText(u"1980"_s);
        window.findChild<QPushButton *>(u"cmdProceed"_s)->click();
        window.printReport();
        QCOMPARE(platform.printJobs.size(), 1);
        QCOMPARE(platform.printJobs.constFirst().title, u"Velmora readings: John Paul Smith"_s);
        QCOMPARE(platform.printJobs.constFirst().creator, u"Tavi Velmora " VELMORA_VERSION ""_s);
        const QString windowPdf = path(u"window.pdf"_s);
        QFile file(windowPdf);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(platform.printedPdf) == platform.printedPdf.size());
        file.close();

        // Word by word, in the same place on the same page.
        const auto words = [](const QString &fileName) {
            QProcess reader;
            reader.start(QStringLiteral(VELMORA_PDFTOTEXT), {u"-bbox"_s, fileName, u"-"_s});
            reader.waitForFinished(30000);
            QByteArray text = reader.readAllStandardOutput();
            return text.mid(text.indexOf("<doc>"));
        };
        const QByteArray printed = words(windowPdf);
        QVERIFY(printed.count("<page ") > 1);
        QVERIFY(printed.contains(">%1:</word>"_ba.replace("%1", QByteArray::number(platform.date.year()))));
        // "Personal Year 2027: ..."
        QCOMPARE(printed, words(toolPdf));
#endif
    }

    void pdfThatCannotBeWrittenSaysSo()
    {
        const QString pdf = path(u"no-such-folder/out.pdf"_s);
        const Outcome run =
            runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s) << u"--pdf"_s << pdf);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(isOneLine(run.err) && run.err.contains("out.pdf"), run.err);
        QCOMPARE(run.out, QByteArray());
        QVERIFY(!QFile::exists(pdf));
    }

    // Through a link the PDF replaces the PDF file it points to, and the link stays.
    void pdfThroughALinkReplacesItsFile()
    {
        const QTemporaryDir dir;
        QFile target(dir.filePath(u"target.pdf"_s));
        QVERIFY(target.open(QIODevice::WriteOnly) && target.write("old") == 3);
        target.close();
        const QByteArray link = QFile::encodeName(dir.filePath(u"john.pdf"_s));
        QVERIFY(::symlink("target.pdf", link.constData()) == 0);
        const Outcome run = runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s)
                                   << u"--pdf"_s << QFile::decodeName(link));
        QCOMPARE(run.exitCode, 0);
        struct stat info {};
        QVERIFY(::lstat(link.constData(), &info) == 0 && S_ISLNK(info.st_mode));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QVERIFY(target.readAll().startsWith("%PDF-"));
    }
};

QTEST_MAIN(TestCliPdf)
#include "tst_cli_pdf.moc"
