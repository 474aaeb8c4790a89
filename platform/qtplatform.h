// SPDX-License-Identifier: MIT
#pragma once

#include <QRandomGenerator>

#include <memory>

#include "platform.h"
#include "reporthandover.h"

class QLibrary;

namespace velmora {

class InstanceLock;

// The platform on a real desktop: Qt's message boxes, file dialogs, desktop
// services, print dialog, clipboard, settings store, and the session bus (or,
// without one, a lock file) for the single-instance check and the hand-over.
class QtPlatform final : public Platform
{
public:
    explicit QtPlatform(handover::LaunchTokens launchTokens = {},
                        const handover::BusIdentity &identity = handover::kProgramIdentity);
    ~QtPlatform() override;

    MessageAnswer showMessage(QWidget *parent, const Message &message) override;
    QString chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    PrintOutcome print(QWidget *parent, const PrintJob &job) override;
    void openUrl(const QUrl &url) override;
    void clearClipboard() override;
    QString settingsValue(const QString &section, const QString &key) override;
    void setSettingsValue(const QString &section, const QString &key, const QString &value) override;
    QDate today() override;
    void seedRandom() override;
    double random() override;
    bool claimSingleInstance() override;
    HandOver handOverReport(const QByteArray &fileName) override;
    void receiveReports(ReportReceiver receiver) override;
    void quitApplication() override;

    // Where the settings store lives: the file QSettings reads and writes.
    [[nodiscard]] static QString settingsFileName();

    // For a copy the session bus started to serve the program's name: takes
    // the name at once. Empty when it has it, else why it has not.
    [[nodiscard]] QString serveBusName();

private:
    handover::ApplicationService::Registration registerOnBus();

    QRandomGenerator m_random;
    handover::LaunchTokens m_launchTokens;
    handover::BusIdentity m_identity;
    std::unique_ptr<InstanceLock> m_instanceLock;
    std::unique_ptr<InstanceLock> m_cacheLock;
    std::unique_ptr<handover::ApplicationService> m_service;
    // Set when another copy owns the bus name: the hand-over goes to it.
    bool m_runningCopyOnBus = false;
    QString m_busProblem;
    std::unique_ptr<QLibrary> m_printModule;
    bool m_quitting = false;
};

} // namespace velmora
