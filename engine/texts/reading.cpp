// SPDX-License-Identifier: MIT
#include "reading.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <memory>
#include <string>

namespace velmora {

void Reading::append(Style style, std::string_view text)
{
    assert(m_count < kMaxPassages);
    if (m_count < kMaxPassages)
        std::construct_at(reinterpret_cast<Passage *>(m_storage) + m_count++, Passage{style, text});
}

void Reading::copyFrom(const Reading &other)
{
    const std::span<const Passage> from = other.passages();
    std::uninitialized_copy(from.begin(), from.end(), reinterpret_cast<Passage *>(m_storage));
    m_count = from.size();
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

// Readings show reduced numbers (0-9, 11, 22), so the texts of 0-99 cover
// them all. They live as long as the program, as a passage's text must.
std::string_view numberText(int number)
{
    static const std::array<std::string, kShownNumbers> texts = [] {
        std::array<std::string, kShownNumbers> all;
        for (int n = 0; n < kShownNumbers; ++n)
            all[static_cast<std::size_t>(n)] = std::to_string(n);
        return all;
    }();
    assert(number >= 0 && number < kShownNumbers);
    return texts[static_cast<std::size_t>(std::clamp(number, 0, kShownNumbers - 1))];
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
