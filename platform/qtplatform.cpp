// SPDX-License-Identifier: MIT
#include "qtplatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QApplication>
#include <QGuiApplication>
#include <QLockFile>
#include <QMessageBox>
#include <QLibrary>
#include <QSettings>
#include <QStandardPaths>

#include "reporthandover.h"

using namespace Qt::StringLiterals;

namespace velmora {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(QWidget *parent, const Message &message)
{
    QMessageBox box(parent);
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
    if (!request.folder.isEmpty() && QFileInfo(request.folder).isDir())
        dialog.setDirectory(request.folder);
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

PrintOutcome QtPlatform::print(QWidget *parent, const PagePainter &paint)
{
    using PrintFunction = PrintOutcome (*)(QWidget *, const PagePainter &);
    if (!m_printModule) {
        m_printModule = std::make_unique<QLibrary>(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VELMORA_PRINT_MODULE)));
    }
    const auto printWith = reinterpret_cast<PrintFunction>(m_printModule->resolve("velmoraPrint"));
    if (printWith == nullptr) {
        qWarning("printing is not available: %s", qPrintable(m_printModule->errorString()));
        return PrintOutcome::Failed;
    }
    return printWith(parent, paint);
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::clearClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

QString QtPlatform::settingsValue(const QString &section, const QString &key)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                       QCoreApplication::applicationName());
    settings.beginGroup(section);
    return settings.value(key).toString();
}

void QtPlatform::setSettingsValue(const QString &section, const QString &key, const QString &value)
{
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

bool QtPlatform::claimSingleInstance()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_instanceLock = std::make_unique<QLockFile>(
        QDir(folder).filePath(QCoreApplication::applicationName() + u".lock"_s));
    // Only a live process holds the lock: a lock left by a crashed copy is stale
    // whatever its age, and tryLock() removes it.
    m_instanceLock->setStaleLockTime(0);
    return m_instanceLock->tryLock(0);
}

bool QtPlatform::handOverReport(const QString &fileName)
{
    return ReportHandover::send(ReportHandover::userServerName(), fileName);
}

void QtPlatform::receiveReports(ReportReceiver receiver)
{
    m_handover = std::make_unique<ReportHandover>(ReportHandover::userServerName(), std::move(receiver));
    m_handover->listen();
}

void QtPlatform::quitApplication()
{
    // Closing a window may itself ask to end the program (the last window
    // does); the first request does the work.
    if (m_quitting)
        return;
    m_quitting = true;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace velmora
