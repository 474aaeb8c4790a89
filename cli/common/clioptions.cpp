// SPDX-License-Identifier: MIT
#include "clioptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "descriptors.h"
#include "enginetext.h"
#include "personinput.h"
#include "practice.h"
#include "readingdocument.h"
#include "system.h"

#include <algorithm>
#include <array>
#include <bit>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

template <typename... Modes>
constexpr unsigned modes(Modes... mode)
{
    return (static_cast<unsigned>(mode) | ...);
}

// What an option asks of its value and of the rest of the command line.
enum Trait : unsigned {
    ChoosesMode = 1u << 0, // given, it chooses the mode it goes with
    Required = 1u << 1, // the mode it goes with cannot do without it
    NotEmpty = 1u << 2, // an empty value is refused
    WritesInstead = 1u << 3, // writes a file; the readings are printed only when --format asks for them
    Repeatable = 1u << 4, // may be given more than once
};

struct OptionRow {
    QStringView name;
    QStringView valueName; // empty for an option that takes no value
    unsigned modes; // the modes the option goes with
    unsigned traits;
    QStringView withoutMode; // the usage error when no mode it goes with is chosen
    QStringView description;
};

// The options in the order the help lists them.
constexpr std::array kOptions = {
    OptionRow{u"first", u"NAME", modes(CliMode::Book, CliMode::Variants, CliMode::Person), ChoosesMode | Required, {},
              u"First name (required for one person). Alternatives apart by | (Jon|John) ask for the table of "
              "name variants; so they do in --middle and --last."},
    OptionRow{u"middle", u"NAME", modes(CliMode::Book, CliMode::Variants, CliMode::Person), ChoosesMode, {},
              u"Middle name (may be left out)."},
    OptionRow{u"last", u"NAME", modes(CliMode::Book, CliMode::Variants, CliMode::Person), ChoosesMode | Required, {},
              u"Last name (required for one person)."},
    OptionRow{u"date", u"YYYY-MM-DD", modes(CliMode::Book, CliMode::Variants, CliMode::Person), ChoosesMode | Required, {},
              u"Date of birth, YYYY-MM-DD (required for one person)."},
    OptionRow{u"format", u"FORMAT",
              modes(CliMode::Book, CliMode::Batch, CliMode::Open, CliMode::Compare, CliMode::Variants, CliMode::Client,
                    CliMode::Person),
              0, {},
              u"Output of the readings: text (the default) or json; with --batch, csv (the default) or json, one "
              "object per line; with --calendar, name variants or --find-client, text, csv or json; with "
              "--show-client, text or json."},
    OptionRow{u"open", u"FILE.vlm", modes(CliMode::Open), ChoosesMode, {},
              u"Show the readings of a saved report file."},
    OptionRow{u"save", u"FILE.vlm", modes(CliMode::Person), NotEmpty | WritesInstead,
              u"--save needs a person: --first, --last and --date",
              u"Save the person as a report file; the readings are printed too when --format is given."},
    OptionRow{u"pdf", u"FILE.pdf", modes(CliMode::Open, CliMode::Variants, CliMode::Client, CliMode::Person),
              NotEmpty | WritesInstead,
              u"--pdf needs a person (--first, --last and --date) or --open FILE.vlm",
              u"Write the readings as a PDF document on the paper of the locale (A4 or Letter); - writes it to "
              "standard output. The readings are printed too when --format is given."},
    OptionRow{u"odt", u"FILE.odt", modes(CliMode::Open, CliMode::Client, CliMode::Person), NotEmpty | WritesInstead,
              u"--odt needs a person (--first, --last and --date) or --open FILE.vlm",
              u"Write the same document as the PDF as an OpenDocument text file a word processor edits, its "
              "drawings as pictures; - writes it to standard output."},
    OptionRow{u"html", u"FILE.html", modes(CliMode::Open, CliMode::Client, CliMode::Person), NotEmpty | WritesInstead,
              u"--html needs a person (--first, --last and --date) or --open FILE.vlm",
              u"Write the same document as the PDF as an HTML page, its drawings as pictures inside it; - writes "
              "it to standard output."},
    OptionRow{u"sections", u"LIST", modes(CliMode::Open, CliMode::Client, CliMode::Person), 0,
              u"--sections needs a person (--first, --last and --date) or --open FILE.vlm",
              u"With --pdf, --odt or --html: the sections of the document, in order, apart by commas: %1. "
              "Default: all of them in this order."},
    OptionRow{u"practitioner", u"NAME", modes(CliMode::Open, CliMode::Client, CliMode::Person), 0,
              u"--practitioner needs a person (--first, --last and --date) or --open FILE.vlm",
              u"With --pdf, --odt or --html: the practitioner's name, at the head of the first page and in every "
              "page's footer (default: name in the practice file, %1)."},
    OptionRow{u"contact", u"TEXT", modes(CliMode::Open, CliMode::Client, CliMode::Person), 0,
              u"--contact needs a person (--first, --last and --date) or --open FILE.vlm",
              u"With --pdf, --odt or --html: the practice's contact line, under its name (default: contact in the "
              "practice file)."},
    OptionRow{u"logo", u"FILE", modes(CliMode::Open, CliMode::Client, CliMode::Person), NotEmpty,
              u"--logo needs a person (--first, --last and --date) or --open FILE.vlm",
              u"With --pdf, --odt or --html: a PNG or SVG logo beside the practitioner's name, at most 10 MB and "
              "10000 pixels a side (default: logo in the practice file)."},
    OptionRow{u"notes-file", u"FILE", modes(CliMode::Open, CliMode::Client, CliMode::Person), NotEmpty,
              u"--notes-file needs a person (--first, --last and --date) or --open FILE.vlm",
              u"With --pdf, --odt or --html: the practitioner's notes, lines SECTION: text (a section name as "
              "--sections takes it), each printed under its section."},
    OptionRow{u"input", u"FILE", modes(CliMode::Batch), 0, u"--input works only with --batch",
              u"CSV input for --batch; - or none: standard input."},
    OptionRow{u"replace-columns", {}, modes(CliMode::Batch), 0, u"--replace-columns works only with --batch",
              u"With --batch: input columns named as the batch's own (those --batch lists, in any case) are "
              "left out and the batch's own written in their usual place; without it such input is refused."},
    OptionRow{u"batch", {}, modes(CliMode::Batch), ChoosesMode, {},
              u"Read CSV whose header names first, middle, last and date (any order and case; other columns are "
              "kept) and write it back with a column for each number and the Inclusion table's counts: %1 (lists "
              "as numbers apart by spaces)."},
    OptionRow{u"system", u"SYSTEM",
              modes(CliMode::Book, CliMode::Batch, CliMode::Open, CliMode::Compare, CliMode::Variants,
                    CliMode::Client, CliMode::Person),
              0, {},
              u"The rules the numbers are found by: %1. Naming one adds it to the output, and its rules to "
              "--explain. With --add-client or --set-client, the client's system, which their readings then use "
              "unless --system names another."},
    OptionRow{u"on", u"YYYY-MM-DD",
              modes(CliMode::Batch, CliMode::Open, CliMode::Variants, CliMode::Client, CliMode::Person), 0,
              u"--on needs a person (--first, --last and --date), --open FILE.vlm or --batch",
              u"The date of interest of the Personal Year, Month and Day, YYYY-MM-DD (default: today)."},
    OptionRow{u"explain", {}, modes(CliMode::Open, CliMode::Client, CliMode::Person), 0,
              u"--explain needs a person (--first, --last and --date) or --open FILE.vlm",
              u"Show how every number was found: the letters with their values, the totals and each digit sum."},
    // The help writes "--compare <FIRST> <SECOND>": the option takes two
    // operands, though the parser keeps only the first as its value.
    OptionRow{u"compare", u"FIRST> <SECOND", modes(CliMode::Compare), ChoosesMode, {},
              u"Compare two people's Life Path and Destiny numbers, each either a report file (FILE.vlm) or a "
              "person written FIRST,MIDDLE,LAST,YYYY-MM-DD (MIDDLE may be empty). A SECOND that starts with -- "
              "follows --: --compare FIRST -- SECOND."},
    OptionRow{u"calendar", u"SPAN", modes(CliMode::Open, CliMode::Client, CliMode::Person), 0,
              u"--calendar needs a person (--first, --last and --date) or --open FILE.vlm",
              u"The Personal Year, Month and Day of every day of a span: YYYY (a year), YYYY-MM (a month) or "
              "YYYY-MM-DD:YYYY-MM-DD (at most 10 years). Text: one month a block as cal lays it out, each date "
              "with its personal day; --format csv or json: one day a row; --pdf: one month a page."},
    OptionRow{u"ics", u"FILE.ics", modes(CliMode::Open, CliMode::Client, CliMode::Person), NotEmpty | WritesInstead,
              u"--ics needs --calendar and a person (--first, --last and --date) or --open FILE.vlm",
              u"With --calendar: write an iCalendar file with an all-day event for every day's Personal Day, each "
              "month's Personal Month and each year's Personal Year, with their readings; - writes it to standard "
              "output. The calendar is printed too when --format is given."},
    OptionRow{u"ics-name", {}, modes(CliMode::Open, CliMode::Client, CliMode::Person), 0,
              u"--ics-name needs --ics", u"With --ics: start each event's title with the first name (Mary: "
              "Personal Day 7)."},
    OptionRow{u"find", u"KEY=V", modes(CliMode::Open, CliMode::Client, CliMode::Person), Repeatable,
              u"--find needs --calendar and a person (--first, --last and --date) or --open FILE.vlm",
              u"With --calendar: list only the days whose personal-day, personal-month or personal-year is V "
              "(1-9; several apart by commas), e.g. personal-day=6; may be given more than once, and every "
              "wish must be met. With --pdf the chosen days are marked; with --ics only they are written."},
    OptionRow{u"weekday", u"DAY", modes(CliMode::Open, CliMode::Client, CliMode::Person), 0, u"--weekday needs --find",
              u"With --find: only these weekdays: mon, tue, wed, thu, fri, sat or sun (several apart by commas)."},
    OptionRow{u"variants", u"FILE", modes(CliMode::Variants), ChoosesMode | NotEmpty, {},
              u"Weigh name variants read as CSV whose header names first, middle, last and, unless --date gives "
              "one date for all, date (any order and case); - reads standard input. A | in --first, --middle or "
              "--last weighs every combination of the alternatives instead (at most 10000). Out comes a table: "
              "each variant's Destiny, Soul Urge, Personality and Karmic Debts, matches of --want first."},
    OptionRow{u"want", u"NUMBER=V", modes(CliMode::Variants), Repeatable,
              u"--want needs name variants: a | in --first, --middle or --last, or --variants FILE",
              u"With name variants: mark those whose NUMBER (a key of the JSON output, such as destiny, soulUrge "
              "or lifePath, or its batch column, such as soul_urge) is one of the values V (several apart by commas) and list them first; may be given "
              "more than once, and every wish must be met. Under chaldean a value of 10 or more is a compound."},
    OptionRow{u"no-debts", {}, modes(CliMode::Variants), 0,
              u"--no-debts needs name variants: a | in --first, --middle or --last, or --variants FILE",
              u"With name variants: mark only those without a Karmic Debt."},
    OptionRow{u"fold-accents", {},
              modes(CliMode::Batch, CliMode::Open, CliMode::Compare, CliMode::Variants, CliMode::Client,
                    CliMode::Person),
              0, {},
              u"Count a Latin letter with a diacritic as its base letter (é as E, ß as SS, æ as AE, ø as O); "
              "otherwise only the letters A-Z count."},
    OptionRow{u"book", u"PATH|postgresql://HOST/DB",
              modes(CliMode::Book, CliMode::Compare, CliMode::Variants, CliMode::Client), NotEmpty,
              u"--book needs a job of the client book (such as --add-client or --find-client), --client or "
              "--compare client:ID",
              u"The client book: an SQLite file, or postgresql://[USER@]HOST[:PORT]/DBNAME for a book a practice "
              "shares (default: $XDG_DATA_HOME/tavi-velmora/clients.sqlite, in ~/.local/share without it)."},
    OptionRow{u"client", u"ID|NAME", modes(CliMode::Variants, CliMode::Client), ChoosesMode | NotEmpty, {},
              u"Everything a person's --first, --last and --date give, for a client of the book instead: the "
              "readings (of the birth name), --explain, --pdf, --calendar, --ics, and name variants for the client's "
              "date. A NAME must match exactly one client (as --find-client finds them). Each reading, PDF and "
              "calendar made is added to the client's history."},
    OptionRow{u"add-client", {}, modes(CliMode::Book), ChoosesMode, {},
              u"Add a client to the book from --first, --middle, --last and --date (and --notes, --tag, --later-name, "
              "--system); prints the new client's id."},
    OptionRow{u"show-client", u"ID", modes(CliMode::Book), ChoosesMode | NotEmpty, {},
              u"Show everything the book keeps of a client: names, notes, tags, history."},
    OptionRow{u"set-client", u"ID", modes(CliMode::Book), ChoosesMode | NotEmpty, {},
              u"Change a client: the fields given (--first, --middle, --last, --date, --notes, --tag, --system) "
              "replace theirs, and each --later-name adds a later name."},
    OptionRow{u"remove-client", u"ID", modes(CliMode::Book), ChoosesMode | NotEmpty, {},
              u"Remove a client with their names, links and history; an id only, never a search."},
    OptionRow{u"find-client", u"TEXT", modes(CliMode::Book), ChoosesMode, {},
              u"Find clients: every word must match, as the start of a name (birth or later, regardless of case "
              "and accents), a date YYYY, YYYY-MM or YYYY-MM-DD, or tag:WORD. Empty: every client."},
    OptionRow{u"import", u"FILE", modes(CliMode::Book), ChoosesMode | NotEmpty, {},
              u"Add the clients of report files (.vlm) and CSV files (the batch's columns first, middle, last and "
              "date, and notes and tags when there), any number of files after it; each file all or nothing."},
    OptionRow{u"export", u"FILE.csv", modes(CliMode::Book), ChoosesMode | NotEmpty, {},
              u"Write every client as CSV that --import reads back; - writes it to standard output."},
    OptionRow{u"backup", u"FILE", modes(CliMode::Book), ChoosesMode | NotEmpty, {},
              u"Copy the book (an SQLite book) into a new file, also while another program has it open."},
    OptionRow{u"check-book", {}, modes(CliMode::Book), ChoosesMode, {},
              u"Check the book's integrity and say what was found."},
    OptionRow{u"notes", u"TEXT", modes(CliMode::Book), 0, u"--notes works only with --add-client or --set-client",
              u"With --add-client or --set-client: the client's notes."},
    OptionRow{u"tag", u"WORD", modes(CliMode::Book), Repeatable,
              u"--tag works only with --add-client or --set-client",
              u"With --add-client or --set-client: a tag of the client; may be given more than once. With "
              "--set-client the tags given replace the client's; --tag '' alone removes them."},
    OptionRow{u"later-name", u"FIRST,MIDDLE,LAST,YYYY-MM-DD,LABEL", modes(CliMode::Book), Repeatable,
              u"--later-name works only with --add-client or --set-client",
              u"With --add-client or --set-client: add a name the client took later (married, chosen, business …), "
              "the date it was taken (may be empty) and a label; the name added last is the name in use."},
};

struct ModeRow {
    CliMode mode;
    QStringView plainFormat; // the --format other than json
    QStringView unknownFormat; // %1: the format given
    QStringView conflict; // %1: an option given that does not go with the mode
    QStringView missing; // %1: a required option left out
};

// The modes in the order in which the options choose them, then no mode.
constexpr std::array kModes = {
    ModeRow{CliMode::Book, u"text", u"unknown format '%1'; use text, csv or json", u"%2 does not combine with %1", {}},
    ModeRow{CliMode::Batch, u"csv", u"unknown format '%1' for --batch; use csv or json",
            u"--batch does not combine with %1", {}},
    ModeRow{CliMode::Open, u"text", u"unknown format '%1'; use text or json", u"--open does not combine with %1", {}},
    ModeRow{CliMode::Compare, u"text", u"unknown format '%1'; use text or json", u"--compare does not combine with %1",
            {}},
    ModeRow{CliMode::Variants, u"text", u"unknown format '%1' for name variants; use text, csv or json",
            u"%1 does not go with name variants", {}},
    ModeRow{CliMode::Client, u"text", u"unknown format '%1'; use text or json", u"%1 does not go with --client",
            {}},
    ModeRow{CliMode::Person, u"text", u"unknown format '%1'; use text or json", u"%1 does not go with one person",
            u"%1 is missing; one person needs --first, --last and --date"},
    ModeRow{CliMode::None, u"text", u"unknown format '%1'; use text or json", {}, {}},
};

constexpr QStringView kNothingToDo = u"nothing to do: give --first, --last and --date, or --open FILE.vlm, or --batch";

// "a, b or c"
QString listed(const QStringList &items)
{
    QString text;
    for (qsizetype k = 0; k < items.size(); ++k)
        text += (k == 0 ? u""_s : k + 1 == items.size() ? u" or "_s : u", "_s) + items[k];
    return text;
}

// "destiny, personality"
QString joined(const std::vector<std::string> &items)
{
    QStringList list;
    for (const std::string &item : items)
        list << QString::fromStdString(item);
    return list.join(u", "_s);
}

// The columns of the first system (the default), then those of each system
// whose columns differ: "destiny, ... inclusion; under chaldean: destiny, ...".
QString batchColumnsText()
{
    const std::vector<std::string> first = batchColumns(*systems().front());
    QString text = joined(first);
    for (const System *system : systems().subspan(1)) {
        const std::vector<std::string> columns = batchColumns(*system);
        if (columns != first)
            text += u"; under %1: "_s.arg(toQString(system->key)) + joined(columns);
    }
    return text;
}

// The help of an option, with what the descriptors and systems() give filled in.
QString helpOf(const OptionRow &option)
{
    if (option.name == u"sections")
        return option.description.toString().arg(reportSectionNames().join(u", "_s));
    if (option.name == u"practitioner")
        return option.description.toString().arg(practiceFilePath());
    if (option.name == u"batch")
        return option.description.toString().arg(batchColumnsText());
    if (option.name == u"system") {
        QStringList items;
        for (const System *system : systems())
            items << u"%1 (%2)"_s.arg(toQString(system->key), toQString(system->summary));
        return option.description.toString().arg(listed(items));
    }
    return option.description.toString();
}

QString optionName(const OptionRow &option)
{
    return u"--"_s + option.name.toString();
}

bool isSet(const QCommandLineParser &parser, const OptionRow &option)
{
    return parser.isSet(option.name.toString());
}

bool goesWith(const OptionRow &option, CliMode mode)
{
    return (option.modes & static_cast<unsigned>(mode)) != 0;
}

const ModeRow &modeRow(CliMode mode)
{
    return *std::ranges::find(kModes, mode, &ModeRow::mode);
}

QString valueProblem(const QCommandLineParser &parser)
{
    for (const OptionRow &option : kOptions) {
        if ((option.traits & Repeatable) == 0 && parser.values(option.name.toString()).size() > 1)
            return u"%1 is given more than once"_s.arg(optionName(option));
    }
    for (const OptionRow &option : kOptions) {
        if ((option.traits & NotEmpty) != 0 && isSet(parser, option)
            && parser.value(option.name.toString()).isEmpty())
            return u"%1 needs a file name, not an empty one"_s.arg(optionName(option));
    }
    return {};
}

// The options that write the report document other than --pdf, and those
// that shape it.
const std::array<QString, 2> kDocumentOptions = {u"odt"_s, u"html"_s};
const std::array<QString, 5> kReportOptions = {u"sections"_s, u"practitioner"_s, u"contact"_s, u"logo"_s,
                                               u"notes-file"_s};

QString formatProblem(const QCommandLineParser &parser, const ModeRow &mode)
{
    if (!parser.isSet(u"format"_s))
        return {};
    if (parser.value(u"pdf"_s) == u"-"_s)
        return u"--pdf - writes the PDF to standard output, so it does not combine with --format"_s;
    if (parser.value(u"ics"_s) == u"-"_s)
        return u"--ics - writes the calendar file to standard output, so it does not combine with --format"_s;
    for (const QString &option : kDocumentOptions) {
        if (parser.value(option) == u"-"_s)
            return u"--%1 - writes the document to standard output, so it does not combine with --format"_s.arg(
                option);
    }
    const QString format = parser.value(u"format"_s);
    if (format == u"json"_s || format == mode.plainFormat)
        return {};
    // A calendar is a table of days, which CSV holds too.
    const bool calendar = parser.isSet(u"calendar"_s)
        && (mode.mode == CliMode::Open || mode.mode == CliMode::Client || mode.mode == CliMode::Person);
    if ((calendar || mode.mode == CliMode::Variants) && format == u"csv"_s)
        return {};
    if (mode.mode == CliMode::Book && format == u"csv"_s && parser.isSet(u"find-client"_s))
        return {};
    if (calendar)
        return u"unknown format '%1' for --calendar; use text, csv or json"_s.arg(format);
    return mode.unknownFormat.toString().arg(format);
}

// The options of the report document: given with a document to shape, one
// at most written to standard output, and the sections known.
QString documentProblem(const QCommandLineParser &parser)
{
    const bool document = parser.isSet(u"pdf"_s) || parser.isSet(u"odt"_s) || parser.isSet(u"html"_s);
    for (const QString &option : kReportOptions) {
        if (parser.isSet(option) && (!document || parser.isSet(u"calendar"_s)))
            return u"--%1 works only with --pdf, --odt or --html of a person's readings"_s.arg(option);
    }
    if (parser.isSet(u"calendar"_s)) {
        for (const QString &option : kDocumentOptions) {
            if (parser.isSet(option))
                return u"--calendar does not combine with --%1"_s.arg(option);
        }
    }
    QStringList toStandardOutput;
    for (const QString &option : {u"ics"_s, u"pdf"_s, u"odt"_s, u"html"_s}) {
        if (parser.value(option) == u"-"_s)
            toStandardOutput << u"--"_s + option + u" -"_s;
    }
    if (toStandardOutput.size() > 1)
        return toStandardOutput.join(u" and "_s)
            + (toStandardOutput.size() == 2 ? u" cannot both write to standard output"_s
                                            : u" cannot all write to standard output"_s);
    if (!parser.isSet(u"sections"_s))
        return {};
    QString problem;
    (void)reportSections(parser.value(u"sections"_s), &problem);
    return problem;
}

// The options that belong to --calendar, given together as they can be.
QString calendarProblem(const QCommandLineParser &parser)
{
    if (!parser.isSet(u"calendar"_s)) {
        for (const QString &option : {u"ics"_s, u"find"_s}) {
            if (parser.isSet(option))
                return u"--%1 works only with --calendar"_s.arg(option);
        }
    }
    if (parser.isSet(u"weekday"_s) && !parser.isSet(u"find"_s))
        return u"--weekday works only with --find"_s;
    if (parser.isSet(u"ics-name"_s) && !parser.isSet(u"ics"_s))
        return u"--ics-name works only with --ics"_s;
    if (!parser.isSet(u"calendar"_s))
        return {};
    for (const QString &option : {u"explain"_s, u"on"_s}) {
        if (parser.isSet(option))
            return u"--calendar does not combine with --%1"_s.arg(option);
    }
    if (parser.value(u"ics"_s) == u"-"_s && parser.value(u"pdf"_s) == u"-"_s)
        return u"--ics - and --pdf - cannot both write to standard output"_s;
    return {};
}

// The book's jobs, each with the options it takes besides --book.
struct BookJobRow {
    BookJob job;
    QStringView option;
    std::array<QStringView, 8> takes;
};

constexpr std::array<BookJobRow, 9> kBookJobs = {{
        {BookJob::Add, u"add-client", {u"first", u"middle", u"last", u"date", u"notes", u"tag", u"later-name", u"system"}},
        {BookJob::Show, u"show-client", {u"format"}},
        {BookJob::Set, u"set-client", {u"first", u"middle", u"last", u"date", u"notes", u"tag", u"later-name", u"system"}},
        {BookJob::Remove, u"remove-client", {}},
        {BookJob::Find, u"find-client", {u"format"}},
        {BookJob::Import, u"import", {}},
        {BookJob::Export, u"export", {}},
        {BookJob::Backup, u"backup", {}},
        {BookJob::Check, u"check-book", {}},
}};

// The job of the book the command line gives (the first, when it gives several).
const BookJobRow *bookJobOf(const QCommandLineParser &parser)
{
    for (const BookJobRow &row : kBookJobs) {
        if (parser.isSet(row.option.toString()))
            return &row;
    }
    return nullptr;
}

// One job of the book a run, with the options it takes; an id where it takes one.
QString bookProblem(const QCommandLineParser &parser)
{
    const BookJobRow &job = *bookJobOf(parser);
    const QString jobName = u"--"_s + job.option.toString();
    for (const OptionRow &option : kOptions) {
        if (!isSet(parser, option) || option.name == job.option || option.name == u"book")
            continue;
        if (std::ranges::find(job.takes, option.name) == job.takes.end())
            return u"%1 does not combine with %2"_s.arg(jobName, optionName(option));
    }
    if (job.job == BookJob::Add) {
        for (const QString &option : {u"first"_s, u"last"_s, u"date"_s}) {
            if (!parser.isSet(option))
                return u"--%1 is missing; --add-client needs --first, --last and --date"_s.arg(option);
        }
    }
    if (job.job == BookJob::Show || job.job == BookJob::Set || job.job == BookJob::Remove) {
        bool number = false;
        const qint64 id = parser.value(job.option.toString()).toLongLong(&number);
        if (!number || id <= 0)
            return u"%1 takes a client's id (a number), never a name or a search: find the id with --find-client"_s.arg(
                jobName);
    }
    if (job.job == BookJob::Show && parser.value(u"format"_s) == u"csv"_s)
        return u"unknown format 'csv' for --show-client; use text or json"_s;
    if (job.job == BookJob::Backup && parser.value(u"backup"_s) == u"-"_s)
        return u"--backup writes a new book file; it cannot write to standard output"_s;
    return {};
}

QString problemInMode(const QCommandLineParser &parser, const ModeRow &mode)
{
    if (mode.mode == CliMode::None)
        return kNothingToDo.toString();
    for (const OptionRow &option : kOptions) {
        if (isSet(parser, option) && !goesWith(option, mode.mode)) {
            const QString text = mode.conflict.toString().arg(optionName(option));
            return mode.mode == CliMode::Book ? text.arg(u"--"_s + bookJobOf(parser)->option.toString()) : text;
        }
    }
    // A mode with no text for a missing option requires none of its options.
    for (const OptionRow &option : kOptions) {
        if (!mode.missing.isEmpty() && (option.traits & Required) != 0 && goesWith(option, mode.mode)
            && !isSet(parser, option))
            return mode.missing.toString().arg(optionName(option));
    }
    return {};
}

// The usage error of an option whose last chance was the mode just passed
// over: no mode it goes with can be chosen any more. The mode bits follow the
// order of choosing, so the highest bit of an option's modes is its last one.
QString optionWithoutMode(const QCommandLineParser &parser, CliMode passedOver)
{
    for (const OptionRow &option : kOptions) {
        if (std::bit_floor(option.modes) == static_cast<unsigned>(passedOver) && !option.withoutMode.isEmpty()
            && isSet(parser, option))
            return option.withoutMode.toString();
    }
    return {};
}

// Name variants come from a file or from the names' alternatives, not both;
// a client gives the date, and the names left out.
QString variantsProblem(const QCommandLineParser &parser)
{
    const bool fromFile = parser.isSet(u"variants"_s);
    for (const QString &option : {u"first"_s, u"middle"_s, u"last"_s}) {
        if (fromFile && parser.isSet(option))
            return u"--variants reads the names from its file; it does not combine with --%1"_s.arg(option);
    }
    if (parser.isSet(u"client"_s)) {
        return parser.isSet(u"date"_s) ? u"--client gives the date of birth; it does not combine with --date"_s
                                       : QString();
    }
    for (const QString &option : {u"first"_s, u"last"_s, u"date"_s}) {
        if (!fromFile && !parser.isSet(option))
            return u"--%1 is missing; name variants need --first, --last and --date"_s.arg(option);
    }
    return {};
}

QString modeProblem(const QCommandLineParser &parser, CliMode chosen)
{
    for (const ModeRow &mode : kModes) {
        if (mode.mode == chosen)
            return problemInMode(parser, mode);
        if (QString problem = optionWithoutMode(parser, mode.mode); !problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"Numerology readings for one person, for a saved report file, for a client of the client book, or for a CSV "
        "batch; two people compared; spellings of a name weighed side by side; a person's forecast calendar of "
        "personal years, months and days; or the client book's clients added, found, changed, imported and "
        "exported.\n"
        "Exit status: 0 done; 1 input refused (a person, a report file, one or more batch or variant rows, a file to "
        "import, a client not in the book), a client book that cannot be opened or is damaged, or a file that could "
        "not be read or written; 2 wrong command line, batch input that names the batch's own columns without "
        "--replace-columns, or a client's name that matches several clients."_s);
    parser.addOption(QCommandLineOption({u"h"_s, u"help"_s}, u"Displays this help."_s));
    parser.addVersionOption();
    for (const OptionRow &option : kOptions) {
        parser.addOption(QCommandLineOption(option.name.toString(), helpOf(option), option.valueName.toString()));
    }
}

QStringList withCompareOperands(const QStringList &arguments)
{
    // The tool's only short options are -h and -v: any other argument that
    // starts with a single '-' right after --compare FIRST can only be the
    // second person (a name such as -Ann), and "--" makes the parser read it
    // as one. A SECOND that starts with "--" needs the "--" written out.
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString &argument = arguments[k];
        if (argument == u"--"_s)
            return arguments;
        if (argument != u"--compare"_s && !argument.startsWith(u"--compare="_s))
            continue;
        const qsizetype second = argument == u"--compare"_s ? k + 2 : k + 1;
        if (second >= arguments.size())
            return arguments;
        const QString &operand = arguments[second];
        if (operand.size() < 2 || operand[0] != u'-' || operand[1] == u'-' || operand == u"-h"_s
            || operand == u"-v"_s)
            return arguments;
        QStringList moved = arguments;
        moved.removeAt(second);
        moved << u"--"_s << operand;
        return moved;
    }
    return arguments;
}

bool drawsPdf(const QStringList &arguments)
{
    // The very parser the run uses: a command line it refuses draws nothing.
    QCommandLineParser parser;
    describeCommandLine(parser);
    return parser.parse(arguments)
        && (parser.isSet(u"pdf"_s) || parser.isSet(u"odt"_s) || parser.isSet(u"html"_s));
}

CliMode chosenMode(const QCommandLineParser &parser)
{
    for (const ModeRow &mode : kModes) {
        // The names choose a person unless they list alternatives; a job of
        // the book, which some of them go with too, is chosen by its own option.
        const bool chosen = mode.mode == CliMode::Variants ? parser.isSet(u"variants"_s) || listsAlternatives(parser)
            : mode.mode == CliMode::Book                   ? bookJobOf(parser) != nullptr
                                                           : std::ranges::any_of(kOptions, [&](const OptionRow &option) {
                  return (option.traits & ChoosesMode) != 0 && goesWith(option, mode.mode) && isSet(parser, option);
              });
        if (chosen)
            return mode.mode;
    }
    return CliMode::None;
}

QString commandLineProblem(const QCommandLineParser &parser, CliMode mode)
{
    // --compare takes the second person as the argument after its own.
    // --import takes any number of files after its own.
    const qsizetype operands = mode == CliMode::Compare ? 1
        : mode == CliMode::Book && parser.isSet(u"import"_s) ? parser.positionalArguments().size()
                                                              : 0;
    if (parser.positionalArguments().size() > operands)
        return u"unexpected argument '%1'"_s.arg(parser.positionalArguments().at(operands));
    if (parser.positionalArguments().size() < operands)
        return u"--compare needs two people: --compare FIRST SECOND"_s;
    if (QString problem = valueProblem(parser); !problem.isEmpty())
        return problem;
    if (QString problem = formatProblem(parser, modeRow(mode)); !problem.isEmpty())
        return problem;
    if (parser.isSet(u"system"_s) && findSystem(parser.value(u"system"_s).toStdString()) == nullptr)
        return u"unknown system '%1'; use %2"_s.arg(parser.value(u"system"_s), systemKeysText());
    if (QString problem = modeProblem(parser, mode); !problem.isEmpty())
        return problem;
    if (mode == CliMode::Variants)
        return variantsProblem(parser);
    if (QString problem = documentProblem(parser); !problem.isEmpty())
        return problem;
    if (mode == CliMode::Book)
        return bookProblem(parser);
    return calendarProblem(parser);
}

bool listsAlternatives(const QCommandLineParser &parser)
{
    return std::ranges::any_of(std::array{u"first"_s, u"middle"_s, u"last"_s},
                               [&](const QString &name) { return parser.value(name).contains(u'|'); });
}

bool printsReadings(const QCommandLineParser &parser)
{
    return parser.isSet(u"format"_s) || std::ranges::none_of(kOptions, [&](const OptionRow &option) {
               return (option.traits & WritesInstead) != 0 && isSet(parser, option);
           });
}

QStringList reportSections(const QString &list, QString *problem)
{
    const QStringList known = reportSectionNames();
    QStringList sections;
    for (const QString &item : list.split(u',')) {
        const QString name = item.trimmed();
        QString fault;
        if (name.isEmpty())
            fault = u"--sections '%1': an empty name; use %2"_s.arg(list, known.join(u", "_s));
        else if (!known.contains(name))
            fault = u"--sections: unknown section '%1'; use %2"_s.arg(name, known.join(u", "_s));
        else if (sections.contains(name))
            fault = u"--sections: '%1' is named twice"_s.arg(name);
        if (!fault.isEmpty()) {
            if (problem != nullptr)
                *problem = fault;
            return {};
        }
        sections << name;
    }
    return sections;
}

QString systemKeysText()
{
    QStringList keys;
    for (const System *system : systems())
        keys << toQString(system->key);
    return listed(keys);
}

QStringList optionNames()
{
    QStringList names;
    for (const OptionRow &option : kOptions)
        names << optionName(option);
    return names << u"--help"_s << u"--version"_s;
}

std::vector<std::string> batchColumns(const System &system)
{
    std::vector<std::string> columns;
    for (const NumberShape &number : batchedNumbers(system)) {
        columns.emplace_back(number.column);
        if (number.compound)
            columns.push_back(number.compoundColumn());
    }
    for (const ElementDescriptor &element : elementDescriptors())
        if (!element.column.empty())
            columns.emplace_back(element.column);
    return columns;
}

CommandLine readCommandLine(const QStringList &arguments, const std::function<QDate()> &today)
{
    CommandLine line;
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(withCompareOperands(arguments))) {
        line.text = parser.errorText();
        return line;
    }
    if (parser.isSet(u"help"_s)) {
        line.action = CommandLine::Action::Help;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(u"version"_s)) {
        line.action = CommandLine::Action::Version;
        line.text = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return line;
    }
    CliOptions &options = line.options;
    options.mode = chosenMode(parser);
    if (QString problem = commandLineProblem(parser, options.mode); !problem.isEmpty()) {
        line.text = problem;
        return line;
    }
    const QString format = parser.value(u"format"_s);
    options.format = format == u"json"_s ? OutputFormat::Json
        : format == u"csv"_s             ? OutputFormat::Csv
                                         : OutputFormat::Text;
    options.printed = printsReadings(parser);
    options.systemNamed = parser.isSet(u"system"_s);
    // Checked with the command line.
    options.system = options.systemNamed ? findSystem(parser.value(u"system"_s).toStdString()) : &classicSystem();
    options.explain = parser.isSet(u"explain"_s);
    options.foldAccents = parser.isSet(u"fold-accents"_s);
    options.replaceColumns = parser.isSet(u"replace-columns"_s);
    if (parser.isSet(u"on"_s)) {
        const std::optional<IsoDate> on = parseIsoDate(parser.value(u"on"_s).toStdString());
        if (!on) {
            line.text = u"--on '%1': not a date written YYYY-MM-DD that exists (years 1 to 9999)"_s.arg(
                parser.value(u"on"_s));
            return line;
        }
        options.dateOfInterest = {on->day, on->month, on->year};
    } else {
        const QDate date = today();
        options.dateOfInterest = {date.day(), date.month(), date.year()};
    }
    options.first = parser.value(u"first"_s);
    options.middle = parser.value(u"middle"_s);
    options.last = parser.value(u"last"_s);
    options.date = parser.value(u"date"_s);
    options.firstGiven = parser.isSet(u"first"_s);
    options.middleGiven = parser.isSet(u"middle"_s);
    options.lastGiven = parser.isSet(u"last"_s);
    options.dateGiven = parser.isSet(u"date"_s);
    options.saveFile = parser.value(u"save"_s);
    options.pdfFile = parser.value(u"pdf"_s);
    options.odtFile = parser.value(u"odt"_s);
    options.htmlFile = parser.value(u"html"_s);
    // Checked with the command line.
    options.sections = parser.isSet(u"sections"_s) ? reportSections(parser.value(u"sections"_s), nullptr)
                                                   : reportSectionNames();
    options.practitionerGiven = parser.isSet(u"practitioner"_s);
    options.practitioner = parser.value(u"practitioner"_s);
    options.contactGiven = parser.isSet(u"contact"_s);
    options.contact = parser.value(u"contact"_s);
    options.logoFile = parser.value(u"logo"_s);
    options.notesFile = parser.value(u"notes-file"_s);
    options.today = today();
    options.openFile = parser.value(u"open"_s);
    options.inputFile = parser.value(u"input"_s);
    options.compareFirst = parser.value(u"compare"_s);
    if (options.mode == CliMode::Compare)
        options.compareSecond = parser.positionalArguments().constFirst();
    options.variantsGiven = parser.isSet(u"variants"_s);
    options.variantsFile = parser.value(u"variants"_s);
    options.wants = parser.values(u"want"_s);
    options.noDebts = parser.isSet(u"no-debts"_s);
    options.calendarGiven = parser.isSet(u"calendar"_s);
    options.calendar = parser.value(u"calendar"_s);
    options.icsFile = parser.value(u"ics"_s);
    options.icsName = parser.isSet(u"ics-name"_s);
    options.findGiven = parser.isSet(u"find"_s);
    options.find = parser.values(u"find"_s);
    options.weekday = parser.value(u"weekday"_s);
    options.book = parser.value(u"book"_s);
    options.client = parser.value(u"client"_s);
    if (const BookJobRow *job = options.mode == CliMode::Book ? bookJobOf(parser) : nullptr) {
        options.bookJob = job->job;
        options.bookValue = parser.value(job->option.toString());
    }
    if (options.bookJob == BookJob::Import)
        options.importFiles = QStringList{options.bookValue} + parser.positionalArguments();
    options.notes = parser.value(u"notes"_s);
    options.notesGiven = parser.isSet(u"notes"_s);
    options.tags = parser.values(u"tag"_s);
    options.tagsGiven = parser.isSet(u"tag"_s);
    options.laterNames = parser.values(u"later-name"_s);
    line.action = CommandLine::Action::Run;
    return line;
}

} // namespace velmora
