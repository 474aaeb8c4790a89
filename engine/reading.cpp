// SPDX-License-Identifier: MIT
#include "reading.h"

#include <algorithm>
#include <cassert>

namespace velmora {

void Reading::append(Style style, std::string_view text)
{
    assert(m_count < kMaxPassages);
    if (m_count < kMaxPassages)
        m_passages[m_count++] = Passage{style, text};
}

void Reading::appendParagraphs(std::span<const std::string_view> paragraphs)
{
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            append(Style::Plain, kParagraphBreak);
        append(Style::Plain, paragraphs[i]);
    }
}

std::string Reading::plainText() const
{
    std::string text;
    std::size_t size = 0;
    for (const Passage &p : passages())
        size += p.text.size();
    text.reserve(size);
    bool afterCr = false;
    for (const Passage &p : passages()) {
        for (const char ch : p.text) {
            if (ch == '\r') {
                text.push_back('\n');
                afterCr = true;
                continue;
            }
            if (!(ch == '\n' && afterCr))
                text.push_back(ch);
            afterCr = false;
        }
    }
    return text;
}

bool operator==(const Reading &a, const Reading &b)
{
    return std::ranges::equal(a.passages(), b.passages(), [](const Passage &x, const Passage &y) {
        return x.style == y.style && x.text == y.text;
    });
}

const ReadingRow *ReadingTable::find(int number) const
{
    const auto it = std::ranges::find(rows, number, &ReadingRow::number);
    return it == rows.end() ? nullptr : &*it;
}

namespace {

struct NumberTexts {
    static constexpr int kCount = 10000;
    // "0" .. "9999", each padded to four characters.
    std::array<char, kCount * 4> digits{};
    std::array<std::uint8_t, kCount> lengths{};

    constexpr NumberTexts()
    {
        for (int n = 0; n < kCount; ++n) {
            std::array<char, 4> buffer{};
            int length = 0;
            int value = n;
            do {
                buffer[length++] = static_cast<char>('0' + value % 10);
                value /= 10;
            } while (value > 0);
            for (int i = 0; i < length; ++i)
                digits[static_cast<std::size_t>(n * 4 + i)] = buffer[static_cast<std::size_t>(length - 1 - i)];
            lengths[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(length);
        }
    }
};

constexpr NumberTexts kNumberTexts;

} // namespace

std::string_view numberText(int number)
{
    assert(number >= 0 && number < NumberTexts::kCount);
    number = std::clamp(number, 0, NumberTexts::kCount - 1);
    const auto n = static_cast<std::size_t>(number);
    return {kNumberTexts.digits.data() + n * 4, kNumberTexts.lengths[n]};
}

Reading ShowReading(const ReadingTable &table, std::string_view heading, int number)
{
    Reading reading;
    reading.append(Style::Plain, table.explanation);
    reading.append(Style::Plain, kParagraphBreak);
    reading.append(Style::Heading, heading);
    reading.append(Style::Heading, numberText(number));
    reading.append(Style::Heading, kParagraphBreak);
    if (const ReadingRow *row = table.find(number))
        reading.appendParagraphs(row->paragraphs);
    else
        reading.append(Style::Plain, kNotValidText);
    return reading;
}

} // namespace velmora
