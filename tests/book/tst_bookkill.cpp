// SPDX-License-Identifier: MIT
// Real processes writing a book in a file: killed at random moments, the
// book is as it was before a change or after it, never between; two at once,
// both are done whole.
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "clientbook.h"

using namespace velmora::book;
using namespace Qt::StringLiterals;

namespace {

constexpr int kImport = 50; // clients in each import of the writer

// VELMORA_BOOK_KILLS, or the full 200.
int kills()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("VELMORA_BOOK_KILLS", &ok);
    return ok && count > 0 ? count : 200;
}

} // namespace

class TestBookKill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLeavesWholeChanges();
    void twoWritersBothFinish();
};

void TestBookKill::killedWriterLeavesWholeChanges()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("seed %u", seed);
    int changesSeen = 0;
    int importsSeen = 0;
    QString path;
    for (int kill = 0; kill < kills(); ++kill) {
        if (kill % 25 == 0) // a fresh book now and then, so that checking stays quick
            path = folder.filePath(u"book-%1.sqlite"_s.arg(kill));
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.setReadChannel(QProcess::StandardOutput);
        writer.start(QStringLiteral(VELMORA_BOOK_WRITER), {path, u"imports"_s, QString::number(kImport)});
        // Killed once it has the book open, however long starting took.
        QVERIFY(writer.waitForStarted() && writer.waitForReadyRead(30000));
        QTest::qWait(static_cast<int>(random.bounded(500u)));
        QVERIFY2(writer.state() == QProcess::Running, "the writer stopped by itself");
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());

        QString error;
        const auto book = ClientBook::open(path, &error);
        QVERIFY2(book, qPrintable(u"after kill %1: %2"_s.arg(kill).arg(error)));
        const auto found = book->check();
        QVERIFY(found);
        QVERIFY2(found->isEmpty(), qPrintable(found->join(u"; "_s)));
        QMap<QString, int> batches;
        bool whole = true;
        QVERIFY(book->forEachClient([&](const Client &client) {
            ++batches[client.last];
            if (client.notes.isEmpty())
                whole = whole && client.laterNames.isEmpty() && client.tags.isEmpty();
            else
                whole = whole && client.notes == u"edited "_s + client.laterNames.value(0).last
                        && client.tags == QStringList{u"e"_s + client.laterNames.value(0).last};
            changesSeen += client.notes.isEmpty() ? 0 : 1;
            return whole;
        }));
        QVERIFY2(whole, qPrintable(u"after kill %1: an edit is half made"_s.arg(kill)));
        importsSeen += static_cast<int>(batches.size());
        for (auto batch = batches.cbegin(); batch != batches.cend(); ++batch)
            QVERIFY2(batch.value() == kImport,
                     qPrintable(u"after kill %1: %2 holds %3 of %4 clients"_s.arg(kill).arg(batch.key()).arg(batch.value()).arg(kImport)));
    }
    // The kills came while the writer was writing, not only before it began.
    QVERIFY(changesSeen > 0);
    qInfo("%d kills; whole imports and edits seen in the checks after them: %d and %d", kills(), importsSeen, changesSeen);
}

void TestBookKill::twoWritersBothFinish()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"shared.sqlite"_s);
    QProcess first;
    QProcess second;
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(QStringLiteral(VELMORA_BOOK_WRITER), {path, u"adds"_s, u"First"_s, u"500"_s});
    second.start(QStringLiteral(VELMORA_BOOK_WRITER), {path, u"adds"_s, u"Second"_s, u"500"_s});
    for (QProcess *writer : {&first, &second}) {
        QVERIFY(writer->waitForFinished(100000));
        QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer->exitCode(), 0);
    }
    QString error;
    const auto book = ClientBook::open(path, &error);
    QVERIFY2(book, qPrintable(error));
    QCOMPARE(book->clientCount(), std::optional<qint64>(1000));
    for (const QString &who : {u"first"_s, u"second"_s}) {
        const auto found = book->findClients(who);
        QVERIFY(found);
        QSet<QString> numbers;
        for (const ClientSummary &client : *found)
            numbers.insert(client.name.section(u' ', 1));
        QCOMPARE(numbers.size(), 500);
    }
}

QTEST_GUILESS_MAIN(TestBookKill)
#include "tst_bookkill.moc"
