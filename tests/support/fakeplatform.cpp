// SPDX-License-Identifier: MIT
#include "fakeplatform.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QWidget>

#include <algorithm>

velmora::MessageAnswer FakePlatform::showMessage(QWidget *, const velmora::Message &message)
{
    messages.append(message);
    const QWidgetList windows = QApplication::topLevelWidgets();
    visibleWindowsAtMessages.append(
        static_cast<int>(std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); })));
    if (message.buttons == velmora::MessageButtons::Ok)
        return velmora::MessageAnswer::Ok;
    if (answers.empty())
        return velmora::MessageAnswer::No;
    const velmora::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::chooseFile(QWidget *, const velmora::FileDialogRequest &request)
{
    fileRequests.append(request);
    if (chosenFiles.empty())
        return {};
    QString file = chosenFiles.front();
    chosenFiles.pop_front();
    return file;
}

QString FakePlatform::settingsValue(const QString &section, const QString &key)
{
    return settings.value({section, key});
}

void FakePlatform::setSettingsValue(const QString &section, const QString &key, const QString &value)
{
    settings.insert({section, key}, value);
}

double FakePlatform::random()
{
    if (randomValues.empty())
        return 0.0;
    const double value = randomValues.front();
    randomValues.pop_front();
    return value;
}

velmora::PrintOutcome FakePlatform::print(QWidget *, const velmora::PrintJob &job)
{
    ++printDialogs;
    if (!printerChosen)
        return velmora::PrintOutcome::Cancelled;
    printJobs.append(job);
    printedPdf.clear();
    QBuffer buffer(&printedPdf);
    buffer.open(QIODevice::WriteOnly);
    // Set up as the print dialog sets up a printer, with the unprintable area
    // of the printer chosen.
    QPdfWriter printer(&buffer);
    printer.setPageLayout(QPageLayout(job.pageSize, QPageLayout::Portrait, printerUnprintable,
                                      QPageLayout::Millimeter, printerUnprintable));
    printer.setTitle(job.title);
    printer.setCreator(job.creator);
    return job.paint(printer) ? velmora::PrintOutcome::Printed : velmora::PrintOutcome::Failed;
}

bool FakePlatform::claimSingleInstance()
{
    if (instanceClaims.empty())
        return singleInstance;
    const bool claimed = instanceClaims.front();
    instanceClaims.pop_front();
    return claimed;
}

velmora::HandOver FakePlatform::handOverReport(const QByteArray &fileName)
{
    handedOver.append(fileName);
    return handOverAnswer;
}
