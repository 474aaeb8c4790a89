// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMarginsF>
#include <QMap>
#include <QPair>
#include <QStringList>
#include <QUrl>

#include <deque>

#include "platform.h"

// Stands in for the desktop in tests: records every message, dialog, address
// and clipboard use, and answers from queues that the test fills beforehand.
class FakePlatform final : public velmora::Platform
{
public:
    velmora::MessageAnswer showMessage(QWidget *parent, const velmora::Message &message) override;
    QString chooseFile(QWidget *parent, const velmora::FileDialogRequest &request) override;
    velmora::PrintOutcome print(QWidget *parent, const velmora::PrintJob &job) override;
    void openUrl(const QUrl &url) override { openedUrls.append(url); }
    void clearClipboard() override { ++clipboardClears; }
    QString settingsValue(const QString &section, const QString &key) override;
    void setSettingsValue(const QString &section, const QString &key, const QString &value) override;
    QDate today() override { return date; }
    void seedRandom() override { ++seeds; }
    double random() override;
    bool claimSingleInstance() override;
    velmora::HandOver handOverReport(const QByteArray &fileName) override;
    void receiveReports(velmora::ReportReceiver receiver) override { reportReceiver = std::move(receiver); }
    void quitApplication() override { ++quits; }

    // What the program showed or asked for, in order.
    QList<velmora::Message> messages;
    QList<int> visibleWindowsAtMessages; // how many windows were showing as each message came
    QList<velmora::FileDialogRequest> fileRequests;
    QList<QUrl> openedUrls;
    int printDialogs = 0;
    QList<velmora::PrintJob> printJobs; // what each print that was not cancelled was asked to print
    QByteArray printedPdf; // what the last print painted, as a PDF document
    QList<QByteArray> handedOver; // an empty name: asked to come to the front
    velmora::ReportReceiver reportReceiver;
    int clipboardClears = 0;
    int seeds = 0;
    int quits = 0;

    // The answers it gets. An empty answer queue answers No to a question.
    std::deque<velmora::MessageAnswer> answers;
    std::deque<QString> chosenFiles; // empty string: the user cancels
    bool printerChosen = true;       // false: the user cancels the print dialog
    QMarginsF printerUnprintable;    // the chosen printer's unprintable area, in millimetres
    velmora::HandOver handOverAnswer = velmora::HandOver::Taken;
    std::deque<double> randomValues;
    QMap<QPair<QString, QString>, QString> settings;
    QDate date{2026, 12, 8};
    bool singleInstance = true;
    std::deque<bool> instanceClaims; // the first answers to the claim, before singleInstance
};
