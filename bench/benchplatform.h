// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"
#include "desktop.h"
#include "dialogs.h"
#include "printing.h"
#include "randomnumbers.h"
#include "settingsstore.h"

// The desktop as the run benchmark's window needs it: every message is
// answered OK or No, dialogs are cancelled, nothing is opened or stored.
class BenchPlatform final : public velmora::Dialogs,
                            public velmora::Desktop,
                            public velmora::SettingsStore,
                            public velmora::RandomNumbers,
                            public velmora::Printing,
                            public velmora::Clock
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

    int messages = 0;
};
