// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCommandLineParser>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "clioptions.h"

using velmora::CliMode;

namespace {

struct CommandLineCase {
    const char *label;
    std::vector<const char *> arguments; // after the program name
    CliMode mode;
    const char *problem; // empty for a sound command line
};

std::ostream &operator<<(std::ostream &os, const CommandLineCase &c)
{
    return os << c.label;
}

QStringList commandLine(const std::vector<const char *> &arguments)
{
    QStringList list{QStringLiteral("tavi-velmora-cli")};
    for (const char *argument : arguments)
        list << QString::fromUtf8(argument);
    return list;
}

// A person's options, then more.
std::vector<const char *> person(std::initializer_list<const char *> more)
{
    std::vector<const char *> arguments{"--first", "J", "--last", "S", "--date", "1980-07-15"};
    arguments.insert(arguments.end(), more);
    return arguments;
}

class CommandLineTest : public testing::TestWithParam<CommandLineCase>
{
};

// The mode each command line chooses, and the one usage error it gets: the
// first problem found when there are several.
TEST_P(CommandLineTest, choosesTheModeAndNamesTheFirstProblem)
{
    QCommandLineParser parser;
    velmora::describeCommandLine(parser);
    ASSERT_TRUE(parser.parse(commandLine(GetParam().arguments))) << parser.errorText().toStdString();
    const CliMode mode = velmora::chosenMode(parser);
    EXPECT_EQ(mode, GetParam().mode);
    EXPECT_EQ(velmora::commandLineProblem(parser, mode).toStdString(), std::string(GetParam().problem));
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineTest,
    testing::Values(
        CommandLineCase{"person", person({"--middle", "Q", "--save", "a.vlm", "--pdf", "a.pdf", "--format", "json"}),
                        CliMode::Person, ""},
        CommandLineCase{"report", {"--open", "a.vlm", "--pdf", "a.pdf", "--format", "text"}, CliMode::Open, ""},
        CommandLineCase{"batch", {"--batch", "--input", "-", "--format", "csv"}, CliMode::Batch, ""},
        CommandLineCase{"nothing", {}, CliMode::None,
                        "nothing to do: give --first, --last and --date, or --open FILE.vlm, or --batch"},
        CommandLineCase{"formatAlone", {"--format", "json"}, CliMode::None,
                        "nothing to do: give --first, --last and --date, or --open FILE.vlm, or --batch"},
        CommandLineCase{"strayArgumentFirst", {"--save", "", "x", "--first", "A", "--first", "B"}, CliMode::Person,
                        "unexpected argument 'x'"},
        CommandLineCase{"givenTwiceBeforeEmptyName", {"--save", "", "--pdf", "a.pdf", "--pdf", "b.pdf"},
                        CliMode::None, "--pdf is given more than once"},
        CommandLineCase{"emptySaveBeforeEmptyPdf", person({"--pdf", "", "--save", ""}), CliMode::Person,
                        "--save needs a file name, not an empty one"},
        CommandLineCase{"pdfToOutputWithFormat", {"--batch", "--pdf", "-", "--format", "xml"}, CliMode::Batch,
                        "--pdf - writes the PDF to standard output, so it does not combine with --format"},
        CommandLineCase{"textFormatInBatch", {"--batch", "--first", "A", "--format", "text"}, CliMode::Batch,
                        "unknown format 'text' for --batch; use csv or json"},
        CommandLineCase{"csvFormatForPerson", person({"--format", "csv"}), CliMode::Person,
                        "unknown format 'csv'; use text or json"},
        CommandLineCase{"batchOutranksOpenAndPerson", {"--open", "a.vlm", "--last", "S", "--batch"}, CliMode::Batch,
                        "--batch does not combine with --last"},
        CommandLineCase{"batchWithPdf", {"--batch", "--pdf", "a.pdf"}, CliMode::Batch,
                        "--batch does not combine with --pdf"},
        CommandLineCase{"inputBeforeOpenConflicts", {"--open", "a.vlm", "--first", "A", "--input", "p.csv"},
                        CliMode::Open, "--input works only with --batch"},
        CommandLineCase{"inputWithoutMode", {"--save", "a.vlm", "--input", "p.csv"}, CliMode::None,
                        "--input works only with --batch"},
        CommandLineCase{"openOutranksPerson", {"--date", "1980-07-15", "--open", "a.vlm"}, CliMode::Open,
                        "--open does not combine with --date"},
        CommandLineCase{"openWithSave", {"--open", "a.vlm", "--save", "b.vlm"}, CliMode::Open,
                        "--open does not combine with --save"},
        CommandLineCase{"middleAloneMissesFirst", {"--middle", "Q"}, CliMode::Person,
                        "--first is missing; one person needs --first, --last and --date"},
        CommandLineCase{"dateMissing", {"--first", "J", "--last", "S", "--save", "a.vlm"}, CliMode::Person,
                        "--date is missing; one person needs --first, --last and --date"},
        CommandLineCase{"saveWithoutPerson", {"--pdf", "a.pdf", "--save", "a.vlm"}, CliMode::None,
                        "--save needs a person: --first, --last and --date"},
        CommandLineCase{"pdfWithoutPerson", {"--pdf", "a.pdf", "--format", "text"}, CliMode::None,
                        "--pdf needs a person (--first, --last and --date) or --open FILE.vlm"},
        CommandLineCase{"personOnADayExplained", person({"--on", "2026-01-01", "--explain", "--fold-accents"}),
                        CliMode::Person, ""},
        CommandLineCase{"compare", {"--compare", "a.vlm", "Ann,,Lee,1980-01-02", "--format", "json", "--fold-accents"},
                        CliMode::Compare, ""},
        CommandLineCase{"compareWithOnePerson", {"--compare", "a.vlm"}, CliMode::Compare,
                        "--compare needs two people: --compare FIRST SECOND"},
        CommandLineCase{"compareWithThreePeople", {"--compare", "a.vlm", "b.vlm", "c.vlm"}, CliMode::Compare,
                        "unexpected argument 'c.vlm'"},
        CommandLineCase{"compareOutranksPerson", person({"--compare", "a.vlm", "b.vlm"}), CliMode::Compare,
                        "--compare does not combine with --first"},
        CommandLineCase{"compareOnADay", {"--compare", "a.vlm", "b.vlm", "--on", "2026-01-01"}, CliMode::Compare,
                        "--compare does not combine with --on"},
        CommandLineCase{"explainInBatch", {"--batch", "--explain"}, CliMode::Batch,
                        "--batch does not combine with --explain"},
        CommandLineCase{"onWithoutMode", {"--on", "2026-01-01"}, CliMode::None,
                        "--on needs a person (--first, --last and --date), --open FILE.vlm or --batch"},
        CommandLineCase{"explainWithoutMode", {"--explain", "--format", "json"}, CliMode::None,
                        "--explain needs a person (--first, --last and --date) or --open FILE.vlm"},
        CommandLineCase{"reportShaped", {"--open", "a.vlm", "--odt", "a.odt", "--sections", "attitude, summary",
                                         "--practitioner", "", "--notes-file", "n.txt"},
                        CliMode::Open, ""},
        CommandLineCase{"sectionTwice", {"--open", "a.vlm", "--html", "a.html", "--sections", "destiny,destiny"},
                        CliMode::Open, "--sections: 'destiny' is named twice"},
        CommandLineCase{"sectionsWithoutDocument", {"--open", "a.vlm", "--sections", "destiny"}, CliMode::Open,
                        "--sections works only with --pdf, --odt or --html of a person's readings"},
        CommandLineCase{"logoWithCalendar", {"--open", "a.vlm", "--calendar", "2027", "--pdf", "a.pdf", "--logo",
                                             "a.png"},
                        CliMode::Open, "--logo works only with --pdf, --odt or --html of a person's readings"},
        CommandLineCase{"odtWithCalendar", {"--open", "a.vlm", "--calendar", "2027", "--odt", "a.odt"},
                        CliMode::Open, "--calendar does not combine with --odt"},
        CommandLineCase{"twoToStandardOutput", {"--open", "a.vlm", "--pdf", "-", "--html", "-"}, CliMode::Open,
                        "--pdf - and --html - cannot both write to standard output"},
        CommandLineCase{"odtWithNames", {"--first", "A|B", "--last", "C", "--date", "1980-01-02", "--odt", "a.odt"},
                        CliMode::Variants, "--odt does not go with name variants"}),
    [](const testing::TestParamInfo<CommandLineCase> &info) { return std::string(info.param.label); });

struct PrintCase {
    const char *label;
    std::vector<const char *> arguments;
    bool prints;
};

std::ostream &operator<<(std::ostream &os, const PrintCase &c)
{
    return os << c.label;
}

class PrintsReadingsTest : public testing::TestWithParam<PrintCase>
{
};

TEST_P(PrintsReadingsTest, unlessAFileIsWrittenInsteadWithoutFormat)
{
    QCommandLineParser parser;
    velmora::describeCommandLine(parser);
    ASSERT_TRUE(parser.parse(commandLine(GetParam().arguments)));
    EXPECT_EQ(velmora::printsReadings(parser), GetParam().prints);
}

INSTANTIATE_TEST_SUITE_P(
    Options, PrintsReadingsTest,
    testing::Values(PrintCase{"person", person({}), true},
                    PrintCase{"save", person({"--save", "a.vlm"}), false},
                    PrintCase{"pdf", {"--open", "a.vlm", "--pdf", "a.pdf"}, false},
                    PrintCase{"saveWithFormat", person({"--save", "a.vlm", "--format", "text"}), true},
                    PrintCase{"pdfWithFormat", person({"--pdf", "a.pdf", "--format", "json"}), true}),
    [](const testing::TestParamInfo<PrintCase> &info) { return std::string(info.param.label); });

} // namespace
