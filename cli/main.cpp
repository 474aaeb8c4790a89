// SPDX-License-Identifier: MIT
#include <QByteArrayList>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

#include "cliapplication.h"
#include "version.h"

namespace {

// Drawing a PDF document needs fonts, and so a GUI application; the offscreen
// platform gives one with no display.
bool wantsPdf(int argc, char *argv[])
{
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--") == 0)
            return false;
        if (std::strcmp(argv[k], "--pdf") == 0 || std::strncmp(argv[k], "--pdf=", 6) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QByteArrayList argumentBytes;
    for (int k = 0; k < argc; ++k)
        argumentBytes << QByteArray(argv[k]);
    std::unique_ptr<QCoreApplication> application;
    if (wantsPdf(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("tavi-velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    return velmora::CliApplication(stdout, stderr).run(QCoreApplication::arguments(), argumentBytes);
}
