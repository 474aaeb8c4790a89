// SPDX-License-Identifier: MIT
#include <QApplication>

#include <cstdio>

#include "appicon.h"
#include "commandline.h"
#include "frmmain.h"
#include "qtplatform.h"
#include "reporthandover.h"
#include "uifonts.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    // Help and the version need no display: they are answered before Qt connects to one.
    using Action = velmora::CommandLine::Action;
    const velmora::CommandLine early = velmora::parseCommandLine(argc, argv);
    if (early.action == Action::Help)
        return velmora::printText(stdout, velmora::helpText(), 0);
    if (early.action == Action::Version)
        return velmora::printText(stdout, velmora::versionText(), 0);

    // Qt takes the launcher's activation tokens out of the environment as it
    // starts; a second copy passes them on to the running one.
    const velmora::handover::LaunchTokens launchTokens = velmora::handover::LaunchTokens::fromEnvironment();

    // The application name stays the executable's name: it names the
    // settings store and the single-instance lock. No display name is set:
    // Qt would append it to every window title the desktop shows.
    QApplication application(argc, argv);
    // QApplication has taken its own options out of argv; the report file
    // is read from what is left, in its bytes.
    const velmora::CommandLine commandLine = velmora::parseCommandLine(argc, argv);
    if (commandLine.action == Action::Error)
        return velmora::printText(stderr, QStringLiteral("tavi-velmora: %1 (see --help)\n").arg(commandLine.error), 2);
    // Names the launcher entry, so that the desktop matches the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvex.tavivelmora"));
    QApplication::setWindowIcon(velmora::applicationIcon());
    // One face for every window and menu, so the fonts are matched once.
    QApplication::setFont(velmora::uifonts::windowFont());

    velmora::QtPlatform platform(launchTokens);
    // Started by the bus to serve the program's name: without the name there
    // is nothing to serve, and the bus would wait on this copy in vain.
    if (commandLine.busActivated) {
        if (const QString problem = platform.serveBusName(); !problem.isEmpty())
            return velmora::printText(stderr, QStringLiteral("tavi-velmora: %1; started by the session bus, it ends\n").arg(problem), 1);
    }
    const std::unique_ptr<frmMain> window = startApplication(platform, commandLine.nativeReportFile);
    if (!window)
        return 0;
    return QApplication::exec();
}
