// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace velmora {

// A one-line progress indication for long batch runs: "N rows" and, when the
// input size is known, a percentage, redrawn in place a few times a second.
// It appears only once the run has taken longer than the delay, and only when
// it is enabled (the stream is a terminal).
class ProgressMeter
{
public:
    using Clock = std::chrono::steady_clock;

    ProgressMeter(std::FILE *stream, bool enabled, std::uint64_t totalBytes,
                  Clock::duration delay = std::chrono::seconds(1));

    // Cheap enough to call for every row: looks at the clock every 4096 rows.
    void update(std::uint64_t rows, std::uint64_t bytes)
    {
        if (m_enabled && (rows & 0xfffU) == 0)
            redraw(rows, bytes);
    }
    // Removes the line, so that another message can be written; the next
    // update draws it again.
    void clear();

private:
    void redraw(std::uint64_t rows, std::uint64_t bytes);

    std::FILE *m_stream;
    bool m_enabled;
    bool m_shown = false;
    std::uint64_t m_totalBytes;
    Clock::time_point m_start;
    Clock::time_point m_lastDrawn;
    Clock::duration m_delay;
};

} // namespace velmora
