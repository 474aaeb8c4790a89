// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Reads CSV records (RFC 4180) from a stream in large chunks. Fields are views
// into the reader's own buffer and stay valid until the next call of next().
// Records end at CR LF, LF or a lone CR; a quoted field may hold commas,
// doubled quotes and line breaks. Empty lines are skipped. A malformed record
// is reported with its reason and the reader goes on after the line on which
// the fault lies, so one stray quote does not swallow the rest of the input.
// A record longer than the limit is refused whole, as soon as it passes the
// limit: it ends where its last field ends, line breaks inside its quoted
// fields included, and the next call goes on after it. An input that holds no
// end of a record in its first bytes (maxLeadIn) is no CSV text: its first
// record, or the empty lines before it, are refused with that reason and
// reading ends there.
class CsvReader
{
public:
    enum class Status : std::uint8_t { Record, BadRecord, End, ReadError };

    static constexpr std::size_t kDefaultChunkSize = 128 * 1024;
    static constexpr std::size_t kMaxRecordSize = 1024 * 1024;
    static constexpr std::uint64_t kMaxLeadIn = 64 * 1024 * 1024;
    // Fields beyond this count are counted but not kept.
    static constexpr std::size_t kMaxFields = 64;

    explicit CsvReader(std::FILE *input, std::size_t chunkSize = kDefaultChunkSize,
                       std::size_t maxRecordSize = kMaxRecordSize, std::uint64_t maxLeadIn = kMaxLeadIn);

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
    // Where the scanner stands within a record.
    enum class State : std::uint8_t { FieldStart, Unquoted, Quoted, QuoteInQuoted, Faulted };

    // A kept field, as offsets from the start of its record.
    struct FieldSpan {
        std::size_t begin = 0;
        std::size_t end = 0;
        bool escaped = false;
    };

    Status readRecord();
    bool splitPlainRecord();
    Status passOverRecord();
    Status giveUp();
    // Bytes of the input before the one the reader stands at.
    [[nodiscard]] std::uint64_t consumed() const { return m_bytesRead - (m_end - m_pos); }
    bool scan();
    bool scanUnquoted(const char *record, std::size_t limit);
    void scanQuoted(const char *record, std::size_t limit, std::size_t available);
    bool afterQuote(const char *record, std::size_t available);
    bool scanFaulted(const char *record, std::size_t limit, std::size_t available);
    bool endLine(const char *record, std::size_t available);
    void endField(std::size_t end);
    void fault(std::string_view reason);
    Status endOfInput();
    Status finishRecord();
    void unescapeFields();
    bool refill();

    std::FILE *m_input;
    std::size_t m_chunkSize;
    std::size_t m_maxRecordSize;
    std::uint64_t m_maxLeadIn;
    std::vector<char> m_buffer;
    std::string m_noRecordEnd;
    bool m_recordEnded = false; // a record, sound or not, has ended
    bool m_gaveUp = false;
    std::size_t m_pos = 0; // the start of the record being read
    std::size_t m_end = 0;
    bool m_eof = false;
    bool m_readError = false;
    std::uint64_t m_bytesRead = 0;
    std::uint64_t m_line = 1;
    std::uint64_t m_recordLine = 0;

    // The record being read. While skipping, the rest of an over-long record
    // is read on without being kept, and m_pos follows the scan.
    State m_state = State::FieldStart;
    bool m_skipping = false;
    std::size_t m_scan = 0;       // offset of the next byte to look at
    std::size_t m_contentEnd = 0; // offset of the line break that ends it
    std::size_t m_lines = 0;      // line breaks taken, inside quotes and at its end
    std::size_t m_fieldBegin = 0;
    bool m_fieldEscaped = false;
    std::size_t m_openQuote = 0; // where the last quoted field opened, and the lines before it
    std::size_t m_openQuoteLines = 0;
    bool m_anyEscaped = false;
    std::string_view m_rawRecord;
    std::string_view m_error;
    std::size_t m_fieldCount = 0;
    std::array<FieldSpan, kMaxFields> m_spans{};
    std::array<std::string_view, kMaxFields> m_fields{};
};

} // namespace velmora
