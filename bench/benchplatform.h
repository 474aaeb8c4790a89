// SPDX-License-Identifier: MIT
#pragma once

#include "platform.h"

// The desktop as the run benchmark needs it: every message is answered OK or
// No, dialogs are cancelled, nothing is opened or stored.
class BenchPlatform final : public velmora::Platform
{
public:
    velmora::MessageAnswer showMessage(QWidget *parent, const velmora::Message &message) override;
    QString chooseFile(QWidget *, const velmora::FileDialogRequest &) override { return {}; }
    velmora::PrintOutcome print(QWidget *, const velmora::PrintJob &) override
    {
        return velmora::PrintOutcome::Cancelled;
    }
    void openUrl(const QUrl &) override {}
    void clearClipboard() override {}
    QString settingsValue(const QString &, const QString &) override { return {}; }
    void setSettingsValue(const QString &, const QString &, const QString &) override {}
    QDate today() override { return QDate(2026, 12, 8); }
    void seedRandom() override {}
    double random() override { return 0.0; }
    bool claimSingleInstance() override { return true; }
    bool handOverReport(const QByteArray &) override { return false; }
    void receiveReports(velmora::ReportReceiver) override {}
    void quitApplication() override {}

    int messages = 0;
};
