// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "csvreader.h"
#include "tempstream.h"

using velmora::CsvReader;

namespace {

// Every record as "<line>[field|field]" and every bad record as "<line>!reason", space-separated.
std::string readAll(const std::string &bytes, std::size_t chunkSize, std::size_t maxRecordSize = 1024)
{
    TempStream file = streamOf(bytes);
    CsvReader reader(file.get(), chunkSize, maxRecordSize);
    std::string events;
    for (;;) {
        const CsvReader::Status status = reader.next();
        if (status == CsvReader::Status::End)
            return events;
        if (status == CsvReader::Status::ReadError)
            return events + "read error";
        if (!events.empty())
            events += ' ';
        events += std::to_string(reader.line());
        if (status == CsvReader::Status::BadRecord) {
            events += '!';
            events += reader.error();
            continue;
        }
        events += '[';
        for (std::size_t i = 0; i < reader.fields().size(); ++i) {
            if (i > 0)
                events += '|';
            events += reader.fields()[i];
        }
        events += ']';
    }
}

struct ReaderCase {
    const char *label;
    std::string input;
    std::string events;
};

std::ostream &operator<<(std::ostream &os, const ReaderCase &c)
{
    return os << c.label;
}

class CsvReaderTest : public testing::TestWithParam<ReaderCase>
{
};

// Every chunk size must give the same records: fields, quotes and line ends
// split across chunks are where a streaming reader goes wrong.
TEST_P(CsvReaderTest, givesTheSameRecordsForEveryChunkSize)
{
    const ReaderCase &c = GetParam();
    for (const std::size_t chunk : {1, 2, 3, 5, 7, 64 * 1024})
        EXPECT_EQ(readAll(c.input, chunk), c.events) << "chunk size " << chunk;
}

INSTANTIATE_TEST_SUITE_P(
    Records, CsvReaderTest,
    testing::Values(
        ReaderCase{"lfLineEnds", "a,b\nc,d\n", "1[a|b] 2[c|d]"},
        ReaderCase{"crLfLineEnds", "a,b\r\nc,d\r\n", "1[a|b] 2[c|d]"},
        ReaderCase{"loneCrLineEnds", "a,b\rc,d\r", "1[a|b] 2[c|d]"},
        ReaderCase{"noLineBreakAfterLastRecord", "a,b\nc,d", "1[a|b] 2[c|d]"},
        ReaderCase{"emptyFieldsKept", ",,\n,x,\n", "1[||] 2[|x|]"},
        ReaderCase{"trailingCommaAtEnd", "a,", "1[a|]"},
        ReaderCase{"quotedComma", "\"Smith, Jr\",x\n", "1[Smith, Jr|x]"},
        ReaderCase{"doubledQuotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", "1[say \"hi\"|\"]"},
        ReaderCase{"emptyQuotedField", "\"\",x\n", "1[|x]"},
        ReaderCase{"lineBreaksInsideQuotes", "\"a\r\nb\",c\r\n\"d\ne\rf\",g\r\nh\r\n",
                   "1[a\r\nb|c] 3[d\ne\rf|g] 6[h]"},
        ReaderCase{"quotedFieldAtEnd", "a,\"b\"", "1[a|b]"},
        ReaderCase{"emptyLinesSkipped", "a\n\n\r\n\rb\n", "1[a] 5[b]"},
        ReaderCase{"emptyInput", "", ""},
        ReaderCase{"onlyLineBreaks", "\r\n\n", ""},
        ReaderCase{"quoteInsideUnquotedField", "ab\"c,d\ne,f\n", "1!a quote inside an unquoted field 2[e|f]"},
        ReaderCase{"textAfterClosingQuote", "\"ab\"c,d\r\ne\r\n", "1!text follows a closing quote 2[e]"},
        ReaderCase{"faultOnSecondLineOfRecord", "\"a\nb\"x,y\nc\n", "1!text follows a closing quote 3[c]"},
        ReaderCase{"unclosedQuoteKeepsTheLinesAfterIt", "a,\"bc\nd,e\nf\n",
                   "1!a quoted field is not closed 2[d|e] 3[f]"},
        ReaderCase{"badRecordBetweenGoodOnes", "a\nb\"\nc\n", "1[a] 2!a quote inside an unquoted field 3[c]"}),
    [](const testing::TestParamInfo<ReaderCase> &info) { return std::string(info.param.label); });

class CsvReaderLongRecordTest : public testing::TestWithParam<ReaderCase>
{
};

// A record over the limit is refused whole, and reading goes on after its
// real end: a line break inside one of its quoted fields does not end it.
TEST_P(CsvReaderLongRecordTest, skipsTheWholeRecordForEveryChunkSize)
{
    const ReaderCase &c = GetParam();
    for (const std::size_t chunk : {1, 2, 3, 7, 4096})
        EXPECT_EQ(readAll(c.input, chunk, 50), c.events) << "chunk size " << chunk;
}

const std::string kLong(60, 'x');

INSTANTIATE_TEST_SUITE_P(
    Limits, CsvReaderLongRecordTest,
    testing::Values(
        ReaderCase{"unquoted", "a\n" + kLong + "\nb\n", "1[a] 2!the record is too long 3[b]"},
        ReaderCase{"exactlyAtTheLimit", std::string(50, 'y') + "\r\n" + std::string(51, 'z') + "\r\nb",
                   "1[" + std::string(50, 'y') + "] 2!the record is too long 3[b]"},
        ReaderCase{"lineBreaksInsideQuotes", "a\n\"" + kLong + "\nEvil,,Row,2000-01-01\r\n" + kLong + "\",z\nb\n",
                   "1[a] 2!the record is too long 5[b]"},
        ReaderCase{"crLfSplitInsideQuotes", "\"" + kLong + "\r\nEvil\r\n\"\"\r\n\"\r\nb", "1!the record is too long 5[b]"},
        ReaderCase{"faultBeyondTheLimit", kLong + "\"q\nb\n", "1!the record is too long 2[b]"},
        ReaderCase{"faultInQuotedFieldBeyondTheLimit", "\"" + kLong + "\"q\nb\n", "1!the record is too long 2[b]"},
        ReaderCase{"faultWithinTheLimit", "x\"" + kLong + "\nb\n", "1!a quote inside an unquoted field 2[b]"},
        ReaderCase{"unclosedQuoteRunsToTheEnd", "\"" + kLong + "\nEvil,Row\n", "1!the record is too long"},
        ReaderCase{"shortUnclosedQuote", "\"ab\nc\n", "1!a quoted field is not closed 2[c]"}),
    [](const testing::TestParamInfo<ReaderCase> &info) { return std::string(info.param.label); });

// The end of an unquoted field is found eight bytes at a time: at every place
// in a word, after bytes just below the ends, bytes with the high bit set
// and a NUL, none of which ends it.
TEST(CsvReaderFieldEnds, areFoundAtEveryPlaceOfAWord)
{
    const std::string filler("A '+\t\0\xAC\xA2\x8D\x8A-\xFF\x01\x2B\x21z", 16);
    for (std::size_t length = 0; length <= 17; ++length) {
        std::string field;
        for (std::size_t i = 0; i < length; ++i)
            field += filler[i % filler.size()];
        const auto expect = [&](const std::string &input, const std::string &events) {
            for (const std::size_t chunk : {3, 64 * 1024})
                EXPECT_EQ(readAll(input, chunk), events) << "length " << length << ", chunk size " << chunk;
        };
        expect(field + ",z\n", "1[" + field + "|z]");
        expect(field + "\nz\n", (length > 0 ? "1[" + field + "] 2[z]" : "2[z]"));
        expect(field + "\rz\n", (length > 0 ? "1[" + field + "] 2[z]" : "2[z]"));
        expect(field + "\r\nz\n", (length > 0 ? "1[" + field + "] 2[z]" : "2[z]"));
        if (length > 0)
            expect(field + "\"z\ny\n", "1!a quote inside an unquoted field 2[y]");
    }
}

TEST(CsvReaderLimits, countsFieldsBeyondThoseItKeeps)
{
    const std::size_t count = CsvReader::kMaxFields + 4;
    std::string input = "f";
    for (std::size_t i = 1; i < count; ++i)
        input += ",f";
    TempStream file = streamOf(input);
    CsvReader reader(file.get());
    ASSERT_EQ(reader.next(), CsvReader::Status::Record);
    EXPECT_EQ(reader.fieldCount(), count);
    EXPECT_EQ(reader.fields().size(), CsvReader::kMaxFields);
}

TEST(CsvReaderLimits, countsTheBytesItRead)
{
    const std::string input = "a,b\nc,d\n";
    TempStream file = streamOf(input);
    CsvReader reader(file.get(), 3);
    while (reader.next() != CsvReader::Status::End) {
    }
    EXPECT_EQ(reader.bytesRead(), input.size());
}

} // namespace
