// SPDX-License-Identifier: MIT
// The examples of the tool in the README and docs/*.md, run as written:
// what each shows must be what the tool prints. "[...]" on a line of its own
// stands for any lines, and at the end of a line for the rest of it. The
// client book's examples run in order on a book of their own.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "clirun.h"
#include "documents.h"

using namespace Qt::StringLiterals;

namespace {

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

// The words of a command as the shell splits it: apart by spaces, a '…' one word.
QStringList words(const QString &command)
{
    QStringList split{QString()};
    bool quoted = false;
    for (const QChar ch : command) {
        if (ch == u'\'')
            quoted = !quoted;
        else if (ch == u' ' && !quoted)
            split << QString();
        else
            split.last() += ch;
    }
    return split;
}

} // namespace

class TestCliReadme : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    int m_examples = 0; // the examples found and run

private Q_SLOTS:
    // anna.vlm as the user's guide makes it.
    void initTestCase()
    {
        const QString save = u"tavi-velmora-cli --first Anna --middle Lee --last Smith --date 1975-09-20 --save anna.vlm"_s;
        const QList<Document> written = documents();
        QVERIFY2(written.size() > 1, "the README and docs/*.md are not all there");
        QVERIFY(std::ranges::any_of(written, [&save](const Document &document) {
            return document.lines.contains(u"$ "_s + save);
        }));
        const CliRun run = runTool(save.split(u' ').mid(1), {}, 30000, m_folder.path());
        QCOMPARE(run.exitCode, 0);
        // The client book's day starts with an empty book and the CSV the page shows.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder.filePath(u"data"_s)));
        QFile csv(m_folder.filePath(u"last-year.csv"_s));
        for (const Document &document : written) {
            if (const qsizetype at = document.lines.indexOf(u"$ cat last-year.csv"_s); at >= 0) {
                QVERIFY(csv.open(QIODevice::WriteOnly));
                csv.write((shownAfter(document.lines, at).join(u'\n') + u'\n').toUtf8());
            }
        }
        QVERIFY2(csv.size() > 0, "no document shows last-year.csv");
    }

    void examplesShowWhatTheToolPrints_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("open") << u"tavi-velmora-cli --open anna.vlm"_s;
        QTest::newRow("compare") << u"tavi-velmora-cli --compare anna.vlm John,,Smith,1980-07-15"_s;
        QTest::newRow("inclusion and planes")
            << u"tavi-velmora-cli --first Mary --middle Ann --last Smith --date 1985-03-07 --on 2025-12-31"_s;
        QTest::newRow("client's report")
            << u"tavi-velmora-cli --open anna.vlm --pdf anna-report.pdf --sections summary,lifePath,destiny,yearAhead "
               "--practitioner Ada"_s;
        QTest::newRow("client's report as HTML") << u"tavi-velmora-cli --open anna.vlm --html - --sections lifePath"_s;
        QTest::newRow("calendar as JSON")
            << u"tavi-velmora-cli --first Mary --last Smith --date 1985-03-07 --calendar 2027-03-01:2027-03-02 --format json"_s;
        QTest::newRow("calendar's days found")
            << u"tavi-velmora-cli --first Mary --last Smith --date 1985-03-07 --calendar 2027-03-01:2027-08-31 --find "
               "personal-day=6 --weekday fri,sat"_s;
        // A practitioner's day, in its order.
        QTest::newRow("import") << u"tavi-velmora-cli --import anna.vlm last-year.csv"_s;
        QTest::newRow("find") << u"tavi-velmora-cli --find-client mari"_s;
        QTest::newRow("find by two words") << u"tavi-velmora-cli --find-client 'mari 1985'"_s;
        QTest::newRow("married name") << u"tavi-velmora-cli --set-client 3 --later-name 'Marie,,Laurent,2024-06-15,married' "
                                         "--notes 'Wedding in June; asks about 2027.'"_s;
        QTest::newRow("client's reading") << u"tavi-velmora-cli --client 3 --on 2026-12-09"_s;
        QTest::newRow("client's calendar") << u"tavi-velmora-cli --client 3 --calendar 2027-03"_s;
        QTest::newRow("client shown") << u"tavi-velmora-cli --show-client 3"_s;
        QTest::newRow("backup") << u"tavi-velmora-cli --backup clients-backup.sqlite"_s;
        QTest::newRow("backup checked") << u"tavi-velmora-cli --check-book --book clients-backup.sqlite"_s;
    }
    // Every place a document shows the command, wherever it is.
    void examplesShowWhatTheToolPrints()
    {
        QFETCH(QString, command);
        const CliRun run = runTool(words(command).mid(1), {}, 30000, m_folder.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QStringList printed = QString::fromUtf8(run.out).split(u'\n');
        if (printed.constLast().isEmpty())
            printed.removeLast();
        int shownIn = 0;
        for (const Document &document : documents()) {
            for (qsizetype at = 0; (at = document.lines.indexOf(u"$ "_s + command, at)) >= 0; ++at) {
                const QStringList shown = shownAfter(document.lines, at);
                QVERIFY2(matches(shown, 0, printed, 0),
                         qPrintable(document.name + u" shows:\n"_s + shown.join(u'\n') + u"\nThe tool prints:\n"_s
                                    + printed.join(u'\n')));
                ++shownIn;
            }
        }
        QVERIFY2(shownIn > 0, qPrintable(u"no document shows: "_s + command));
        m_examples += shownIn;
    }

    void cleanupTestCase() { QVERIFY2(m_examples > 0, "no example was run"); }
};

QTEST_GUILESS_MAIN(TestCliReadme)
#include "tst_clireadme.moc"
