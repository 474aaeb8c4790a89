// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace velmora {

class ProgressMeter;

// The batch mode: CSV with the header first,middle,last,date in, the same
// columns followed by the eleven numbers out. A row the input page would
// refuse is reported on the error stream with its line number and left out;
// every other row is written.
class BatchRun
{
public:
    static constexpr std::string_view kInputHeader = "first,middle,last,date";

    BatchRun(std::FILE *input, std::FILE *output, std::FILE *errors, ProgressMeter *progress = nullptr);

    // The exit status: Success when every row was written, Failure when a
    // row was refused, the header is missing or a stream failed.
    [[nodiscard]] int run();

    [[nodiscard]] std::uint64_t rowsWritten() const { return m_written; }
    [[nodiscard]] std::uint64_t rowsRefused() const { return m_refused; }

private:
    void refuse(std::uint64_t line, std::string_view reason);
    void report(std::string_view text);

    std::FILE *m_input;
    std::FILE *m_output;
    std::FILE *m_errors;
    ProgressMeter *m_progress;
    std::uint64_t m_written = 0;
    std::uint64_t m_refused = 0;
};

} // namespace velmora
