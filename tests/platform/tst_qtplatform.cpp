// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "instancelock.h"
#include "qtplatform.h"
#include "watchdog.h"

using namespace Qt::StringLiterals;
using velmora::InstanceLock;

Q_DECLARE_METATYPE(InstanceLock::Claim)

namespace {

constexpr auto kHoldArgument = "--hold-lock";
constexpr auto kRunArgument = "--run-as-copy";

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeLink(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray lockText(qint64 pid, const QString &host)
{
    return QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' + host.toUtf8()
        + '\n';
}

// A process id that no process has now: one of a child that has ended.
qint64 endedProcessId()
{
    QProcess process;
    process.start(u"/bin/true"_s, {});
    process.waitForFinished();
    return process.processId() > 0 ? process.processId() : 999'999;
}

// Another copy of this test, holding the lock until it is killed or its
// input closes. Gives its process once it has claimed the lock.
std::unique_ptr<QProcess> startHolder(const QString &lockFile)
{
    auto holder = std::make_unique<QProcess>();
    holder->start(QCoreApplication::applicationFilePath(), {QLatin1StringView(kHoldArgument), lockFile});
    if (!holder->waitForReadyRead(10000) || holder->readAll() != "claimed\n")
        return nullptr;
    return holder;
}

// Another copy of the program as far as the platform goes: it claims the
// single instance in the runtime folder given and answers whether it got it.
std::unique_ptr<QProcess> startCopy(const QString &runtime)
{
    auto copy = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    copy->setProcessEnvironment(environment);
    copy->start(QCoreApplication::applicationFilePath(), {QLatin1StringView(kRunArgument)});
    if (!copy->waitForReadyRead(10000))
        return nullptr;
    return copy;
}

// Runs the code with the standard error stream going to a file, and gives
// what was written there.
template<typename Code>
QByteArray standardErrorOf(Code code)
{
    std::fflush(stderr);
    QTemporaryDir folder;
    const QByteArray file = QFile::encodeName(folder.filePath(u"stderr"_s));
    const int saved = ::dup(STDERR_FILENO);
    const int capture = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ::dup2(capture, STDERR_FILENO);
    ::close(capture);
    code();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    QFile read(QFile::decodeName(file));
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void judgesWhatLiesAtTheLockPlace_data();
    void judgesWhatLiesAtTheLockPlace();
    void onlyALiveCopyHoldsTheLock();
    void startsWithoutALockAndSaysWhy_data();
    void startsWithoutALockAndSaysWhy();
    void withoutABusOneCopyRunsAndAStaleLockIsReplaced();
    void keepsTheLockInAPrivateFolder_data();
    void keepsTheLockInAPrivateFolder();
    void settingsStoreIsTheFileQSettingsUses();
    void settingsStoreUsesOnlyARegularFile_data();
    void settingsStoreUsesOnlyARegularFile();
};

void TestQtPlatform::judgesWhatLiesAtTheLockPlace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<InstanceLock::Claim>("claim");
    QTest::addColumn<QString>("reason");

    using Claim = InstanceLock::Claim;
    QTest::newRow("nothing") << u"nothing"_s << Claim::Claimed << QString();
    QTest::newRow("empty lock (a power cut)") << u"empty"_s << Claim::Claimed << QString();
    QTest::newRow("random bytes") << u"random"_s << Claim::Claimed << QString();
    QTest::newRow("another host's lock") << u"other host"_s << Claim::Claimed << QString();
    QTest::newRow("a copy that has ended") << u"ended"_s << Claim::Claimed << QString();
    QTest::newRow("another program's process (a process id used again)") << u"other program"_s << Claim::Claimed << QString();
    QTest::newRow("a process of another user") << u"other user"_s << Claim::Claimed << QString();
    QTest::newRow("this very process (a process id used again)") << u"self"_s << Claim::Claimed << QString();
    QTest::newRow("folder") << u"folder"_s << Claim::Unusable << QString::fromLocal8Bit(std::strerror(EISDIR));
    QTest::newRow("fifo") << u"fifo"_s << Claim::Unusable << u"not a regular file"_s;
    QTest::newRow("link") << u"link"_s << Claim::Unusable << u"not a regular file"_s;
}

// Whatever lies at the lock place, claiming never waits.
void TestQtPlatform::judgesWhatLiesAtTheLockPlace()
{
    QFETCH(QString, kind);
    QFETCH(InstanceLock::Claim, claim);
    QFETCH(QString, reason);

    const QTemporaryDir folder;
    const QString path = folder.filePath(u"program.lock"_s);
    std::unique_ptr<QProcess> other;
    std::unique_ptr<QProcess> holder;
    if (kind == u"empty"_s) {
        QVERIFY(writeFile(path, {}));
    } else if (kind == u"random"_s) {
        QByteArray bytes(256, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
        QVERIFY(writeFile(path, bytes));
    } else if (kind == u"other host"_s) {
        // A copy with that process id runs here, but says nothing of the other host.
        holder = startHolder(folder.filePath(u"holder.lock"_s));
        QVERIFY(holder);
        QVERIFY(writeFile(path, lockText(holder->processId(), QSysInfo::machineHostName() + u"-elsewhere"_s)));
    } else if (kind == u"ended"_s) {
        QVERIFY(writeFile(path, lockText(endedProcessId(), QSysInfo::machineHostName())));
    } else if (kind == u"other program"_s) {
        other = std::make_unique<QProcess>();
        other->start(u"/bin/sleep"_s, {u"30"_s});
        QVERIFY(other->waitForStarted());
        QVERIFY(writeFile(path, lockText(other->processId(), QSysInfo::machineHostName())));
    } else if (kind == u"other user"_s) {
        // Process 1 is the system's, never this user's copy.
        QVERIFY(writeFile(path, lockText(1, QSysInfo::machineHostName())));
    } else if (kind == u"self"_s) {
        QVERIFY(writeFile(path, lockText(QCoreApplication::applicationPid(), QSysInfo::machineHostName())));
    } else if (kind == u"folder"_s) {
        QVERIFY(QDir(folder.path()).mkdir(u"program.lock"_s));
    } else if (kind == u"fifo"_s) {
        QVERIFY(makeFifo(path));
    } else if (kind == u"link"_s) {
        QVERIFY(writeFile(folder.filePath(u"elsewhere"_s), "x") && makeLink(u"elsewhere"_s, path));
    }

    InstanceLock lock(path);
    InstanceLock::Claim got{};
    {
        const Watchdog watchdog(5);
        got = lock.claim();
    }
    for (QProcess *process : {other.get(), holder.get()}) {
        if (process != nullptr) {
            process->kill();
            process->waitForFinished();
        }
    }
    QCOMPARE(got, claim);
    QCOMPARE(lock.reason(), reason);
    if (claim == InstanceLock::Claim::Claimed) {
        // The lock now names this process, as a live copy.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    }
}

void TestQtPlatform::onlyALiveCopyHoldsTheLock()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"program.lock"_s);
    const std::unique_ptr<QProcess> holder = startHolder(path);
    QVERIFY(holder);
    {
        InstanceLock second(path);
        QCOMPARE(second.claim(), InstanceLock::Claim::HeldByLiveCopy);
    }
    // Killed, the copy leaves its lock file behind; no live copy holds it now.
    holder->kill();
    holder->waitForFinished();
    QVERIFY(QFileInfo::exists(path));
    InstanceLock after(path);
    QCOMPARE(after.claim(), InstanceLock::Claim::Claimed);
}

void TestQtPlatform::startsWithoutALockAndSaysWhy_data()
{
    QTest::addColumn<bool>("cacheUsable");
    QTest::newRow("the cache folder's lock instead") << true;
    QTest::newRow("no lock at all") << false;
}

// A lock place in the runtime folder that cannot be used gives way to the
// one in the cache folder; when neither can be used, the program starts all
// the same. Either way it says why.
void TestQtPlatform::startsWithoutALockAndSaysWhy()
{
    QFETCH(bool, cacheUsable);
    const QTemporaryDir runtime;
    const QTemporaryDir cache;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString name = QCoreApplication::applicationName() + u".lock"_s;
    QVERIFY(makeFifo(runtime.filePath(name)));
    const QString cacheLock = cache.filePath(QCoreApplication::applicationName() + u'/' + name);
    if (!cacheUsable)
        QVERIFY(QDir().mkpath(cacheLock));

    velmora::QtPlatform platform;
    bool claimed = false;
    const QByteArray errors = standardErrorOf([&] {
        const Watchdog watchdog(5);
        claimed = platform.claimSingleInstance();
    });
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("XDG_CACHE_HOME", savedCache);
    QVERIFY(claimed);
    const QString runtimeProblem = u"cannot use the lock file %1 (not a regular file)"_s.arg(runtime.filePath(name));
    const QString said = cacheUsable
        ? u"%1; using %2 instead"_s.arg(runtimeProblem, cacheLock)
        : u"%1; cannot use the lock file %2 (%3); starting without the check for another copy"_s.arg(
              runtimeProblem, cacheLock, QString::fromLocal8Bit(std::strerror(EISDIR)));
    QCOMPARE(QString::fromUtf8(errors), QCoreApplication::applicationName() + u": "_s + said + u'\n');
}

void TestQtPlatform::withoutABusOneCopyRunsAndAStaleLockIsReplaced()
{
    const QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const std::unique_ptr<QProcess> first = startCopy(runtime.path());
    QVERIFY(first);
    QCOMPARE(first->readAll(), QByteArray("runs\n"));
    const std::unique_ptr<QProcess> second = startCopy(runtime.path());
    QVERIFY(second);
    QCOMPARE(second->readAll(), QByteArray("already running\n"));
    // A copy that crashes leaves its lock file; the next copy starts.
    first->kill();
    first->waitForFinished();
    QVERIFY(QFileInfo::exists(runtime.filePath(QCoreApplication::applicationName() + u".lock"_s)));
    const std::unique_ptr<QProcess> third = startCopy(runtime.path());
    QVERIFY(third);
    QCOMPARE(third->readAll(), QByteArray("runs\n"));
}

void TestQtPlatform::keepsTheLockInAPrivateFolder_data()
{
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<bool>("usesRuntime");
    QTest::newRow("private runtime folder") << u"private"_s << true;
    QTest::newRow("runtime folder others can enter") << u"open"_s << false;
    QTest::newRow("runtime folder behind a link") << u"link"_s << false;
    QTest::newRow("relative runtime folder") << u"relative"_s << false;
    QTest::newRow("no runtime folder (su, cron)") << u"unset"_s << false;
}

// Never a shared folder: when the runtime folder is not the user's own, a
// folder under the cache is made private and used instead.
void TestQtPlatform::keepsTheLockInAPrivateFolder()
{
    QFETCH(QString, runtime);
    QFETCH(bool, usesRuntime);

    const QTemporaryDir home;
    const QString folder = home.filePath(u"runtime"_s);
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                              | (runtime == u"open"_s ? QFile::ReadOther | QFile::ExeOther
                                                                      : QFile::Permissions())));
    // A cache folder left open to others beforehand is closed.
    const QString cache = home.filePath(u"cache/"_s) + QCoreApplication::applicationName();
    QVERIFY(QDir().mkpath(cache));
    QVERIFY(QFile::setPermissions(cache, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                             | QFile::ExeOther));
    QByteArray variable = QFile::encodeName(folder);
    if (runtime == u"link"_s) {
        QVERIFY(makeLink(folder, home.filePath(u"link"_s)));
        variable = QFile::encodeName(home.filePath(u"link"_s));
    } else if (runtime == u"relative"_s) {
        variable = "runtime";
    }
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    if (runtime == u"unset"_s)
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", variable);
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(u"cache"_s)));
    const QString chosen = InstanceLock::privateFolder().value_or(QString());
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("XDG_CACHE_HOME", savedCache);

    QCOMPARE(chosen, usesRuntime ? folder : cache);
    struct stat info {};
    QVERIFY(::lstat(QFile::encodeName(chosen).constData(), &info) == 0);
    QVERIFY(S_ISDIR(info.st_mode) && info.st_uid == ::geteuid());
    QCOMPARE(info.st_mode & 0777, 0700u);
}

// QSettings takes its folder from the environment once per process: main()
// gives the test a configuration folder of its own before anything else runs.
void TestQtPlatform::settingsStoreIsTheFileQSettingsUses()
{
    const QString application = QCoreApplication::applicationName();
    QCOMPARE(velmora::QtPlatform::settingsFileName(),
             QSettings(QSettings::NativeFormat, QSettings::UserScope, application, application).fileName());
}

void TestQtPlatform::settingsStoreUsesOnlyARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("usable");

    QTest::newRow("absent") << u"absent"_s << true;
    QTest::newRow("regular file") << u"file"_s << true;
    QTest::newRow("link to a regular file") << u"link to file"_s << true;
    QTest::newRow("fifo") << u"fifo"_s << false;
    QTest::newRow("link to a device") << u"link to device"_s << false;
    QTest::newRow("folder") << u"folder"_s << false;
    QTest::newRow("link to nothing") << u"dangling link"_s << false;
    QTest::newRow("file just within the size limit") << u"file at the limit"_s << true;
    QTest::newRow("file too large") << u"large file"_s << false;
    QTest::newRow("link to a file too large") << u"link to large file"_s << false;
}

// An unusable store reads as no value and is left exactly as it was.
void TestQtPlatform::settingsStoreUsesOnlyARegularFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, usable);

    // A store of its own for each case.
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(application + u'-' + QString(QTest::currentDataTag()).replace(u' ', u'-'));
    const QString store = velmora::QtPlatform::settingsFileName();
    const QString real = store + u".real"_s;
    QVERIFY(QDir().mkpath(QFileInfo(store).path()));
    if (kind == u"file"_s)
        QVERIFY(writeFile(store, {}));
    else if (kind == u"link to file"_s)
        QVERIFY(writeFile(real, {}) && makeLink(real, store));
    else if (kind == u"fifo"_s)
        QVERIFY(makeFifo(store));
    else if (kind == u"link to device"_s)
        QVERIFY(makeLink(u"/dev/null"_s, store));
    else if (kind == u"folder"_s)
        QVERIFY(QDir().mkdir(store));
    else if (kind == u"dangling link"_s)
        QVERIFY(makeLink(real, store));
    // The store's size limit is the one of report files.
    const QByteArray comments = QByteArray("; a comment\n").repeated(64 * 1024 / 12);
    if (kind == u"file at the limit"_s)
        QVERIFY(writeFile(store, comments));
    else if (kind == u"large file"_s)
        QVERIFY(writeFile(store, comments + QByteArray(64 * 1024 + 1 - comments.size(), ';')));
    else if (kind == u"link to large file"_s)
        QVERIFY(writeFile(real, QByteArray(1024 * 1024, ';')) && makeLink(real, store));
    struct stat before {};
    ::lstat(QFile::encodeName(store).constData(), &before);

    velmora::QtPlatform platform;
    QString read = u"not read"_s;
    {
        const Watchdog watchdog(5);
        platform.setSettingsValue(u"Settings"_s, u"Key"_s, u"value"_s);
        read = platform.settingsValue(u"Settings"_s, u"Key"_s);
    }
    struct stat after {};
    const bool exists = ::lstat(QFile::encodeName(store).constData(), &after) == 0;
    const bool realExists = QFileInfo::exists(real);
    QCoreApplication::setApplicationName(application);

    QCOMPARE(read, usable ? u"value"_s : QString());
    if (kind == u"absent"_s) {
        QVERIFY(exists && S_ISREG(after.st_mode));
    } else {
        QVERIFY(exists);
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT); // a link stays a link
        if (!usable) {
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(after.st_size, before.st_size);
        }
    }
    if (kind == u"dangling link"_s)
        QVERIFY(!realExists);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], kHoldArgument) == 0) {
        QCoreApplication application(argc, argv);
        InstanceLock lock(QString::fromLocal8Bit(argv[2]));
        if (lock.claim() != InstanceLock::Claim::Claimed)
            return 1;
        std::fputs("claimed\n", stdout);
        std::fflush(stdout);
        for (int ch = 0; (ch = std::getchar()) != EOF;) {
        }
        return 0;
    }
    // The lock is judged on its own: no session bus answers for it here.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    if (argc == 2 && std::strcmp(argv[1], kRunArgument) == 0) {
        QCoreApplication application(argc, argv);
        velmora::QtPlatform platform;
        std::fputs(platform.claimSingleInstance() ? "runs\n" : "already running\n", stdout);
        std::fflush(stdout);
        for (int ch = 0; (ch = std::getchar()) != EOF;) {
        }
        return 0;
    }
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication application(argc, argv);
    TestQtPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtplatform.moc"
