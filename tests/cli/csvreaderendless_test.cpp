// SPDX-License-Identifier: MIT
// Inputs that never end (a device such as /dev/zero, a pipe that keeps
// writing) must not keep the reader from saying what is wrong.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

#include "csvreader.h"

using velmora::CsvReader;

namespace {

// A stream that repeats its pattern for ever, after a start.
struct Endless {
    std::string start;
    std::string pattern;
    std::size_t at = 0;
};

ssize_t readEndless(void *cookie, char *buffer, std::size_t size)
{
    auto *endless = static_cast<Endless *>(cookie);
    const std::string &start = endless->start;
    for (std::size_t i = 0; i < size; ++i, ++endless->at) {
        buffer[i] = endless->at < start.size()
            ? start[endless->at]
            : endless->pattern[(endless->at - start.size()) % endless->pattern.size()];
    }
    return static_cast<ssize_t>(size);
}

struct EndlessCase {
    const char *label;
    std::string start;
    std::string pattern;
    std::string events; // as readEvents gives them
};

std::ostream &operator<<(std::ostream &os, const EndlessCase &c)
{
    return os << c.label;
}

// Every record as "<line>[n fields]" and every bad record as
// "<line>!reason", space-separated, up to the end or the tenth event.
std::string readEvents(const EndlessCase &c, std::size_t chunkSize)
{
    Endless endless{c.start, c.pattern};
    std::FILE *input = fopencookie(&endless, "r", {readEndless, nullptr, nullptr, nullptr});
    CsvReader reader(input, chunkSize, 100, 1000);
    std::string events;
    for (int k = 0; k < 10; ++k) {
        const CsvReader::Status status = reader.next();
        if (status == CsvReader::Status::End)
            break;
        if (!events.empty())
            events += ' ';
        events += std::to_string(reader.line());
        events += status == CsvReader::Status::BadRecord ? "!" + std::string(reader.error())
                                                         : "[" + std::to_string(reader.fieldCount()) + "]";
    }
    std::fclose(input);
    return events;
}

class CsvReaderEndless : public testing::TestWithParam<EndlessCase>
{
};

// An over-long record is refused, and an input with no end of a record in
// its first bytes ends the reading with that reason alone.
TEST_P(CsvReaderEndless, saysWhatIsWrongAndStops)
{
    for (const std::size_t chunk : {1, 7, 64, 4096})
        EXPECT_EQ(readEvents(GetParam(), chunk), GetParam().events) << "chunk size " << chunk;
}

const std::string kGiveUp = "no record ends in the first 1000 bytes of the input; reading stops";

INSTANTIATE_TEST_SUITE_P(
    Inputs, CsvReaderEndless,
    testing::Values(
        EndlessCase{"zeroBytes", {}, std::string(1, '\0'), "1!" + kGiveUp},
        EndlessCase{"oneEndlessQuotedField", "\"", "a\n", "1!" + kGiveUp},
        EndlessCase{"longFirstRecordThenRecords", std::string(500, 'x') + "\n", "a,b\n",
                    "1!the record is too long 2[2] 3[2] 4[2] 5[2] 6[2] 7[2] 8[2] 9[2] 10[2]"},
        EndlessCase{"onlyEmptyLines", {}, "\r\n", "502!" + kGiveUp},
        EndlessCase{"emptyLinesThenEndlessText", "\n\n", "x", "3!" + kGiveUp},
        EndlessCase{"recordsForEver", "a,b\n", "c,d\n",
                    "1[2] 2[2] 3[2] 4[2] 5[2] 6[2] 7[2] 8[2] 9[2] 10[2]"}),
    [](const testing::TestParamInfo<EndlessCase> &info) { return std::string(info.param.label); });

} // namespace
