// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace velmora {

// What a window program's command line asks for (the main window's and the
// desk's take the same options).
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    QString reportFile; // Run: the report to open; empty for none
    QString error;      // Error: what is wrong
    // The same name in the system's bytes, which Qt's text cannot always
    // hold (a name that is not UTF-8); only from the raw arguments.
    QByteArray nativeReportFile;
    // Run: started by the session bus to serve the program's name there (the
    // bus's service file passes --bus-activated).
    bool busActivated = false;

    friend bool operator==(const CommandLine &, const CommandLine &) = default;
};

// Reads the arguments, the program's name first: --help (-h) and --version
// (-v) win wherever they stand; otherwise at most one report file and
// --bus-activated, and nothing after "--" is an option.
[[nodiscard]] CommandLine parseCommandLine(const QStringList &arguments);

// The same for the arguments as main() receives them, the report file kept
// in its bytes. Before QApplication has removed Qt's own options from them,
// only Help and Version are to be trusted.
[[nodiscard]] CommandLine parseCommandLine(int argc, const char *const argv[]);

// Writes the text (help, the version, a usage error) to the stream in the
// locale's encoding; the exit status, or 1 when the text could not be written.
[[nodiscard]] int printText(std::FILE *stream, const QString &text, int status);

} // namespace velmora
