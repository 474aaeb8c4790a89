// SPDX-License-Identifier: MIT
// Each mode's run with each of its formats, through the whole tool in
// process: the command line reaches the run it chooses, and the run writes
// the format asked for.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cliapplication.h"
#include "clidiagnostics.h"
#include "system.h"
#include "tempstream.h"

namespace {

struct Ran {
    int status;
    std::string output;
    std::string errors;
};

Ran runTool(const std::vector<std::string> &arguments)
{
    QStringList list{QStringLiteral("tavi-velmora-cli")};
    for (const std::string &argument : arguments)
        list << QString::fromStdString(argument);
    TempStream output(std::tmpfile());
    TempStream errors(std::tmpfile());
    velmora::CliApplication tool(output.get(), errors.get(), [] { return QDate(2026, 12, 8); });
    const int status = tool.run(list);
    return {status, contentsOf(output.get()), contentsOf(errors.get())};
}

// A CSV of people in a file of its own, removed with the object.
struct PeopleFile {
    std::filesystem::path path;
    explicit PeopleFile(const std::string &csv)
        : path(std::filesystem::temp_directory_path() / ("velmora-runs-" + std::to_string(::getpid()) + ".csv"))
    {
        std::ofstream(path) << csv;
    }
    ~PeopleFile() { std::filesystem::remove(path); }
};

const std::vector<std::string> kPerson = {"--first", "Mary", "--last", "Smith", "--date", "1980-07-15"};

std::vector<std::string> with(std::vector<std::string> arguments, const std::vector<std::string> &more)
{
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

struct FormatCase {
    const char *label;
    std::vector<std::string> arguments; // "PEOPLE" stands for the people file
    std::string start; // what the output starts with
};

std::ostream &operator<<(std::ostream &os, const FormatCase &c)
{
    return os << c.label;
}

class RunFormatTest : public testing::TestWithParam<FormatCase>
{
};

TEST_P(RunFormatTest, writesTheFormatAskedFor)
{
    const PeopleFile people("first,last,date\nMary,Smith,1980-07-15\n");
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string &argument : arguments) {
        if (argument == "PEOPLE")
            argument = people.path.string();
    }
    const Ran ran = runTool(arguments);
    EXPECT_EQ(ran.status, velmora::Success) << ran.errors;
    EXPECT_EQ(ran.output.substr(0, GetParam().start.size()), GetParam().start);
}

const std::vector<std::string> kCompare = {"--compare", "Mary,,Smith,1980-07-15", "John,,Smith,1981-01-02"};
const std::vector<std::string> kVariants = {"--first", "Jon|John", "--last", "Smith", "--date", "1990-01-02"};

INSTANTIATE_TEST_SUITE_P(
    EveryRun, RunFormatTest,
    testing::Values(
        FormatCase{"person_text", kPerson, "Destiny Number\n"},
        FormatCase{"person_json", with(kPerson, {"--format", "json"}), "{\n    \"attitude\""},
        FormatCase{"calendar_text", with(kPerson, {"--calendar", "2027-02"}), "              February 2027\n"},
        FormatCase{"calendar_found_days", with(kPerson, {"--calendar", "2027", "--find", "personal-day=6"}),
                   "Fri 2027-01-08  Personal Year 6"},
        FormatCase{"calendar_csv", with(kPerson, {"--calendar", "2027-02", "--format", "csv"}),
                   "date,personal_year,personal_month,personal_day\r\n2027-02-01,6,8,9\r\n"},
        FormatCase{"calendar_json", with(kPerson, {"--calendar", "2027-02", "--format", "json"}),
                   "[\n    {\"date\": \"2027-02-01\""},
        FormatCase{"compare_text", kCompare, "Two People Compared\n"},
        FormatCase{"compare_json", with(kCompare, {"--format", "json"}), "{\n    \"destiny\""},
        FormatCase{"variants_text", kVariants, "Name        Destiny  Soul Urge  Personality  Karmic Debts\n"},
        FormatCase{"variants_csv", with(kVariants, {"--format", "csv"}),
                   "first,middle,last,date,destiny,soul_urge,personality,karmic_debts,match\r\n"},
        FormatCase{"variants_json", with(kVariants, {"--format", "json"}), "[\n    {"},
        FormatCase{"variants_file", {"--variants", "PEOPLE"}, "Name        Destiny"},
        FormatCase{"batch_csv", {"--batch", "--input", "PEOPLE"}, "first,last,date,destiny,personality"},
        FormatCase{"batch_json", {"--batch", "--input", "PEOPLE", "--format", "json"}, "{\"attitude\""}),
    [](const testing::TestParamInfo<FormatCase> &info) { return std::string(info.param.label); });

// Every column the batch writes, under every system, is named in --help.
TEST(Help, namesEveryColumnTheBatchWrites)
{
    const std::string help = runTool({"--help"}).output;
    const PeopleFile people("first,last,date\nMary,Smith,1980-07-15\n");
    for (const velmora::System *system : velmora::systems()) {
        const Ran batch = runTool({"--batch", "--input", people.path.string(), "--system", std::string(system->key)});
        const std::string header = batch.output.substr(0, batch.output.find('\r'));
        const QStringList columns = QString::fromStdString(header).split(u',').mid(3);
        ASSERT_FALSE(columns.isEmpty()) << system->key;
        for (const QString &column : columns) {
            const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(column));
            EXPECT_TRUE(word.match(QString::fromStdString(help)).hasMatch())
                << column.toStdString() << " (" << system->key << ") is not in --help";
        }
    }
}

struct PassionCase {
    const char *system;
    const char *first; // Ann: one value most frequent; Abcd: four tied
    const char *key; // "numbers", "number", or "" when the system has none
};

std::ostream &operator<<(std::ostream &os, const PassionCase &c)
{
    return os << c.system << ' ' << c.first;
}

class PassionShapeTest : public testing::TestWithParam<PassionCase>
{
};

// Hidden Passion's JSON shape follows the system, never the person: a list
// under the system that counts it by value, even with one value; one number
// under the system that counts letters, even for a tie.
TEST_P(PassionShapeTest, followsTheSystemNotThePerson)
{
    const PassionCase &c = GetParam();
    const Ran ran = runTool({"--first", c.first, "--last", "Lee", "--date", "1980-07-15", "--format", "json",
                             "--system", c.system});
    ASSERT_EQ(ran.status, velmora::Success) << ran.errors;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(ran.output)).object();
    const QJsonObject passion = root.value(QStringLiteral("hiddenPassion")).toObject();
    if (std::string(c.key).empty()) {
        EXPECT_FALSE(root.contains(QStringLiteral("hiddenPassion")));
        return;
    }
    EXPECT_EQ(passion.contains(QStringLiteral("numbers")), std::string(c.key) == "numbers");
    EXPECT_EQ(passion.contains(QStringLiteral("number")), std::string(c.key) == "number");
    if (passion.contains(QStringLiteral("numbers")))
        EXPECT_FALSE(passion.value(QStringLiteral("numbers")).toArray().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EverySystem, PassionShapeTest,
                         testing::Values(PassionCase{"classic", "Ann", "number"},
                                         PassionCase{"classic", "Abcd", "number"},
                                         PassionCase{"common", "Ann", "numbers"},
                                         PassionCase{"common", "Abcd", "numbers"},
                                         PassionCase{"chaldean", "Ann", ""},
                                         PassionCase{"chaldean", "Abcd", ""}),
                         [](const testing::TestParamInfo<PassionCase> &info) {
                             return std::string(info.param.system) + '_' + info.param.first;
                         });

} // namespace
