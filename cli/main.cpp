// SPDX-License-Identifier: MIT
#include <QByteArrayList>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cliapplication.h"
#include "clioptions.h"
#include "version.h"

namespace {

// The tool's standard error carries its own messages only; Qt's notes (such
// as one about a missing XDG_RUNTIME_DIR when the PDF is drawn) are no
// concern of a person running it.
void dropQtMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tavi-velmora-cli: %s\n", qUtf8Printable(message));
        std::abort();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QByteArrayList argumentBytes;
    QStringList arguments;
    for (int k = 0; k < argc; ++k) {
        argumentBytes << QByteArray(argv[k]);
        arguments << QString::fromLocal8Bit(argv[k]);
    }
    qInstallMessageHandler(dropQtMessage);
    std::unique_ptr<QCoreApplication> application;
    if (velmora::drawsPdf(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("tavi-velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    return velmora::CliApplication(stdout, stderr).run(QCoreApplication::arguments(), argumentBytes);
}
