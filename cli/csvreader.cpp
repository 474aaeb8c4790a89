// SPDX-License-Identifier: MIT
#include "csvreader.h"

#include <cstring>

namespace velmora {
namespace {

// The bytes that end an unquoted field, or that it must not hold.
constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    for (const unsigned char ch : {',', '\r', '\n', '"'})
        special[ch] = true;
    return special;
}();

constexpr std::string_view kTooLong = "the record is too long";

// CR LF, LF and a lone CR each end one line.
std::size_t countLineBreaks(const char *begin, const char *end)
{
    std::size_t count = 0;
    for (const char *p = begin; p < end; ++p) {
        if (*p == '\r')
            ++count;
        else if (*p == '\n' && !(p > begin && p[-1] == '\r'))
            ++count;
    }
    return count;
}

} // namespace

CsvReader::CsvReader(std::FILE *input, std::size_t chunkSize, std::size_t maxRecordSize)
    : m_input(input)
    , m_chunkSize(chunkSize > 0 ? chunkSize : 1)
    , m_maxRecordSize(maxRecordSize > 0 ? maxRecordSize : 1)
    , m_buffer(m_chunkSize + m_maxRecordSize)
{
}

bool CsvReader::refill()
{
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
        m_end -= m_pos;
        m_pos = 0;
    }
    const std::size_t room = m_buffer.size() - m_end;
    const std::size_t want = room < m_chunkSize ? room : m_chunkSize;
    const std::size_t got = std::fread(m_buffer.data() + m_end, 1, want, m_input);
    m_end += got;
    m_bytesRead += got;
    if (got < want) {
        m_eof = true;
        m_readError = std::ferror(m_input) != 0;
    }
    return got > 0;
}

CsvReader::Status CsvReader::next()
{
    for (;;) {
        if (m_readError)
            return Status::ReadError;
        if (m_pos == m_end) {
            if (m_eof)
                return Status::End;
            refill();
            continue;
        }
        const char ch = m_buffer[m_pos];
        if (m_afterCr) {
            // The LF of a CR LF whose CR closed the previous chunk.
            m_afterCr = false;
            if (ch == '\n') {
                ++m_pos;
                continue;
            }
        }
        if (ch == '\r' || ch == '\n') {
            // An empty line holds no record.
            ++m_pos;
            ++m_line;
            if (ch == '\r' && m_pos < m_end && m_buffer[m_pos] == '\n')
                ++m_pos;
            else if (ch == '\r' && m_pos == m_end)
                m_afterCr = true;
            continue;
        }
        m_recordLine = m_line;
        switch (scanRecord()) {
        case Scan::Complete: {
            const bool tooLong = m_contentEnd - m_pos > m_maxRecordSize;
            const std::size_t recordStart = m_pos;
            m_pos = m_scanEnd;
            m_line += m_scanLines;
            if (tooLong) {
                m_error = kTooLong;
                return Status::BadRecord;
            }
            m_rawRecord = m_anyEscaped ? std::string_view{}
                                       : std::string_view{m_buffer.data() + recordStart, m_contentEnd - recordStart};
            unescapeFields();
            return Status::Record;
        }
        case Scan::NeedMore:
            if (m_end - m_pos > m_maxRecordSize || m_eof) {
                m_error = kTooLong;
                return skipLongRecord();
            }
            refill();
            continue;
        case Scan::Fault:
            // A fault that lies beyond the limit is not looked for in a long
            // record: it is refused as too long, whatever the chunk size.
            if (m_faultReach - m_pos > m_maxRecordSize)
                m_error = kTooLong;
            return skipBadRecord(m_faultPosition);
        }
    }
}

CsvReader::Scan CsvReader::scanRecord()
{
    const char *const base = m_buffer.data();
    const char *const end = base + m_end;
    const char *p = base + m_pos;
    m_fieldCount = 0;
    m_scanLines = 0;
    m_anyEscaped = false;
    for (;;) {
        std::string_view field;
        bool escaped = false;
        if (p < end && *p == '"') {
            const char *const open = p;
            const char *const content = ++p;
            for (;;) {
                const auto *quote = static_cast<const char *>(std::memchr(p, '"', static_cast<std::size_t>(end - p)));
                if (quote == nullptr) {
                    if (!m_eof)
                        return Scan::NeedMore;
                    m_error = "a quoted field is not closed";
                    m_faultPosition = static_cast<std::size_t>(open - base);
                    m_faultReach = m_end;
                    if (m_end - m_pos > m_maxRecordSize)
                        m_faultPosition = m_end; // too long: the field runs to the end
                    return Scan::Fault;
                }
                if (quote + 1 == end && !m_eof)
                    return Scan::NeedMore; // the next byte may double the quote
                if (quote + 1 < end && quote[1] == '"') {
                    escaped = true;
                    p = quote + 2;
                    continue;
                }
                field = {content, quote};
                p = quote + 1;
                break;
            }
            m_scanLines += countLineBreaks(field.data(), field.data() + field.size());
            if (p < end && *p != ',' && *p != '\r' && *p != '\n') {
                m_error = "text follows a closing quote";
                m_faultPosition = static_cast<std::size_t>(p - base);
                m_faultReach = m_faultPosition;
                return Scan::Fault;
            }
        } else {
            const char *q = p;
            while (q < end && !kSpecial[static_cast<unsigned char>(*q)])
                ++q;
            if (q < end && *q == '"') {
                m_error = "a quote inside an unquoted field";
                m_faultPosition = static_cast<std::size_t>(q - base);
                m_faultReach = m_faultPosition;
                return Scan::Fault;
            }
            if (q == end && !m_eof)
                return Scan::NeedMore;
            field = {p, q};
            p = q;
        }
        if (m_fieldCount < kMaxFields) {
            m_fields[m_fieldCount] = field;
            m_escaped[m_fieldCount] = escaped;
            m_anyEscaped = m_anyEscaped || escaped;
        }
        ++m_fieldCount;
        if (p == end) {
            // The last record of the input, without a line break.
            m_scanEnd = m_end;
            m_contentEnd = m_end;
            return Scan::Complete;
        }
        if (*p == ',') {
            ++p;
            continue;
        }
        ++m_scanLines;
        m_contentEnd = static_cast<std::size_t>(p - base);
        if (*p++ == '\r') {
            if (p == end)
                m_afterCr = true;
            else if (*p == '\n')
                ++p;
        }
        m_scanEnd = static_cast<std::size_t>(p - base);
        return Scan::Complete;
    }
}

void CsvReader::unescapeFields()
{
    for (std::size_t i = 0; i < fields().size(); ++i) {
        if (!m_escaped[i])
            continue;
        // Doubled quotes become one, in place: the text only gets shorter.
        char *const begin = m_buffer.data() + (m_fields[i].data() - m_buffer.data());
        const char *read = begin;
        const char *const end = begin + m_fields[i].size();
        char *write = begin;
        while (read < end) {
            *write++ = *read;
            read += *read == '"' ? 2 : 1;
        }
        m_fields[i] = {begin, static_cast<std::size_t>(write - begin)};
    }
}

CsvReader::Status CsvReader::skipLongRecord()
{
    // The record is read on without being kept, with its quotes, so that a line
    // break inside a quoted field does not end it. Should a fault turn up on
    // the way, the record ends with the line on which the fault lies, as any
    // bad record does.
    enum class State : std::uint8_t { FieldStart, Unquoted, Quoted, QuoteInQuoted, Fault };
    State state = State::FieldStart;
    bool afterCr = false; // the last byte was a CR inside a quoted field
    for (;;) {
        const char *const base = m_buffer.data();
        std::size_t q = m_pos;
        for (; q < m_end; ++q) {
            const char ch = base[q];
            const bool lineBreak = ch == '\r' || ch == '\n';
            if (state == State::Quoted) {
                if (ch == '"')
                    state = State::QuoteInQuoted;
                else if (lineBreak && !(ch == '\n' && afterCr))
                    ++m_line;
                afterCr = ch == '\r';
                continue;
            }
            if (lineBreak)
                break;
            switch (state) {
            case State::FieldStart:
                state = ch == '"' ? State::Quoted : ch == ',' ? State::FieldStart : State::Unquoted;
                break;
            case State::Unquoted:
                state = ch == ',' ? State::FieldStart : ch == '"' ? State::Fault : State::Unquoted;
                break;
            case State::QuoteInQuoted:
                state = ch == '"' ? State::Quoted : ch == ',' ? State::FieldStart : State::Fault;
                break;
            case State::Quoted:
            case State::Fault:
                break;
            }
            afterCr = false;
        }
        if (q < m_end) {
            ++m_line;
            m_pos = pastLineBreak(q);
            return Status::BadRecord;
        }
        m_pos = m_end;
        if (m_eof)
            return Status::BadRecord;
        refill();
    }
}

std::size_t CsvReader::pastLineBreak(std::size_t position)
{
    // A CR that ends the buffer may be the first half of a CR LF.
    if (m_buffer[position++] == '\r') {
        if (position == m_end)
            m_afterCr = true;
        else if (m_buffer[position] == '\n')
            ++position;
    }
    return position;
}

CsvReader::Status CsvReader::skipBadRecord(std::size_t faultPosition)
{
    // A bad record ends with the line on which its fault lies.
    std::size_t from = faultPosition;
    for (;;) {
        const char *const base = m_buffer.data();
        std::size_t q = from;
        while (q < m_end && base[q] != '\r' && base[q] != '\n')
            ++q;
        if (q < m_end) {
            m_line += countLineBreaks(base + m_pos, base + q) + 1;
            m_pos = pastLineBreak(q);
            return Status::BadRecord;
        }
        m_line += countLineBreaks(base + m_pos, base + m_end);
        m_pos = m_end;
        if (m_eof)
            return Status::BadRecord;
        refill();
        from = m_pos;
    }
}

} // namespace velmora
