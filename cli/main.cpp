// SPDX-License-Identifier: MIT
#include <QByteArrayList>
#include <QCoreApplication>

#include <cstdio>

#include "cliapplication.h"

int main(int argc, char *argv[])
{
    QByteArrayList argumentBytes;
    for (int k = 0; k < argc; ++k)
        argumentBytes << QByteArray(argv[k]);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavi-velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    return velmora::CliApplication(stdout, stderr).run(QCoreApplication::arguments(), argumentBytes);
}
