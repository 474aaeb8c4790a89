// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "csvreader.h"
#include "csvwriter.h"
#include "tempstream.h"

using velmora::CsvReader;
using velmora::CsvWriter;

namespace {

template<typename Fill>
std::string written(std::size_t bufferSize, Fill fill)
{
    TempStream file(std::tmpfile());
    {
        CsvWriter writer(file.get(), bufferSize);
        fill(writer);
        EXPECT_TRUE(writer.flush());
    }
    return contentsOf(file.get());
}

TEST(CsvWriter, quotesOnlyFieldsThatNeedIt)
{
    const std::string text = written(CsvWriter::kDefaultBufferSize, [](CsvWriter &w) {
        for (const char *field : {"plain", "", "a,b", "say \"hi\"", "two\r\nlines", "lf\nonly", "cr\ronly", " spaced "})
            w.field(field);
        w.endRecord();
    });
    EXPECT_EQ(text, "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"lf\nonly\",\"cr\ronly\", spaced \r\n");
}

TEST(CsvWriter, writesNumbersInDecimal)
{
    const std::string text = written(CsvWriter::kDefaultBufferSize, [](CsvWriter &w) {
        for (const int number : {0, 7, 11, 22, 1980, -5, INT_MAX, INT_MIN})
            w.field(number);
        w.endRecord();
    });
    EXPECT_EQ(text, "0,7,11,22,1980,-5," + std::to_string(INT_MAX) + ',' + std::to_string(INT_MIN) + "\r\n");
}

// A run of numbers is written as the same numbers one by one would be: at
// the start of a record and after other fields, with wide and negative ones
// among them, in a buffer that fills up on the way and in one too small for
// the run.
TEST(CsvWriter, writesARunOfNumbersAsOneByOne)
{
    const std::vector<int> numbers = {8, 11, 0, 22, 99, 100, 7, -3, INT_MIN, 4, INT_MAX, 5, 9};
    for (const std::size_t bufferSize : {std::size_t{16}, std::size_t{40}, std::size_t{1000}, std::size_t{4096}}) {
        SCOPED_TRACE(bufferSize);
        const auto oneByOne = [&](CsvWriter &w) {
            for (int row = 0; row < 20; ++row) {
                for (const int number : numbers)
                    w.field(number);
                w.endRecord();
                w.field("John");
                for (const int number : numbers)
                    w.field(number);
                w.endRecord();
            }
        };
        const auto asRuns = [&](CsvWriter &w) {
            for (int row = 0; row < 20; ++row) {
                w.fields(numbers);
                w.endRecord();
                w.field("John");
                w.fields(numbers);
                w.fields({});
                w.endRecord();
            }
        };
        EXPECT_EQ(written(bufferSize, asRuns), written(bufferSize, oneByOne));
    }
}

TEST(CsvWriter, fieldsLargerThanTheBufferArriveWhole)
{
    const std::string field = std::string(100, 'q') + "\"" + std::string(100, ',');
    const auto fill = [&](CsvWriter &w) {
        w.field(field);
        w.field(42);
        w.endRecord();
    };
    EXPECT_EQ(written(16, fill), written(CsvWriter::kDefaultBufferSize, fill));
}

TEST(CsvWriter, reportsAFailedWrite)
{
    std::FILE *full = std::fopen("/dev/full", "wb");
    if (full == nullptr)
        GTEST_SKIP() << "no /dev/full";
    CsvWriter writer(full, 16);
    writer.field(std::string(64, 'x'));
    writer.endRecord();
    EXPECT_FALSE(writer.flush());
    EXPECT_TRUE(writer.failed());
    std::fclose(full);
}

// A record copied from the reader reads back with the same fields; one whose
// bytes were not changed by undoubling quotes is copied byte for byte.
TEST(CsvCopy, copiesRecordsAsTheyWereRead)
{
    struct Case {
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {"a,b,c\n", "a,b,c\r\n"},
        {"\"John\",,\"Smith, Jr\"\r\n", "\"John\",,\"Smith, Jr\"\r\n"},
        {"\"two\nlines\",x", "\"two\nlines\",x\r\n"},
        {"\"say \"\"hi\"\"\",\"plain\"\n", "\"say \"\"hi\"\"\",plain\r\n"},
    };
    for (const Case &c : cases) {
        TempStream in = streamOf(c.input);
        CsvReader reader(in.get());
        ASSERT_EQ(reader.next(), CsvReader::Status::Record) << c.input;
        std::vector<std::string> fields(reader.fields().begin(), reader.fields().end());
        const std::string text = written(CsvWriter::kDefaultBufferSize, [&](CsvWriter &w) {
            velmora::copyFields(reader, w);
            w.endRecord();
        });
        EXPECT_EQ(text, c.output);

        TempStream out = streamOf(text);
        CsvReader again(out.get());
        ASSERT_EQ(again.next(), CsvReader::Status::Record);
        EXPECT_EQ(std::vector<std::string>(again.fields().begin(), again.fields().end()), fields);
    }
}

// Whatever the writer writes, the reader reads back field for field.
TEST(CsvRoundTrip, readsBackWhatWasWritten)
{
    std::mt19937 random(20261208);
    const std::string alphabet = "ab ,\"\r\n\xC3\xA9";
    std::vector<std::vector<std::string>> records(300);
    for (auto &record : records) {
        record.resize(4);
        for (std::string &field : record) {
            const std::size_t length = random() % 8;
            for (std::size_t i = 0; i < length; ++i)
                field += alphabet[random() % alphabet.size()];
        }
        record[0] += 'x'; // a record of one empty field would be an empty line
    }
    TempStream file(std::tmpfile());
    {
        CsvWriter writer(file.get(), 64);
        for (const auto &record : records) {
            for (const std::string &field : record)
                writer.field(field);
            writer.endRecord();
        }
    }
    std::rewind(file.get());
    CsvReader reader(file.get(), 5);
    for (const auto &record : records) {
        ASSERT_EQ(reader.next(), CsvReader::Status::Record);
        ASSERT_EQ(reader.fieldCount(), record.size());
        for (std::size_t i = 0; i < record.size(); ++i)
            EXPECT_EQ(reader.fields()[i], record[i]);
    }
    EXPECT_EQ(reader.next(), CsvReader::Status::End);
}

} // namespace
