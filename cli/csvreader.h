// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

// Reads CSV records (RFC 4180) from a stream in large chunks. Fields are views
// into the reader's own buffer and stay valid until the next call of next().
// Records end at CR LF, LF or a lone CR; a quoted field may hold commas,
// doubled quotes and line breaks. Empty lines are skipped. A malformed record
// is reported with its reason and the reader goes on after the line on which
// the fault lies, so one stray quote does not swallow the rest of the input.
// A record longer than the limit is refused whole: it ends where its last
// field ends, line breaks inside its quoted fields included.
class CsvReader
{
public:
    enum class Status : std::uint8_t { Record, BadRecord, End, ReadError };

    static constexpr std::size_t kDefaultChunkSize = 128 * 1024;
    static constexpr std::size_t kMaxRecordSize = 1024 * 1024;
    // Fields beyond this count are counted but not kept.
    static constexpr std::size_t kMaxFields = 64;

    explicit CsvReader(std::FILE *input, std::size_t chunkSize = kDefaultChunkSize,
                       std::size_t maxRecordSize = kMaxRecordSize);

    [[nodiscard]] Status next();

    // The fields of the last Record; fieldCount() may exceed fields().size().
    [[nodiscard]] std::span<const std::string_view> fields() const
    {
        return {m_fields.data(), m_fieldCount < kMaxFields ? m_fieldCount : kMaxFields};
    }
    [[nodiscard]] std::size_t fieldCount() const { return m_fieldCount; }
    // The last Record's bytes as they stand in the input, quotes included and
    // its line break left out; empty when undoubling quotes has changed them.
    [[nodiscard]] std::string_view rawRecord() const { return m_rawRecord; }
    // The line (from 1) on which the last record or bad record starts.
    [[nodiscard]] std::uint64_t line() const { return m_recordLine; }
    // Why the last BadRecord was refused.
    [[nodiscard]] std::string_view error() const { return m_error; }
    // Bytes taken from the stream so far.
    [[nodiscard]] std::uint64_t bytesRead() const { return m_bytesRead; }

private:
    enum class Scan : std::uint8_t { Complete, NeedMore, Fault };

    Scan scanRecord();
    void unescapeFields();
    bool refill();
    Status skipBadRecord(std::size_t faultPosition);
    Status skipLongRecord();
    // The position after the line break at `position` (CR, LF or CR LF).
    std::size_t pastLineBreak(std::size_t position);

    std::FILE *m_input;
    std::size_t m_chunkSize;
    std::size_t m_maxRecordSize;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    bool m_readError = false;
    bool m_afterCr = false;
    std::uint64_t m_bytesRead = 0;
    std::uint64_t m_line = 1;
    std::uint64_t m_recordLine = 0;

    // Filled by scanRecord.
    std::size_t m_scanEnd = 0;
    std::size_t m_contentEnd = 0;
    bool m_anyEscaped = false;
    std::string_view m_rawRecord;
    std::size_t m_scanLines = 0;
    std::size_t m_faultPosition = 0;
    std::size_t m_faultReach = 0; // how far a reader must look to see the fault
    std::string_view m_error;
    std::size_t m_fieldCount = 0;
    std::array<std::string_view, kMaxFields> m_fields{};
    std::array<bool, kMaxFields> m_escaped{};
};

} // namespace velmora
