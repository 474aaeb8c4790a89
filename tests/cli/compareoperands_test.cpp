// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCommandLineParser>

#include <ostream>
#include <string>
#include <vector>

#include "clioptions.h"
#include "personinput.h"

namespace {

struct OperandCase {
    const char *label;
    std::vector<const char *> arguments; // after the program name
    const char *first;                   // the value of --compare
    const char *second;                  // the one operand, or the usage error
};

std::ostream &operator<<(std::ostream &os, const OperandCase &c)
{
    return os << c.label;
}

class CompareOperands : public testing::TestWithParam<OperandCase>
{
};

// Each command line gives --compare its two people, or one usage error.
TEST_P(CompareOperands, giveTheTwoPeople)
{
    QStringList arguments{QStringLiteral("tavi-velmora-cli")};
    for (const char *argument : GetParam().arguments)
        arguments << QString::fromUtf8(argument);
    QCommandLineParser parser;
    velmora::describeCommandLine(parser);
    if (!parser.parse(velmora::withCompareOperands(arguments))) {
        EXPECT_EQ(parser.errorText().toStdString(), GetParam().second);
        return;
    }
    const velmora::CliMode mode = velmora::chosenMode(parser);
    ASSERT_EQ(velmora::commandLineProblem(parser, mode).toStdString(), "");
    EXPECT_EQ(parser.value(QStringLiteral("compare")).toStdString(), GetParam().first);
    ASSERT_EQ(parser.positionalArguments().size(), 1);
    EXPECT_EQ(parser.positionalArguments().constFirst().toStdString(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CompareOperands,
    testing::Values(
        OperandCase{"plain", {"--compare", "a.vlm", "Ann,,Lee,1980-01-02"}, "a.vlm", "Ann,,Lee,1980-01-02"},
        OperandCase{"secondStartsWithADash", {"--compare", "a.vlm", "-Ann,,Lee,1980-01-02", "--format", "json"},
                    "a.vlm", "-Ann,,Lee,1980-01-02"},
        OperandCase{"firstStartsWithADash", {"--compare", "-Ann,,Lee,1980-01-02", "a.vlm"}, "-Ann,,Lee,1980-01-02",
                    "a.vlm"},
        OperandCase{"bothStartWithADash", {"--fold-accents", "--compare", "-x.vlm", "-y.vlm"}, "-x.vlm", "-y.vlm"},
        OperandCase{"inlineFirst", {"--compare=a.vlm", "-b.vlm"}, "a.vlm", "-b.vlm"},
        OperandCase{"secondAfterTheEndOfOptions", {"--compare", "a.vlm", "--", "--Ann,,Lee,1980-01-02"}, "a.vlm",
                    "--Ann,,Lee,1980-01-02"},
        OperandCase{"secondAfterOptions", {"--compare", "a.vlm", "--format", "json", "b.vlm"}, "a.vlm", "b.vlm"},
        OperandCase{"twoDashesAreAnOption", {"--compare", "a.vlm", "--Ann,,Lee,1980-01-02"}, "",
                    "Unknown option 'Ann,,Lee,1980-01-02'."}),
    [](const testing::TestParamInfo<OperandCase> &info) { return std::string(info.param.label); });

TEST(CompareOperandsShort, leaveTheShortOptionsOptions)
{
    for (const char *option : {"-h", "-v"}) {
        QCommandLineParser parser;
        velmora::describeCommandLine(parser);
        const QStringList arguments{QStringLiteral("tavi-velmora-cli"), QStringLiteral("--compare"),
                                    QStringLiteral("a.vlm"), QString::fromLatin1(option)};
        ASSERT_TRUE(parser.parse(velmora::withCompareOperands(arguments)));
        EXPECT_TRUE(parser.isSet(QString::fromLatin1(option + 1))) << option;
    }
}

TEST(CompareHelp, namesBothOperands)
{
    QCommandLineParser parser;
    velmora::describeCommandLine(parser);
    EXPECT_NE(parser.helpText().indexOf(QStringLiteral("  --compare <FIRST> <SECOND>  ")), -1);
}

struct SplitCase {
    const char *label;
    const char *text;
    std::vector<const char *> fields; // empty: not a person
};

std::ostream &operator<<(std::ostream &os, const SplitCase &c)
{
    return os << c.label;
}

class SplitPerson : public testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitPerson, givesFourFieldsOrNone)
{
    const std::optional<velmora::PersonFields> fields = velmora::splitPerson(GetParam().text);
    if (GetParam().fields.empty()) {
        EXPECT_FALSE(fields.has_value());
        return;
    }
    ASSERT_TRUE(fields.has_value());
    const std::vector<std::string_view> got{fields->first, fields->middle, fields->last, fields->date};
    EXPECT_EQ(got, (std::vector<std::string_view>(GetParam().fields.begin(), GetParam().fields.end())));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitPerson,
    testing::Values(SplitCase{"person", "Ann,Mary,Lee,1980-01-02", {"Ann", "Mary", "Lee", "1980-01-02"}},
                    SplitCase{"noMiddle", "Ann,,Lee,1980-01-02", {"Ann", "", "Lee", "1980-01-02"}},
                    SplitCase{"allEmpty", ",,,", {"", "", "", ""}},
                    SplitCase{"threeFields", "Ann,Lee,1980-01-02", {}},
                    SplitCase{"fiveFields", "Ann,,Lee,1980-01-02,", {}},
                    SplitCase{"noComma", "anna.vlm", {}}),
    [](const testing::TestParamInfo<SplitCase> &info) { return std::string(info.param.label); });

} // namespace
