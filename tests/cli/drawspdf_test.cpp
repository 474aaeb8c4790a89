// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>
#include <string>
#include <vector>

#include "clioptions.h"

namespace {

struct PdfCase {
    const char *label;
    std::vector<const char *> arguments; // after the program name
    bool draws;
};

std::ostream &operator<<(std::ostream &os, const PdfCase &c)
{
    return os << c.label;
}

class DrawsPdfTest : public testing::TestWithParam<PdfCase>
{
};

// The tool picks the platform that can draw before it reads its options in
// full: this choice must agree with what the run then does.
TEST_P(DrawsPdfTest, choosesAsTheRunWill)
{
    QStringList arguments{QStringLiteral("tavi-velmora-cli")};
    for (const char *argument : GetParam().arguments)
        arguments << QString::fromUtf8(argument);
    EXPECT_EQ(velmora::drawsPdf(arguments), GetParam().draws);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, DrawsPdfTest,
    testing::Values(
        PdfCase{"pdfOfAPerson", {"--first", "A", "--last", "B", "--date", "1980-01-02", "--pdf", "a.pdf"}, true},
        PdfCase{"pdfWithEquals", {"--open", "a.vlm", "--pdf=a.pdf"}, true},
        PdfCase{"pdfToStandardOutput", {"--open", "a.vlm", "--pdf", "-"}, true},
        // "--" as a name is a value, not the end of the options: the PDF is drawn.
        PdfCase{"dashesAsAName", {"--first", "--", "--last", "B", "--date", "1980-01-02", "--pdf", "a.pdf"}, true},
        PdfCase{"editableCopy", {"--open", "a.vlm", "--odt", "a.odt"}, true},
        PdfCase{"htmlCopy", {"--open", "a.vlm", "--html", "-"}, true},
        PdfCase{"noPdf", {"--open", "a.vlm", "--format", "json"}, false},
        PdfCase{"pdfAfterTheEndOfOptions", {"--open", "a.vlm", "--", "--pdf", "a.pdf"}, false},
        PdfCase{"pdfWithoutItsValue", {"--open", "a.vlm", "--pdf"}, false},
        PdfCase{"pdfBesideAnUnknownOption", {"--colour", "--pdf", "a.pdf"}, false},
        PdfCase{"pdfAsTheReportsName", {"--open", "--pdf"}, false}),
    [](const testing::TestParamInfo<PdfCase> &info) { return std::string(info.param.label); });

} // namespace
