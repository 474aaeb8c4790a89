// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "batchrun.h"
#include "chart.h"
#include "clidiagnostics.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "personinput.h"
#include "realizationtexts.h"
#include "tempstream.h"

using velmora::CsvReader;

namespace {

using Row = std::array<std::string, 4>;

// Names with letters in both cases, spaces (at the ends too), commas, quotes,
// line breaks and UTF-8 bytes, so that the writer quotes many of them and
// doubles quotes in some; now and then long enough that the three names hold
// 256 bytes or more. First and last name always hold a letter.
std::vector<Row> randomRows(std::size_t count)
{
    static const std::string kBytes = "AaEeJjOoSsYyZz  ,\"\r\n-\xC3\xA9" "BbCdFgHkLmNpQrTvWx";
    std::mt19937 random(20261208);
    const auto name = [&](bool needsLetter) {
        const std::size_t length = random() % 6 == 0 ? 100 + random() % 150 : random() % 12;
        std::string text;
        for (std::size_t i = 0; i < length; ++i)
            text += kBytes[random() % kBytes.size()];
        if (needsLetter)
            text.insert(random() % (text.size() + 1), 1, static_cast<char>('a' + random() % 26));
        return text;
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < count; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%04u-%02u-%02u", 1 + static_cast<unsigned>(random() % 9999),
                      1 + static_cast<unsigned>(random() % 12), 1 + static_cast<unsigned>(random() % 28));
        rows.push_back({name(true), random() % 2 == 0 ? std::string() : name(false), name(true), date});
    }
    return rows;
}

// The batch mode tallies the names as they stand in the line where it can;
// every row must still carry the numbers of the person it holds.
TEST(BatchRun, writesTheNumbersOfEveryPersonWhateverTheQuoting)
{
    const std::vector<Row> rows = randomRows(3000);
    TempStream input(std::tmpfile());
    {
        velmora::CsvWriter writer(input.get());
        for (const char *column : {"first", "middle", "last", "date"})
            writer.field(column);
        writer.endRecord();
        for (const Row &row : rows) {
            for (const std::string &field : row)
                writer.field(field);
            writer.endRecord();
        }
    }
    std::rewind(input.get());
    TempStream output(std::tmpfile());
    TempStream errors(std::tmpfile());
    velmora::BatchRun run(input.get(), output.get(), errors.get());
    ASSERT_EQ(run.run(), velmora::Success) << contentsOf(errors.get());
    ASSERT_EQ(run.rowsWritten(), rows.size());

    std::rewind(output.get());
    CsvReader reader(output.get());
    ASSERT_EQ(reader.next(), CsvReader::Status::Record); // the header
    for (const Row &row : rows) {
        ASSERT_EQ(reader.next(), CsvReader::Status::Record);
        // The input, the eleven numbers, the nine further columns, the Inclusion table.
        ASSERT_EQ(reader.fieldCount(), 25U);
        velmora::BirthData person;
        ASSERT_EQ(velmora::readPerson({row[0], row[1], row[2], row[3]}, person), velmora::InputFault::None);
        const velmora::Chart n = velmora::chartOf(person, velmora::classicSystem(), {1, 1, 2000});
        std::array<int, 11> expected{};
        for (std::size_t i = 0; i < expected.size(); ++i)
            expected[i] = n.number(static_cast<velmora::NumberId>(i));
        for (std::size_t i = 0; i < row.size(); ++i)
            EXPECT_EQ(reader.fields()[i], row[i]);
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(reader.fields()[4 + i], std::to_string(expected[i])) << "column " << 4 + i << " of " << row[0];
        EXPECT_EQ(reader.fields()[15], std::to_string(n.number(velmora::NumberId::LifePath))) << row[0];
        std::string counts;
        for (std::size_t value = 1; value <= 9; ++value)
            counts += (value > 1 ? " " : "") + std::to_string(n.inclusion()[value]);
        EXPECT_EQ(reader.fields()[24], counts) << row[0];
    }
    EXPECT_EQ(reader.next(), CsvReader::Status::End);
}

} // namespace
