// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "progressmeter.h"
#include "tempstream.h"

using velmora::ProgressMeter;

namespace {

class ProgressMeterTest : public testing::Test
{
protected:
    std::string shown() { return contentsOf(m_file.get()); }

    TempStream m_file{std::tmpfile()};
    std::FILE *m_stream = m_file.get();
};

TEST_F(ProgressMeterTest, showsRowsAndShareOfTheInputInPlace)
{
    ProgressMeter meter(m_stream, true, 1000, std::chrono::seconds(0));
    meter.update(4096, 250);
    EXPECT_EQ(shown(), "\r\033[Ktavi-velmora-cli: 4096 rows (25%)");
    meter.clear();
    EXPECT_EQ(shown(), "\r\033[Ktavi-velmora-cli: 4096 rows (25%)\r\033[K");
}

TEST_F(ProgressMeterTest, leavesOutTheShareWhenTheSizeIsUnknown)
{
    ProgressMeter meter(m_stream, true, 0, std::chrono::seconds(0));
    meter.update(8192, 250);
    EXPECT_EQ(shown(), "\r\033[Ktavi-velmora-cli: 8192 rows");
}

TEST_F(ProgressMeterTest, staysSilentWhenDisabledOrBeforeTheDelay)
{
    ProgressMeter disabled(m_stream, false, 0, std::chrono::seconds(0));
    disabled.update(4096, 1);
    disabled.clear();
    ProgressMeter early(m_stream, true, 0, std::chrono::hours(1));
    early.update(4096, 1);
    early.clear();
    EXPECT_EQ(shown(), "");
}

} // namespace
