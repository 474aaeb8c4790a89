// SPDX-License-Identifier: MIT
#include "qtplatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QLibrary>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>

#include "instancelock.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// A line on the standard error stream, after the program's name.
void say(const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(text));
    std::fflush(stderr);
}

} // namespace

QtPlatform::QtPlatform(handover::LaunchTokens launchTokens, const handover::BusIdentity &identity)
    : m_launchTokens(std::move(launchTokens))
    , m_identity(identity)
{
}

QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(QWidget *parent, const Message &message)
{
    QMessageBox box(parent);
    // A box with no window of its own above it (a second copy's, the
    // start-up question's) asks to stay in front as the tell-a-friend window
    // does, so that no window of the program can hide it.
    if (parent == nullptr)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setIcon(message.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information);
    box.setWindowTitle(message.caption);
    // A lone carriage return separates lines in the program's messages.
    QString text = message.text;
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    box.setText(text);
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (message.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent, request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (isUsableFolder(request.folder))
        dialog.setDirectory(request.folder);
    else if (!request.folder.isEmpty())
        dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (request.mode == FileDialogRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

PrintOutcome QtPlatform::print(QWidget *parent, const PrintJob &job)
{
    using PrintFunction = PrintOutcome (*)(QWidget *, const PrintJob &);
    if (!m_printModule) {
        m_printModule = std::make_unique<QLibrary>(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VELMORA_PRINT_MODULE)));
    }
    const auto printWith = reinterpret_cast<PrintFunction>(m_printModule->resolve("velmoraPrint"));
    if (printWith == nullptr) {
        qWarning("printing is not available: %s", qPrintable(m_printModule->errorString()));
        return PrintOutcome::Failed;
    }
    return printWith(parent, job);
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::clearClipboard()
{
    // Only what this program put there: what another program holds on the
    // clipboard or the selection is the user's, and stays.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection() && clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

QString QtPlatform::settingsFileName()
{
    const QString application = QCoreApplication::applicationName();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(application + u'/' + application + u".conf"_s);
}

namespace {

// The store holds a few short values; QSettings would read a file of any
// size whole, and a huge one would hold up the start.
constexpr qint64 kMaxSettingsSize = 64 * 1024;

// The settings store is used only when it is a regular file (or a link to
// one) of a sane size, or absent: a FIFO there would block the start, and a
// device or a link to one would be replaced by a regular file when written.
// Anything else is left as it is, and reads as no value.
bool isUsableStore(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return errno == ENOENT;
    if (S_ISLNK(info.st_mode) && ::stat(path.constData(), &info) != 0)
        return false;
    return S_ISREG(info.st_mode) && info.st_size <= kMaxSettingsSize;
}

} // namespace

QString QtPlatform::settingsValue(const QString &section, const QString &key)
{
    if (!isUsableStore(settingsFileName()))
        return {};
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                       QCoreApplication::applicationName());
    settings.beginGroup(section);
    return settings.value(key).toString();
}

void QtPlatform::setSettingsValue(const QString &section, const QString &key, const QString &value)
{
    if (!isUsableStore(settingsFileName()))
        return;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                       QCoreApplication::applicationName());
    settings.beginGroup(section);
    settings.setValue(key, value);
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

void QtPlatform::seedRandom()
{
    m_random.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::random()
{
    return m_random.generateDouble();
}

handover::ApplicationService::Registration QtPlatform::registerOnBus()
{
    using Registration = handover::ApplicationService::Registration;
    m_runningCopyOnBus = false;
    m_service.reset();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_busProblem = u"no session bus (%1)"_s.arg(bus.lastError().message());
        return Registration::Failed;
    }
    m_service = std::make_unique<handover::ApplicationService>(m_identity);
    const Registration registration = m_service->registerOn(bus);
    switch (registration) {
    case Registration::Owner:
        return registration;
    case Registration::OtherOwner:
        m_busProblem = u"another copy owns the name %1"_s.arg(m_identity.busName);
        m_runningCopyOnBus = true;
        break;
    case Registration::Failed:
        m_busProblem =
            u"the session bus refuses the name %1 (%2)"_s.arg(m_identity.busName, m_service->registrationError());
        break;
    }
    m_service.reset();
    return registration;
}

QString QtPlatform::serveBusName()
{
    return registerOnBus() == handover::ApplicationService::Registration::Owner ? QString() : m_busProblem;
}

bool QtPlatform::claimSingleInstance()
{
    m_instanceLock.reset();
    m_cacheLock.reset();
    // Started by the bus, this copy serves the name already.
    if (m_service)
        return true;
    // With a session bus, the copy that owns the program's name there is the
    // one that runs.
    switch (registerOnBus()) {
    case handover::ApplicationService::Registration::Owner:
        return true;
    case handover::ApplicationService::Registration::OtherOwner:
        return false;
    case handover::ApplicationService::Registration::Failed:
        // A bus that refuses the name is said; having none is usual (ssh, cron).
        if (QDBusConnection::sessionBus().isConnected())
            say(u"%1; a lock file keeps one copy instead"_s.arg(m_busProblem));
        break;
    }

    // Without one (ssh, cron, a bare X server), a lock file in a folder this
    // user alone owns: the runtime folder, or the cache folder where the
    // runtime folder is not the user's own or its lock cannot be used.
    const QString lockName = QCoreApplication::applicationName() + u".lock"_s;
    QString problem;
    if (const std::optional<QString> runtime = InstanceLock::runtimeFolder()) {
        m_instanceLock = std::make_unique<InstanceLock>(QDir(*runtime).filePath(lockName));
        switch (m_instanceLock->claim()) {
        case InstanceLock::Claim::Claimed:
            // A copy that could not use this place holds the one in the cache.
            if (InstanceLock::isHeld(QDir(InstanceLock::cacheFolderName()).filePath(lockName))) {
                m_instanceLock.reset();
                return false;
            }
            return true;
        case InstanceLock::Claim::HeldByLiveCopy:
            return false;
        case InstanceLock::Claim::Unusable:
            // A lock held here all the same (its holder could not be written
            // into it) still keeps out the copies that look here.
            problem = u"cannot use the lock file %1 (%2)"_s.arg(m_instanceLock->fileName(), m_instanceLock->reason());
            break;
        }
    }
    QString reason;
    if (const std::optional<QString> folder = InstanceLock::cacheFolder(&reason)) {
        m_cacheLock = std::make_unique<InstanceLock>(QDir(*folder).filePath(lockName));
        switch (m_cacheLock->claim()) {
        case InstanceLock::Claim::Claimed:
            if (!problem.isEmpty())
                say(u"%1; using %2 instead"_s.arg(problem, m_cacheLock->fileName()));
            return true;
        case InstanceLock::Claim::HeldByLiveCopy:
            return false;
        case InstanceLock::Claim::Unusable:
            reason = u"cannot use the lock file %1 (%2)"_s.arg(m_cacheLock->fileName(), m_cacheLock->reason());
            break;
        }
    }
    // Without a usable lock the program still starts: a second copy is a
    // smaller harm than a program that never starts.
    say(u"%1; starting without the check for another copy"_s.arg(problem.isEmpty() ? reason : problem + u"; "_s + reason));
    return true;
}

HandOver QtPlatform::handOverReport(const QByteArray &fileName)
{
    // Without a bus there is no hand-over: the lock tells only that a copy runs.
    return m_runningCopyOnBus ? handover::send(fileName, m_launchTokens, 5000, m_identity) : HandOver::Refused;
}

void QtPlatform::receiveReports(ReportReceiver receiver)
{
    if (m_service)
        m_service->setReceiver(std::move(receiver));
}

void QtPlatform::quitApplication()
{
    // Closing a window may itself ask to end the program (the last window
    // does); the first request does the work.
    if (m_quitting)
        return;
    m_quitting = true;
    // From now on a launch starts a new copy.
    if (m_service)
        m_service->release();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace velmora
