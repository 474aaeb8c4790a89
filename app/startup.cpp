// SPDX-License-Identifier: MIT
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QMetaObject>
#include <QPointer>

#include <memory>

#include <fcntl.h>
#include <unistd.h>

#include "formstyle.h"
#include "frmmain.h"
#include "links.h"
#include "platform.h"
#include "updatereminder.h"

using namespace Qt::StringLiterals;

namespace {

// Opens the report whose name the system knows by these bytes. Qt's text for
// a name that is not UTF-8 loses bytes, so such a file is read through a
// descriptor opened by the bytes themselves.
void openReport(frmMain &window, const QByteArray &fileName)
{
    const QString name = QFile::decodeName(fileName);
    if (QFile::encodeName(name) == fileName) {
        window.openReportFile(name);
        return;
    }
    const int descriptor = ::open(fileName.constData(), O_PATH | O_CLOEXEC);
    window.openReportFile(name, descriptor < 0 ? QString() : u"/proc/self/fd/%1"_s.arg(descriptor));
    if (descriptor >= 0)
        ::close(descriptor);
}

} // namespace

std::unique_ptr<frmMain> startApplication(velmora::Platform &platform, const QByteArray &reportFile)
{
    if (!platform.claimSingleInstance()) {
        // Given no file, the running copy is still asked to come to the front.
        if (platform.handOverReport(reportFile) && !reportFile.isEmpty())
            return nullptr;
        platform.showMessage(nullptr,
                             velmora::Message{velmora::MessageIcon::Information, QStringLiteral("Application is already running"),
                                              QString(velmora::kApplicationTitle)});
        velmora::EndApplication(platform);
        return nullptr;
    }
    platform.seedRandom();
    velmora::CheckForUpdateReminder(platform, platform, platform, platform);

    auto window = std::make_unique<frmMain>(platform);
    window->adjustSize();
    velmora::centreOnScreen(window.get());
    window->show();
    window->activateWindow();
    window->ChoosePromotionLabel();
    if (!reportFile.isEmpty())
        openReport(*window, reportFile);

    // The file opens once the other copy has its answer. A window that is
    // closing, that waits on a dialog of its own, or that has a file still to
    // open takes no file: the other copy then says that this one runs, and no
    // second message box ever stacks on a first.
    auto opening = std::make_shared<bool>(false);
    platform.receiveReports([target = QPointer<frmMain>(window.get()), opening](const QByteArray &fileName) {
        if (!target || !target->isVisible())
            return false;
        if (fileName.isEmpty()) {
            target->comeToFront();
            return true;
        }
        if (*opening || QApplication::activeModalWidget() != nullptr)
            return false;
        *opening = true;
        QMetaObject::invokeMethod(
            target,
            [target, fileName, opening] {
                target->comeToFront();
                openReport(*target, fileName);
                *opening = false;
            },
            Qt::QueuedConnection);
        return true;
    });
    return window;
}
