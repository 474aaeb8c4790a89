// SPDX-License-Identifier: MIT
// The README's examples of the tool, run as written: what it shows must be
// what the tool prints. "[...]" on a line of its own stands for any lines,
// and at the end of a line for the rest of it.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "clirun.h"

using namespace Qt::StringLiterals;

namespace {

QStringList readmeLines()
{
    QFile readme(QStringLiteral(VELMORA_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(readme.readAll()).split(u'\n');
}

// What the README shows after "$ command": the lines up to the next prompt
// or the end of the block; empty when the command is not there.
QStringList shownOutput(const QStringList &readme, const QString &command)
{
    const qsizetype at = readme.indexOf(u"$ "_s + command);
    if (at < 0)
        return {};
    QStringList shown;
    for (qsizetype k = at + 1; k < readme.size() && !readme[k].startsWith(u"$ "_s) && readme[k] != u"```"_s; ++k)
        shown << readme[k];
    return shown;
}

bool matches(const QStringList &shown, qsizetype i, const QStringList &printed, qsizetype j)
{
    if (i == shown.size())
        return j == printed.size();
    if (shown[i] == u"[...]"_s) {
        for (qsizetype k = j; k <= printed.size(); ++k) {
            if (matches(shown, i + 1, printed, k))
                return true;
        }
        return false;
    }
    if (j == printed.size())
        return false;
    const bool same = shown[i].endsWith(u" [...]"_s) ? printed[j].startsWith(shown[i].chopped(5))
                                                    : printed[j] == shown[i];
    return same && matches(shown, i + 1, printed, j + 1);
}

} // namespace

class TestCliReadme : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

private Q_SLOTS:
    // anna.vlm as the README makes it.
    void initTestCase()
    {
        const QString save = u"tavi-velmora-cli --first Anna --middle Lee --last Smith --date 1975-09-20 --save anna.vlm"_s;
        QVERIFY(readmeLines().contains(u"$ "_s + save));
        const CliRun run = runTool(save.split(u' ').mid(1), {}, 30000, m_folder.path());
        QCOMPARE(run.exitCode, 0);
    }

    void examplesShowWhatTheToolPrints_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("open") << u"tavi-velmora-cli --open anna.vlm"_s;
        QTest::newRow("compare") << u"tavi-velmora-cli --compare anna.vlm John,,Smith,1980-07-15"_s;
        QTest::newRow("inclusion and planes")
            << u"tavi-velmora-cli --first Mary --middle Ann --last Smith --date 1985-03-07 --on 2025-12-31"_s;
        QTest::newRow("calendar as JSON")
            << u"tavi-velmora-cli --first Mary --last Smith --date 1985-03-07 --calendar 2027-03-01:2027-03-02 --format json"_s;
        QTest::newRow("calendar's days found")
            << u"tavi-velmora-cli --first Mary --last Smith --date 1985-03-07 --calendar 2027-03-01:2027-08-31 --find "
               "personal-day=6 --weekday fri,sat"_s;
    }
    void examplesShowWhatTheToolPrints()
    {
        QFETCH(QString, command);
        const QStringList shown = shownOutput(readmeLines(), command);
        QVERIFY2(!shown.isEmpty(), qPrintable(command));
        const CliRun run = runTool(command.split(u' ').mid(1), {}, 30000, m_folder.path());
        QCOMPARE(run.exitCode, 0);
        QStringList printed = QString::fromUtf8(run.out).split(u'\n');
        if (printed.constLast().isEmpty())
            printed.removeLast();
        QVERIFY2(matches(shown, 0, printed, 0), qPrintable(u"The README shows:\n"_s + shown.join(u'\n')
                                                            + u"\nThe tool prints:\n"_s + printed.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestCliReadme)
#include "tst_clireadme.moc"
