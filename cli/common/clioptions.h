// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calendardate.h"

class QCommandLineParser;

namespace velmora {

// What one run of the tool does. The values are bits, so that an option can
// name the set of modes it goes with, in the order in which the command line
// chooses them: a job of the client book (--add-client, --find-client …)
// before --batch before --open before --compare before name variants
// (--variants, or a | in a name) before --client before a person's names.
enum class CliMode : unsigned {
    None = 0,
    Book = 1u << 0,
    Batch = 1u << 1,
    Open = 1u << 2,
    Compare = 1u << 3,
    Variants = 1u << 4,
    Client = 1u << 5,
    Person = 1u << 6,
};

// The job of the client book a command line asks for (one a run).
enum class BookJob : std::uint8_t { None, Add, Show, Set, Remove, Find, Import, Export, Backup, Check };

// An operand of --compare that names a client of the book: client:ID or client:NAME.
inline constexpr QStringView kClientOperand = u"client:";

enum class OutputFormat : std::uint8_t { Text, Json, Csv };

struct System;

// The command line, read once: everything a run reads of it.
struct CliOptions {
    CliMode mode = CliMode::None;
    OutputFormat format = OutputFormat::Text;
    // The run prints its output (readings, table, days): unless an option
    // that writes a file instead is given without --format.
    bool printed = true;
    const System *system = nullptr; // never null once read
    bool systemNamed = false; // given on the command line: the outputs name it
    bool explain = false;
    bool foldAccents = false;
    bool replaceColumns = false;
    CalendarDate dateOfInterest; // --on, or today
    // One person; with alternatives apart by |, the names of name variants.
    QString first;
    QString middle;
    QString last;
    QString date;
    bool firstGiven = false;
    bool middleGiven = false;
    bool lastGiven = false;
    bool dateGiven = false;
    QString saveFile;
    QString pdfFile;
    // The report document: its editable copies, its sections in order, and
    // the practice's details and notes given on the command line.
    QString odtFile;
    QString htmlFile;
    QStringList sections;
    bool practitionerGiven = false;
    QString practitioner;
    bool contactGiven = false;
    QString contact;
    QString logoFile;
    QString notesFile;
    QDate today; // the day the document is prepared on
    QString openFile;
    QString inputFile; // --input of --batch
    QString compareFirst;
    QString compareSecond;
    QString variantsFile; // empty unless --variants names one
    bool variantsGiven = false;
    QStringList wants;
    bool noDebts = false;
    bool calendarGiven = false;
    QString calendar;
    QString icsFile;
    bool icsName = false;
    bool findGiven = false;
    QStringList find; // every --find, in order
    QString weekday;
    // The client book: its address (--book; empty: the default), the client
    // of --client, and the book's job with its value (an id, a search, a file).
    QString book;
    QString client;
    BookJob bookJob = BookJob::None;
    QString bookValue;
    QStringList importFiles; // every file of --import, the value first
    QString notes;
    bool notesGiven = false;
    QStringList tags;
    bool tagsGiven = false;
    QStringList laterNames;
    // Set for the readings of a client: its id, and the name in use when it
    // is not the birth name the readings are of.
    qint64 clientId = 0;
    QString clientNameInUse;
};

// What the command line asks for: a run with its options, the help or the
// version, or nothing but the usage error in text.
struct CommandLine {
    enum class Action : std::uint8_t { Run, Help, Version, UsageError };
    Action action = Action::UsageError;
    CliOptions options;
    QString text; // the help, or the usage error without " (see --help)"
};

// Reads the arguments (the program's name first); today gives the date of
// interest when --on does not.
[[nodiscard]] CommandLine readCommandLine(const QStringList &arguments, const std::function<QDate()> &today);

// The sections a --sections list names, in its order; nothing, with the
// usage error in problem, when it names one unknown, none or one twice.
[[nodiscard]] QStringList reportSections(const QString &list, QString *problem);

// "classic, common or chaldean": every system's key, as a usage error lists them.
[[nodiscard]] QString systemKeysText();

// Every option as it is written ("--first"), in the order the help lists them.
[[nodiscard]] QStringList optionNames();

// The columns the batch writes under the system, in their order: the
// numbers' (batchedNumbers), a compound's after its number's, then the chart elements' that have one.
[[nodiscard]] std::vector<std::string> batchColumns(const System &system);

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

// Whether the tool, given these arguments (its name first), will draw a PDF
// or lay out a document (--odt, --html).
// Read before the application object exists: drawing needs fonts, and so a
// GUI application, which the offscreen platform gives with no display.
[[nodiscard]] bool drawsPdf(const QStringList &arguments);

} // namespace velmora
