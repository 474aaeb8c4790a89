// SPDX-License-Identifier: MIT
#pragma once

#include "platform.h"

// The desktop as the benchmarks' windows need it: every message is answered
// OK or No, dialogs are cancelled, nothing is opened or stored, and this copy
// is the only one.
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
    void quitApplication() override {}
    QString settingsValue(const QString &, const QString &) override { return {}; }
    void setSettingsValue(const QString &, const QString &, const QString &) override {}
    void seedRandom() override {}
    double random() override { return 0.0; }
    QDate today() override { return QDate(2026, 12, 8); }
    bool claimSingleInstance() override { return true; }
    velmora::HandOver handOverReport(const QByteArray &) override { return velmora::HandOver::Refused; }
    void receiveReports(velmora::ReportReceiver) override {}

    int messages = 0;
};
