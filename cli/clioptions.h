// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace velmora {

// What one run of the tool does. The values are bits, so that an option can
// name the set of modes it goes with, in the order in which the command line
// chooses them: --batch before --open before --compare before name variants
// (--variants, or a | in a name) before a person's names.
enum class CliMode : unsigned {
    None = 0,
    Batch = 1u << 0,
    Open = 1u << 1,
    Compare = 1u << 2,
    Variants = 1u << 3,
    Person = 1u << 4,
};

// Gives the parser the tool's description and options, in the order the help
// lists them.
void describeCommandLine(QCommandLineParser &parser);

// The arguments (the program's name first) with a second person of
// --compare that starts with '-' moved behind "--", so that the parser takes
// it as the operand it is, not as options.
[[nodiscard]] QStringList withCompareOperands(const QStringList &arguments);

// The mode that the options given choose.
[[nodiscard]] CliMode chosenMode(const QCommandLineParser &parser);

// The first thing wrong with the command line, as the usage error says it;
// empty when the options go together and each has a value it may have.
[[nodiscard]] QString commandLineProblem(const QCommandLineParser &parser, CliMode mode);

// Whether --first, --middle or --last lists alternatives apart by |, which
// asks for the table of name variants.
[[nodiscard]] bool listsAlternatives(const QCommandLineParser &parser);

// Whether the readings are printed: an option that writes a file instead
// (--save, --pdf) keeps them back unless --format asks for them.
[[nodiscard]] bool printsReadings(const QCommandLineParser &parser);

// Whether the tool, given these arguments (its name first), will draw a PDF.
// Read before the application object exists: drawing needs fonts, and so a
// GUI application, which the offscreen platform gives with no display.
[[nodiscard]] bool drawsPdf(const QStringList &arguments);

} // namespace velmora
