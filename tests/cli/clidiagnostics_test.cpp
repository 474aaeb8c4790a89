// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "clidiagnostics.h"
#include "tempstream.h"

namespace {

struct VisibleCase {
    const char *name;
    std::string text;
    std::string shown;
};

void PrintTo(const VisibleCase &c, std::ostream *out)
{
    *out << c.name;
}

class VisibleText : public ::testing::TestWithParam<VisibleCase>
{
};

TEST_P(VisibleText, showsEveryControlAsAQuestionMark)
{
    EXPECT_EQ(velmora::visibleText(GetParam().text), GetParam().shown);
}

TEST_P(VisibleText, keepsAnErrorMessageOnOneLine)
{
    const TempStream errors(std::tmpfile());
    velmora::printError(errors.get(), GetParam().text);
    EXPECT_EQ(contentsOf(errors.get()), "tavi-velmora-cli: " + GetParam().shown + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Controls, VisibleText,
    ::testing::Values(VisibleCase{"plainText", "Mary Smith", "Mary Smith"},
                      VisibleCase{"escapeSequence", "Ma\x1b[31mry", "Ma?[31mry"},
                      VisibleCase{"lineBreaksAndTab", "a\nb\r\nc\td", "a?b??c?d"},
                      VisibleCase{"nulAndDelete", std::string("a\0b\x7f", 4), "a?b?"},
                      VisibleCase{"c1ControlsInUtf8", "a\xc2\x9b" "1m\xc2\x80\xc2\x9f", "a?1m??"},
                      VisibleCase{"latinLettersAfterC1Stay", "\xc2\xa0\xc3\xa9\xc2\xbf", "\xc2\xa0\xc3\xa9\xc2\xbf"},
                      VisibleCase{"c2AtTheEndStays", "end\xc2", "end\xc2"},
                      VisibleCase{"otherScriptsStay", "Зоя €", "Зоя €"},
                      VisibleCase{"strayEightBitCsi", "a\x9b" "31mb\xa9", "a?31mb\xa9"},
                      VisibleCase{"directionOverridesAndIsolates",
                                  "Ann\u202eeL\u202c \u2066x\u2069 \u202ay\u200e", "Ann?eL? ?x? ?y\u200e"},
                      VisibleCase{"cutSequenceAtTheEnd", "ok\xe2\x80", "ok\xe2?"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
