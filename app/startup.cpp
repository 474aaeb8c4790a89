// SPDX-License-Identifier: MIT
#include "startup.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>

#include "formstyle.h"
#include "frmmain.h"
#include "links.h"
#include "platform.h"
#include "updatereminder.h"

std::unique_ptr<frmMain> startApplication(velmora::Platform &platform, const QString &reportFile)
{
    if (!platform.claimSingleInstance()) {
        if (!reportFile.isEmpty() && platform.handOverReport(reportFile))
            return nullptr;
        platform.showMessage(nullptr,
                             velmora::Message{velmora::MessageIcon::Information, QStringLiteral("Application is already running"),
                                              QString(velmora::kApplicationTitle)});
        velmora::EndApplication(platform);
        return nullptr;
    }
    platform.seedRandom();
    velmora::CheckForUpdateReminder(platform);

    auto window = std::make_unique<frmMain>(platform);
    window->adjustSize();
    velmora::centreOnScreen(window.get());
    window->show();
    window->activateWindow();
    window->ChoosePromotionLabel();
    if (!reportFile.isEmpty())
        window->openReportFile(reportFile);

    // The file opens once the other copy has its answer. A window that is
    // closing, or that waits on a dialog of its own, takes no file: the other
    // copy then says that this one runs.
    platform.receiveReports([target = QPointer<frmMain>(window.get())](const QString &fileName) {
        if (!target || !target->isVisible() || QApplication::activeModalWidget() != nullptr)
            return false;
        QMetaObject::invokeMethod(
            target,
            [target, fileName] {
                target->comeToFront();
                target->openReportFile(fileName);
            },
            Qt::QueuedConnection);
        return true;
    });
    return window;
}
