// SPDX-License-Identifier: MIT
#include "csvwriter.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "csvreader.h"

namespace velmora {

CsvWriter::CsvWriter(std::FILE *output, std::size_t bufferSize)
    : m_output(output)
    , m_buffer(bufferSize > 16 ? bufferSize : 16)
{
}

CsvWriter::~CsvWriter()
{
    flush();
}

bool CsvWriter::flush()
{
    if (m_used > 0 && !m_failed)
        m_failed = std::fwrite(m_buffer.data(), 1, m_used, m_output) != m_used;
    m_used = 0;
    if (!m_failed)
        m_failed = std::fflush(m_output) != 0;
    return !m_failed;
}

void CsvWriter::putText(std::string_view text)
{
    while (!text.empty()) {
        if (m_used == m_buffer.size())
            flush();
        const std::size_t n = std::min(text.size(), m_buffer.size() - m_used);
        std::memcpy(m_buffer.data() + m_used, text.data(), n);
        m_used += n;
        text.remove_prefix(n);
    }
}

void CsvWriter::quotedField(std::string_view text)
{
    separate();
    putText("\"");
    for (std::size_t q = text.find('"'); q != std::string_view::npos; q = text.find('"')) {
        putText(text.substr(0, q + 1));
        putText("\"");
        text.remove_prefix(q + 1);
    }
    putText(text);
    putText("\"");
}

char *CsvWriter::formatWideNumber(char *out, int number)
{
    std::array<char, 10> digits{};
    std::size_t n = digits.size();
    // Unsigned, so that the smallest int turns positive without overflow.
    unsigned int value = number < 0 ? 0U - static_cast<unsigned int>(number) : static_cast<unsigned int>(number);
    do {
        digits[--n] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    if (number < 0)
        *out++ = '-';
    std::memcpy(out, digits.data() + n, digits.size() - n);
    return out + (digits.size() - n);
}

void copyFields(const CsvReader &reader, CsvWriter &writer)
{
    if (!reader.rawRecord().empty()) {
        writer.rawFields(reader.rawRecord(), reader.fieldCount());
        return;
    }
    for (const std::string_view field : reader.fields())
        writer.field(field);
}

} // namespace velmora
