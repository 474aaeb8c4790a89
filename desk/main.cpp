// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>

#include <cstdio>

#include "clientbook.h"
#include "deskstartup.h"
#include "deskwindow.h"
#include "programarguments.h"
#include "qtplatform.h"

int main(int argc, char *argv[])
{
    using Action = velmora::CommandLine::Action;
    // Help and the version need no display: they are answered before Qt connects to one.
    const velmora::CommandLine early = velmora::parseCommandLine(argc, argv);
    if (early.action == Action::Help)
        return velmora::printText(stdout, velmora::desk::deskHelpText(), 0);
    if (early.action == Action::Version)
        return velmora::printText(stdout, velmora::desk::deskVersionText(), 0);

    // Qt takes the launcher's activation tokens out of the environment as it starts.
    const auto launchTokens = velmora::handover::LaunchTokens::fromEnvironment();
    // The application name, the executable's, names the settings store and the lock.
    QApplication application(argc, argv);
    const velmora::CommandLine commandLine = velmora::parseCommandLine(argc, argv);
    if (commandLine.action == Action::Error)
        return velmora::printText(stderr, QStringLiteral("tavi-velmora-desk: %1 (see --help)\n").arg(commandLine.error), 2);
    QGuiApplication::setDesktopFileName(QString(velmora::handover::kDeskIdentity.busName));
    // The desk's own icon, as its launcher entry names it (Qt's SVG library, which the desk links, draws it).
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tavi-velmora-desk.svg")));

    velmora::QtPlatform platform(launchTokens, velmora::handover::kDeskIdentity);
    if (commandLine.busActivated) {
        if (const QString problem = platform.serveBusName(); !problem.isEmpty())
            return velmora::printText(stderr, QStringLiteral("tavi-velmora-desk: %1; started by the session bus, it ends\n").arg(problem), 1);
    }
    const std::unique_ptr<velmora::desk::DeskWindow> window
        = velmora::desk::startDesk(platform, commandLine.nativeReportFile,
                                   velmora::book::ClientBook::defaultAddress());
    if (!window)
        return 0;
    return QApplication::exec();
}
