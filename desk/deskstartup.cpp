// SPDX-License-Identifier: MIT
#include "deskstartup.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTimer>

#include "deskwindow.h"
#include "platform.h"
#include "version.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {

QString deskHelpText()
{
    return u"Usage: tavi-velmora-desk [FILE.vlm]\n"
           "The practitioner's window: a client's chart, forecast and comparison.\n"
           "\n"
           "  FILE.vlm       open this saved report as the client; when the desk\n"
           "                 already runs, the running copy opens it\n"
           "  -h, --help     show this help\n"
           "  -v, --version  show the version\n"
           "  --bus-activated\n"
           "                 started by the session bus to serve the desk's name:\n"
           "                 ends at once when it cannot have the name\n"
           "\n"
           "Qt's own options, such as -platform or -display, are taken too.\n"_s;
}

QString deskVersionText()
{
    return u"tavi-velmora-desk " VELMORA_VERSION "\n"_s;
}

std::unique_ptr<DeskWindow> startDesk(Platform &platform, const QByteArray &file, const QString &bookAddress)
{
    for (int attempt = 0; !platform.claimSingleInstance(); ++attempt) {
        const HandOver handOver = platform.handOverReport(file);
        // The running copy ended in between: this one runs instead.
        if (handOver == HandOver::NoRunningCopy && attempt == 0)
            continue;
        if (handOver == HandOver::Taken)
            return nullptr;
        Message message{MessageIcon::Information, u"Tavi Velmora Desk is already running."_s,
                        u"Tavi Velmora Desk"_s, MessageButtons::Ok};
        if (handOver == HandOver::NoAnswer) {
            message.icon = MessageIcon::Critical;
            message.text = u"Another copy of Tavi Velmora Desk is running but does not answer."_s;
            if (!file.isEmpty())
                message.text += u"\nThe report was not opened."_s;
        }
        platform.showMessage(nullptr, message);
        return nullptr;
    }

    auto window = std::make_unique<DeskWindow>(platform);
    if (!bookAddress.isEmpty())
        window->openBook(bookAddress);
    window->restoreState();
    window->show();
    if (!file.isEmpty())
        window->openReportFile(QFile::decodeName(file));

    // A file handed over opens once the other copy has its answer; none is
    // taken while a box or dialog waits on the person.
    platform.receiveReports([target = QPointer<DeskWindow>(window.get())](const QByteArray &fileName) {
        if (!target || QApplication::activeModalWidget() != nullptr)
            return false;
        QTimer::singleShot(0, target, [target, fileName] {
            target->comeToFront();
            if (!fileName.isEmpty())
                target->openReportFile(QFile::decodeName(fileName));
        });
        return true;
    });
    return window;
}

} // namespace velmora::desk
