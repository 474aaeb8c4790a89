// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>
#include <cstdio>
#include <cstring>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include "instancelock.h"
#include "qtplatform.h"

using namespace Qt::StringLiterals;
using velmora::InstanceLock;

namespace {

constexpr auto kClaimArgument = "--claim";

// Closes what this process has open of the file, as the system does for a
// process that crashes.
void closeDescriptorsOf(const QString &fileName)
{
    const QByteArray target = QFile::encodeName(fileName);
    for (const QString &entry : QDir(u"/proc/self/fd"_s).entryList(QDir::Files | QDir::System)) {
        const QByteArray link = QFile::encodeName(u"/proc/self/fd/"_s + entry);
        std::array<char, 4096> path{};
        const ssize_t size = ::readlink(link.constData(), path.data(), path.size());
        if (size > 0 && QByteArrayView(path.data(), size) == target)
            ::close(entry.toInt());
    }
}

// A copy of the program as far as the lock goes, forked once for many
// trials. At each 'c' it claims the lock and answers with what it got, as
// one byte; at each 'e' it ends that copy's run normally (a copy that held
// the lock removes its file) and answers 'e'; at each 'x' it lets go of the
// lock as a crashing copy does, leaving its file, and answers 'x'.
class Copy
{
public:
    explicit Copy(const QString &lockFile)
    {
        m_pid = ::fork();
        if (m_pid != 0) {
            ::close(m_orders.ends[0]);
            ::close(m_answers.ends[1]);
            return;
        }
        std::unique_ptr<InstanceLock> lock;
        char order = 0;
        while (::read(m_orders.ends[0], &order, 1) == 1) {
            char answer = order;
            if (order == 'c') {
                lock = std::make_unique<InstanceLock>(lockFile);
                answer = static_cast<char>(lock->claim());
            } else if (order == 'e') {
                lock.reset();
            } else if (order == 'x') {
                closeDescriptorsOf(lockFile);
                (void)lock.release();
            }
            if (::write(m_answers.ends[1], &answer, 1) != 1)
                break;
        }
        ::_exit(0);
    }
    ~Copy()
    {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    Copy(const Copy &) = delete;
    Copy &operator=(const Copy &) = delete;

    void order(char what) const
    {
        if (::write(m_orders.ends[1], &what, 1) != 1)
            qFatal("the copy has ended");
    }
    [[nodiscard]] char answer() const
    {
        char what = 0;
        if (::read(m_answers.ends[0], &what, 1) != 1)
            qFatal("the copy has ended");
        return what;
    }

private:
    struct Pipe {
        std::array<int, 2> ends{-1, -1};
        Pipe()
        {
            if (::pipe(ends.data()) != 0)
                qFatal("no pipe");
        }
        ~Pipe()
        {
            for (const int end : ends) {
                if (end >= 0)
                    ::close(end);
            }
        }
    };
    Pipe m_orders;
    Pipe m_answers;
    pid_t m_pid = -1;
};

struct Tally {
    int claimed = 0;
    int held = 0;
    int unusable = 0;

    void count(char claim)
    {
        switch (static_cast<InstanceLock::Claim>(claim)) {
        case InstanceLock::Claim::Claimed:
            ++claimed;
            break;
        case InstanceLock::Claim::HeldByLiveCopy:
            ++held;
            break;
        case InstanceLock::Claim::Unusable:
            ++unusable;
            break;
        }
    }
};

// How many trials each race makes: VELMORA_LOCK_TRIALS, or 10,000. The
// quick suite runs a few hundred (tst_instancelock); tst_instancelock_long,
// label "long", the full number.
int trials()
{
    bool isNumber = false;
    const int wanted = qEnvironmentVariableIntValue("VELMORA_LOCK_TRIALS", &isNumber);
    return isNumber && wanted > 0 ? wanted : 10'000;
}

} // namespace

class TestInstanceLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two copies started at the same instant over a lock file that a crashed
    // copy left: exactly one of them runs, every time.
    void exactlyOneOfTwoCopiesClaimsAStaleLock()
    {
        const QTemporaryDir folder;
        const QString lockFile = folder.filePath(u"program.lock"_s);
        QFile stale(lockFile);
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("999999\nprogram\nhost\n") > 0);
        stale.close();

        const int trialCount = trials();
        const Copy first(lockFile);
        const Copy second(lockFile);
        Tally all;
        int wrong = 0;
        QElapsedTimer timer;
        timer.start();
        for (int trial = 0; trial < trialCount; ++trial) {
            first.order('c');
            second.order('c');
            Tally tally;
            tally.count(first.answer());
            tally.count(second.answer());
            all.claimed += tally.claimed;
            all.held += tally.held;
            all.unusable += tally.unusable;
            wrong += tally.claimed != 1 || tally.held != 1 ? 1 : 0;
            // Both end as crashed copies do, so each trial starts over a stale lock.
            for (const Copy *copy : {&first, &second}) {
                copy->order('x');
                QCOMPARE(copy->answer(), 'x');
            }
        }
        qInfo("%d trials in %.1f s: %d claims, %d refusals, %d unusable, %d trials without exactly one claim", trialCount,
              double(timer.elapsed()) / 1000, all.claimed, all.held, all.unusable, wrong);
        QCOMPARE(wrong, 0);
    }

    // A copy that ends normally removes its lock file; a copy starting that
    // instant may find the file gone between its look and its open, or hold
    // a file that is gone, and looks again: it never takes the lock place for
    // unusable, and never runs beside a copy that still holds the lock.
    void aCopyStartingAsAnotherEndsLooksAgain()
    {
        const QTemporaryDir folder;
        const QString lockFile = folder.filePath(u"program.lock"_s);
        const int trialCount = trials();
        const Copy ending(lockFile);
        const Copy starting(lockFile);
        Tally all;
        for (int trial = 0; trial < trialCount; ++trial) {
            ending.order('c');
            QCOMPARE(static_cast<InstanceLock::Claim>(ending.answer()), InstanceLock::Claim::Claimed);
            ending.order('e');
            starting.order('c');
            const char claim = starting.answer();
            QCOMPARE(ending.answer(), 'e');
            all.count(claim);
            QVERIFY2(all.unusable == 0, qPrintable(u"trial %1"_s.arg(trial)));
            // Whichever way it went, the lock is free for the next trial.
            starting.order('e');
            QCOMPARE(starting.answer(), 'e');
        }
        qInfo("%d trials: %d claims, %d refusals while the ending copy still held the lock", trialCount, all.claimed,
              all.held);
    }

    // A runtime folder with no space left (a small tmpfs, mounted in a user
    // namespace of the test's own) is named with its reason, and the lock
    // is kept in the cache folder instead.
    void fullRuntimeFolderFallsBackToTheCache()
    {
        const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
        if (unshare.isEmpty())
            QSKIP("unshare is missing");
        const QTemporaryDir home;
        const QString runtime = home.filePath(u"runtime"_s);
        QVERIFY(QDir().mkdir(runtime));
        QProcess copy;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        environment.insert(u"XDG_CACHE_HOME"_s, home.filePath(u"cache"_s));
        copy.setProcessEnvironment(environment);
        copy.start(unshare, {u"-Urm"_s, u"/bin/sh"_s, u"-c"_s,
                             u"mount -t tmpfs -o size=16k,mode=0700 tmpfs \"$0\" || exit 77; "
                             "cat /dev/zero >\"$0/filler\" 2>/dev/null; exec \"$1\" --claim"_s,
                             runtime, QCoreApplication::applicationFilePath()});
        QVERIFY(copy.waitForStarted());
        copy.waitForReadyRead(10000);
        if (copy.state() == QProcess::NotRunning && copy.exitCode() == 77)
            QSKIP("no tmpfs can be mounted in a user namespace here");
        const QByteArray said = copy.readAllStandardOutput();
        const qint64 pid = copy.processId();
        const QString application = QCoreApplication::applicationName();
        const QString fallback = home.filePath(u"cache/%1/%1.lock"_s.arg(application));
        QFile held(fallback);
        const QByteArray holder = held.open(QIODevice::ReadOnly) ? held.readLine().trimmed() : QByteArray();
        copy.closeWriteChannel();
        QVERIFY(copy.waitForFinished(10000));
        const QByteArray errors = copy.readAllStandardError();
        if (errors.contains("unshare"))
            QSKIP(qPrintable(u"no user namespace: %1"_s.arg(QString::fromLocal8Bit(errors.trimmed()))));
        QCOMPARE(said, QByteArray("runs\n"));
        QCOMPARE(holder, QByteArray::number(pid));
        const QByteArray expected = u"%1: cannot use the lock file %2/%1.lock (%3); using %4 instead\n"_s
                                        .arg(application, runtime, QString::fromLocal8Bit(std::strerror(ENOSPC)), fallback)
                                        .toUtf8();
        QCOMPARE(errors, expected);
    }
};

int main(int argc, char *argv[])
{
    // The lock is judged on its own: no session bus answers for it here.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    if (argc == 2 && std::strcmp(argv[1], kClaimArgument) == 0) {
        QCoreApplication application(argc, argv);
        velmora::QtPlatform platform;
        std::fputs(platform.claimSingleInstance() ? "runs\n" : "already running\n", stdout);
        std::fflush(stdout);
        for (int ch = 0; (ch = std::getchar()) != EOF;) {
        }
        return 0;
    }
    QCoreApplication application(argc, argv);
    TestInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instancelock.moc"
