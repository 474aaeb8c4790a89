// SPDX-License-Identifier: MIT
#include "progressmeter.h"

#include <cinttypes>

#include "clidiagnostics.h"

namespace velmora {

ProgressMeter::ProgressMeter(std::FILE *stream, bool enabled, std::uint64_t totalBytes, Clock::duration delay)
    : m_stream(stream)
    , m_enabled(enabled)
    , m_totalBytes(totalBytes)
    , m_start(Clock::now())
    , m_delay(delay)
{
}

void ProgressMeter::redraw(std::uint64_t rows, std::uint64_t bytes)
{
    const Clock::time_point now = Clock::now();
    if (now - m_start < m_delay || (m_shown && now - m_lastDrawn < std::chrono::milliseconds(200)))
        return;
    m_lastDrawn = now;
    m_shown = true;
    const int name = static_cast<int>(kProgramName.size());
    if (m_totalBytes > 0) {
        const auto percent = static_cast<unsigned>(bytes >= m_totalBytes ? 100 : bytes * 100 / m_totalBytes);
        std::fprintf(m_stream, "\r\033[K%.*s: %" PRIu64 " rows (%u%%)", name, kProgramName.data(), rows, percent);
    } else {
        std::fprintf(m_stream, "\r\033[K%.*s: %" PRIu64 " rows", name, kProgramName.data(), rows);
    }
    std::fflush(m_stream);
}

void ProgressMeter::clear()
{
    if (!m_shown)
        return;
    std::fputs("\r\033[K", m_stream);
    std::fflush(m_stream);
    m_shown = false;
}

} // namespace velmora
