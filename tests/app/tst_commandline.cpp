// SPDX-License-Identifier: MIT
#include <QTest>

#include "commandline.h"

using namespace Qt::StringLiterals;
using Action = velmora::CommandLine::Action;

Q_DECLARE_METATYPE(Action)

// Before QApplication has taken Qt's own options out, the window reads the
// raw command line for --help and --version alone; after, for its one file.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qtOptionsAreWordsNotLetters_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("said"); // the error, or the report file
        // Read as bundles of one-letter options these would hold -v or -h.
        QTest::newRow("-reverse holds a v") << QStringList{u"-reverse"_s} << Action::Error
                                            << u"unknown option '-reverse'"_s;
        QTest::newRow("-stylesheet holds an h") << QStringList{u"-stylesheet"_s, u"a.qss"_s} << Action::Error
                                                << u"unknown option '-stylesheet'"_s;
        QTest::newRow("-visual, then a file") << QStringList{u"-visual"_s, u"a.vlm"_s, u"-v"_s} << Action::Version
                                              << QString();
        QTest::newRow("Qt's options before --help")
            << QStringList{u"-platform"_s, u"offscreen"_s, u"-reverse"_s, u"--help"_s} << Action::Help << QString();
        // The option is named as it was given.
        QTest::newRow("an option with a value") << QStringList{u"--colour=red"_s} << Action::Error
                                                << u"unknown option '--colour=red'"_s;
        QTest::newRow("an option after a file") << QStringList{u"a.vlm"_s, u"-x"_s} << Action::Error
                                                << u"unknown option '-x'"_s;
        QTest::newRow("-h after --") << QStringList{u"--"_s, u"-h"_s} << Action::Run << u"-h"_s;
        QTest::newRow("an empty argument") << QStringList{QString()} << Action::Run << QString();
    }
    void qtOptionsAreWordsNotLetters()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, said);
        const velmora::CommandLine line = velmora::parseCommandLine(QStringList{u"tavi-velmora"_s} + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(action == Action::Error ? line.error : line.reportFile, said);
    }

    void anEmptyCommandLineRunsWithNoFile()
    {
        const velmora::CommandLine line = velmora::parseCommandLine(QStringList{});
        QCOMPARE(line.action, Action::Run);
        QVERIFY(line.reportFile.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
