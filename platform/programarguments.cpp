// SPDX-License-Identifier: MIT
#include "programarguments.h"

#include <QCommandLineParser>
#include <QFile>

using namespace Qt::StringLiterals;

namespace velmora {

namespace {

// An unknown option as it was given, with its dashes and any value.
QString asGiven(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (!argument.startsWith(u'-'))
            continue;
        QString word = argument.section(u'=', 0, 0);
        word.remove(0, word.startsWith(u"--"_s) ? 2 : 1);
        if (word == name)
            return argument;
    }
    return name;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    // Qt's own options are words after a single dash (-platform, -reverse),
    // so a single dash starts a word here too, never a bundle of letters that
    // could hide an h or a v.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    // Given by the session bus's service file: the bus started this copy to
    // serve the program's name.
    const QCommandLineOption busActivated(u"bus-activated"_s);
    parser.addOptions({help, version, busActivated});
    // Help and the version are answered even beside options that are not known.
    const bool known = parser.parse(arguments.isEmpty() ? QStringList{QString()} : arguments);
    if (parser.isSet(help))
        return {CommandLine::Action::Help, {}, {}, {}, false};
    if (parser.isSet(version))
        return {CommandLine::Action::Version, {}, {}, {}, false};
    if (!known) {
        const QString option = asGiven(arguments, parser.unknownOptionNames().value(0));
        return {CommandLine::Action::Error, {}, u"unknown option '%1'"_s.arg(option), {}, false};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {CommandLine::Action::Error, {}, u"one report file at most, not %1"_s.arg(files.size()), {}, false};
    return {CommandLine::Action::Run, files.value(0), {}, QFile::encodeName(files.value(0)), parser.isSet(busActivated)};
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

int printText(std::FILE *stream, const QString &text, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return std::fflush(stream) == 0 ? status : 1;
}

} // namespace velmora
