// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "chart.h"
#include "destinytexts.h"
#include "pinnacletexts.h"
#include "realizationtexts.h"

using velmora::Passage;
using velmora::Reading;
using velmora::Style;

namespace {

Reading destinyReading(int number)
{
    return velmora::ShowReading(velmora::destinyTable(), velmora::kDestinyHeading, number);
}

Reading realizationReading(int number)
{
    return velmora::ShowReading(velmora::realizationTable(), velmora::kRealizationHeading, number);
}

std::string str(std::string_view view)
{
    return std::string(view);
}

// The text of the passages of one style, joined.
std::string textOf(const Reading &reading, Style style)
{
    std::string text;
    for (const Passage &p : reading.passages()) {
        if (p.style == style)
            text.append(p.text);
    }
    return text;
}

} // namespace

TEST(ShowReading, laysOutExplanationHeadingAndReading)
{
    const Reading reading = destinyReading(8);
    const velmora::ReadingRow *row = velmora::destinyTable().find(8);
    ASSERT_NE(row, nullptr);
    const std::string expected = str(velmora::destinyTable().explanation) + "\n\nYour Destiny Number is 8\n\n"
        + str(row->paragraphs[0]) + "\n\n" + str(row->paragraphs[1]);
    EXPECT_EQ(reading.plainText(), expected);
    EXPECT_EQ(textOf(reading, Style::Heading), "Your Destiny Number is 8\r\n\r\n");
    ASSERT_FALSE(reading.passages().empty());
    EXPECT_EQ(reading.passages().front().text, velmora::destinyTable().explanation);
    EXPECT_EQ(reading.passages().front().style, Style::Plain);
}

TEST(ShowReading, readsNotValidForANumberWithoutRow)
{
    const std::string text = destinyReading(0).plainText();
    EXPECT_TRUE(text.ends_with("\n\nYour Destiny Number is 0\n\nThis number is not valid for this name.")) << text;
}

TEST(ShowReading, writesMasterNumbersInFull)
{
    for (const int number : {11, 22}) {
        const std::string text = destinyReading(number).plainText();
        EXPECT_NE(text.find("Your Destiny Number is " + std::to_string(number) + "\n\n"), std::string::npos);
        EXPECT_NE(text.find(str(velmora::destinyTable().find(number)->paragraphs[0])), std::string::npos);
    }
}

TEST(ShowReading, realizationZeroReadsItsOwnSentence)
{
    const std::string text = realizationReading(0).plainText();
    EXPECT_TRUE(text.ends_with("Your Realization Number is 0\n\nYour Realization Number is dependent on your Life Path "
                               "Number and Destiny Number. Please calculate these two figures first."));
}

TEST(Reading, plainTextTurnsEveryLineEndIntoNewline)
{
    Reading reading;
    reading.append(Style::Plain, "a\r\nb\rc\n");
    reading.append(Style::Heading, "\r");
    reading.append(Style::Plain, "\nd");
    EXPECT_EQ(reading.plainText(), "a\nb\nc\n\nd");
}

TEST(NumberText, writesDecimalWithoutPadding)
{
    for (int number = 0; number < velmora::kShownNumbers; ++number)
        EXPECT_EQ(velmora::numberText(number), std::to_string(number));
}

namespace {

std::string pinnacleText(const velmora::PinnacleNumbers &numbers)
{
    return velmora::PinnacleReading(numbers, numbers).plainText();
}

std::string pinnacleParagraph(int number)
{
    return str(velmora::pinnacleTable().readings.find(number)->paragraphs.front());
}

} // namespace

TEST(PinnacleReading, headsEachPinnacleWithItsOwnLabel)
{
    const std::string text = pinnacleText({11, 6, 8, 22});
    const std::string expected = str(velmora::pinnacleTable().readings.explanation)
        + "\n\nYour Pinnacle Numbers are as below.\n\n"
          "First Pinnacle from age 0-34 years is 11\n\n"
        + pinnacleParagraph(11) + "\n\nSecond Pinnacle from age 31-39 is 6\n\n" + pinnacleParagraph(6)
        + "\n\nThird Pinnacle from age 38-46 is 8\n\n" + pinnacleParagraph(8)
        + "\n\nFourth Pinnacle from age 51 & beyond is 22\n\n" + pinnacleParagraph(22);
    EXPECT_EQ(text, expected);
}

TEST(PinnacleReading, keepsTheSpacingOfTheThirdLabels)
{
    EXPECT_NE(pinnacleText({2, 2, 4, 2}).find("Third Pinnacle from age 42-50 is  4\n"), std::string::npos);
    EXPECT_NE(pinnacleText({11, 11, 22, 4}).find("Third Pinnacle from age 42-50 is 22\n"), std::string::npos);
}

TEST(PinnacleReading, leavesAnExtraLineAfterAThirdPinnacleOfOne)
{
    const std::string one = pinnacleParagraph(1);
    EXPECT_NE(pinnacleText({5, 5, 1, 5}).find(one + "\n\n\nFourth Pinnacle"), std::string::npos);
    // Elsewhere the reading of 1 is followed by the usual blank line.
    EXPECT_NE(pinnacleText({1, 9, 1, 1}).find(one + "\n\nSecond Pinnacle"), std::string::npos);
    EXPECT_TRUE(pinnacleText({1, 9, 1, 1}).ends_with(one));
}

TEST(PinnacleReading, readsTheStoredCopyOfThreeForTheThirdPinnacle)
{
    const std::string copy = str(velmora::pinnacleTable().thirdPinnacleThree);
    const std::string text = pinnacleText({3, 9, 3, 3});
    EXPECT_NE(text.find("Third Pinnacle from age 43-51 is 3\n\n" + copy + "\n\n"), std::string::npos);
    EXPECT_NE(text.find("First Pinnacle from age 0-33 years is 3\n\n" + pinnacleParagraph(3) + "\n\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("Fourth Pinnacle from age 52 & beyond is 3\n\n" + pinnacleParagraph(3)));
}

TEST(PinnacleReading, showsHeadingsInHeadingStyleOnly)
{
    const std::string headings = textOf(velmora::PinnacleReading({2, 11, 4, 11}, {2, 11, 4, 11}), Style::Heading);
    EXPECT_EQ(headings, "Your Pinnacle Numbers are as below.\r\n\r\n"
                        "First Pinnacle from age 0-34 years is 2\r\n\r\n"
                        "Second Pinnacle from age 35-43 is 11\r\n\r\n"
                        "Third Pinnacle from age 42-50 is  4\r\n\r\n"
                        "Fourth Pinnacle from age 53 & beyond is 11\r\n\r\n");
}

TEST(Readings, eachTabHasItsHeading)
{
    velmora::BirthData data;
    data.FirstName = "John";
    data.LastName = "Smith";
    data.BirthDay = 15;
    data.BirthMonth = 7;
    data.BirthMonthName = "July";
    data.BirthYear = 1980;
    const velmora::Chart chart = velmora::chartOf(data, velmora::classicSystem(), {1, 1, 2000});
    const char *headings[] = {"Your Destiny Number is 8",        "Your Personality Number is 11",
                              "Your Soul Urge Number is 6",      "Your Realization Number is 3",
                              "Your Pinnacle Numbers are as below.", "Your Hidden Passion Number is 8",
                              "Your Subconscious Self Number is 7",  "Your Attitude Number is 4"};
    for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings)) {
        const std::size_t k = velmora::indexOf(section.id);
        SCOPED_TRACE(k);
        EXPECT_NE(chart.reading(section.id).plainText().find(headings[k]), std::string::npos);
    }
}
