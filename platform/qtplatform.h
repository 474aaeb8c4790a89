// SPDX-License-Identifier: MIT
#pragma once

#include <QRandomGenerator>

#include <memory>

#include "platform.h"

class QLibrary;

namespace velmora {

class InstanceLock;
class ReportHandover;

// The platform on a real desktop: Qt's message boxes, file dialogs, desktop
// services, print dialog, clipboard, settings store, lock files and local
// sockets.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
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
    bool handOverReport(const QString &fileName) override;
    void receiveReports(ReportReceiver receiver) override;
    void quitApplication() override;

    // Where the settings store lives: the file QSettings reads and writes.
    [[nodiscard]] static QString settingsFileName();

private:
    QRandomGenerator m_random;
    std::unique_ptr<InstanceLock> m_instanceLock;
    std::unique_ptr<ReportHandover> m_handover;
    std::unique_ptr<QLibrary> m_printModule;
    bool m_quitting = false;
};

} // namespace velmora
