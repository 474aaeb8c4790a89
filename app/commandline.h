// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// What the window program's command line asks for.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    QString reportFile; // Run: the report to open; empty for none
    QString error;      // Error: what is wrong

    friend bool operator==(const CommandLine &, const CommandLine &) = default;
};

// Reads the arguments, the program's name first: --help (-h) and --version
// (-v) win wherever they stand; otherwise at most one report file, and
// nothing after "--" is an option.
[[nodiscard]] CommandLine parseCommandLine(const QStringList &arguments);

// The same for the arguments as main() receives them, before Qt has removed
// its own options; only Help and Version are to be trusted from it.
[[nodiscard]] CommandLine parseCommandLine(int argc, const char *const argv[]);

[[nodiscard]] QString helpText();
[[nodiscard]] QString versionText();

} // namespace velmora
