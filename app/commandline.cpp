// SPDX-License-Identifier: MIT
#include "commandline.h"

#include <QFile>

#include "version.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

constexpr QLatin1StringView kBusActivated{"--bus-activated"};

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    const qsizetype end = arguments.indexOf(u"--"_s);
    const QStringList options = arguments.mid(1, end < 0 ? -1 : end - 1);
    if (options.contains(u"--help"_s) || options.contains(u"-h"_s))
        return {CommandLine::Action::Help, {}, {}, {}, false};
    if (options.contains(u"--version"_s) || options.contains(u"-v"_s))
        return {CommandLine::Action::Version, {}, {}, {}, false};

    QStringList files;
    bool busActivated = false;
    for (const QString &option : options) {
        if (option == kBusActivated) {
            busActivated = true;
            continue;
        }
        if (option.startsWith(u'-') && option.size() > 1)
            return {CommandLine::Action::Error, {}, u"unknown option '%1'"_s.arg(option), {}, false};
        files << option;
    }
    if (end >= 0)
        files << arguments.mid(end + 1);
    if (files.size() > 1)
        return {CommandLine::Action::Error, {}, u"one report file at most, not %1"_s.arg(files.size()), {}, false};
    return {CommandLine::Action::Run, files.value(0), {}, QFile::encodeName(files.value(0)), busActivated};
}

CommandLine parseCommandLine(int argc, const char *const argv[])
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QFile::decodeName(argv[k]);
    CommandLine line = parseCommandLine(arguments);
    if (line.action == CommandLine::Action::Run && !line.reportFile.isEmpty()) {
        // The one file is the last argument that reads as its name.
        const qsizetype index = arguments.lastIndexOf(line.reportFile);
        line.nativeReportFile = QByteArray(argv[index]);
    }
    return line;
}

QString helpText()
{
    return u"Usage: tavi-velmora [FILE.vlm]\n"
           "Numerology readings for a person, in a window.\n"
           "\n"
           "  FILE.vlm       open this saved report; when the program already runs,\n"
           "                 the running copy opens it\n"
           "  -h, --help     show this help\n"
           "  -v, --version  show the version\n"
           "  --bus-activated\n"
           "                 started by the session bus to serve the program's name:\n"
           "                 ends at once when it cannot have the name\n"
           "\n"
           "Qt's own options, such as -platform or -display, are taken too.\n"_s;
}

QString versionText()
{
    return u"tavi-velmora " VELMORA_VERSION "\n"_s;
}

} // namespace velmora
