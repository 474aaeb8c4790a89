// SPDX-License-Identifier: MIT
#include "startup.h"

#include <QFile>
#include <QPointer>

#include <memory>

#include <fcntl.h>
#include <unistd.h>

#include "formstyle.h"
#include "frmmain.h"
#include "links.h"
#include "platform.h"
#include "reportinbox.h"
#include "updatereminder.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView kAlreadyRunning{"Application is already running"};
// The copy that owns the program's name does not answer: stopped, hung, or
// another process that holds the name.
constexpr QLatin1StringView kNoAnswer{"Another Copy Is Running But Does Not Answer."};
constexpr QLatin1StringView kNotOpened{"The Report Was Not Opened."};

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
    for (int attempt = 0; !platform.claimSingleInstance(); ++attempt) {
        // Given no file, the running copy is still asked to come to the front.
        const velmora::HandOver handOver = platform.handOverReport(reportFile);
        // The running copy ended in between: this one runs instead.
        if (handOver == velmora::HandOver::NoRunningCopy && attempt == 0)
            continue;
        if (handOver == velmora::HandOver::Taken && !reportFile.isEmpty())
            return nullptr;
        velmora::Message message{velmora::MessageIcon::Information, kAlreadyRunning,
                                 QString(velmora::kApplicationTitle)};
        if (handOver == velmora::HandOver::NoAnswer) {
            message.icon = velmora::MessageIcon::Critical;
            message.text = reportFile.isEmpty() ? QString(kNoAnswer) : QString(kNoAnswer) + u'\r' + kNotOpened;
        }
        platform.showMessage(nullptr, message);
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

    // Reports handed over open once the other copy has its answer, and once
    // no box or dialog waits on the person; none is refused while a window
    // of the program is up.
    auto *inbox = new ReportInbox(*window, [target = window.get()](const QByteArray &fileName) {
        openReport(*target, fileName);
    });
    platform.receiveReports([inbox = QPointer<ReportInbox>(inbox)](const QByteArray &fileName) {
        if (!inbox)
            return false;
        if (fileName.isEmpty())
            inbox->comeToFront();
        else
            inbox->take(fileName);
        return true;
    });
    return window;
}
