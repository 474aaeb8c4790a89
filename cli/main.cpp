// SPDX-License-Identifier: MIT
#include <QCoreApplication>

#include <cstdio>

#include "cliapplication.h"

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavi-velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    return velmora::CliApplication(stdout, stderr).run(QCoreApplication::arguments());
}
