// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QJsonObject>

#include <string>

#include "batchrun.h"
#include "chart.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "enginetext.h"
#include "morenumberstext.h"
#include "readingoutput.h"
#include "tempstream.h"

namespace {

using namespace velmora;

// Every output walks the descriptors rather than naming what it shows: under
// every system each number the system has and each chart element reaches the
// JSON, the working and the batch header, and each element the text.
TEST(Descriptors, everyOutputWalksEveryNumberAndChartElement)
{
    BirthData person;
    person.FirstName = "Mary";
    person.MiddleName = "Ann";
    person.LastName = "Smith";
    person.BirthDay = 17;
    person.BirthMonth = 5;
    person.BirthYear = 2001;
    for (const System *system : systems()) {
        SCOPED_TRACE(std::string(system->key));
        const Chart chart = chartOf(person, *system, {8, 12, 2026}, true);
        CliOptions options;
        options.explain = true;
        options.systemNamed = true;
        const QJsonObject json = chartObject(chart, options);
        const QJsonObject working = json.value(QStringLiteral("working")).toObject();
        const std::string text = letterChartsText(chart);
        std::size_t workingLineCount = 0;
        for (const SectionDescriptor &section : sectionDescriptors())
            EXPECT_EQ(json.contains(toQString(section.jsonKey)), chart.shows(section.id)) << section.jsonKey;
        for (const NumberDescriptor &number : numberDescriptors()) {
            EXPECT_EQ(working.contains(toQString(number.key)), system->hasNumber(number.id)) << number.key;
            workingLineCount += system->hasNumber(number.id) ? 1 : 0;
        }
        for (const ElementDescriptor &element : elementDescriptors()) {
            EXPECT_TRUE(json.contains(toQString(element.key))) << element.key;
            EXPECT_NE(text.find(element.title), std::string::npos) << element.title;
            workingLineCount += element.rows;
        }
        EXPECT_EQ(workingLines(chart, true).size(), workingLineCount);

        TempStream input = streamOf("first,middle,last,date\nMary,Ann,Smith,2001-05-17\n");
        TempStream output(std::tmpfile());
        TempStream errors(std::tmpfile());
        BatchRun batch(input.get(), output.get(), errors.get());
        batch.setSystem(*system);
        ASSERT_EQ(batch.run(), Success) << contentsOf(errors.get());
        const std::string csv = contentsOf(output.get());
        const std::string header = "," + csv.substr(0, csv.find_first_of("\r\n")) + ",";
        for (const NumberDescriptor &number : numberDescriptors()) {
            if (!number.column.empty()) {
                EXPECT_EQ(header.find("," + std::string(number.column) + ",") != std::string::npos,
                          shapeOf(*system, number.id).batched)
                    << number.column;
            }
        }
        for (const ElementDescriptor &element : elementDescriptors()) {
            if (!element.column.empty()) {
                EXPECT_NE(header.find("," + std::string(element.column) + ","), std::string::npos) << element.column;
            }
        }
    }
}

} // namespace
