// SPDX-License-Identifier: MIT
#pragma once

#include <QRandomGenerator>

#include <memory>

#include "platform.h"

namespace velmora {

class InstanceLock;

// The platform on a real desktop: Qt's message boxes, file dialogs, desktop
// services, clipboard, settings store and lock files.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer showMessage(QWidget *parent, const Message &message) override;
    QString chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    void openUrl(const QUrl &url) override;
    void clearClipboard() override;
    QString settingsValue(const QString &section, const QString &key) override;
    void setSettingsValue(const QString &section, const QString &key, const QString &value) override;
    QDate today() override;
    void seedRandom() override;
    double random() override;
    bool claimSingleInstance() override;
    void quitApplication() override;

    // Where the settings store lives: the file QSettings reads and writes.
    [[nodiscard]] static QString settingsFileName();

private:
    QRandomGenerator m_random;
    std::unique_ptr<InstanceLock> m_instanceLock;
    bool m_quitting = false;
};

} // namespace velmora
