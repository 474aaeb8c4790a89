// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

// How a passage of a reading is shown: plain black text, or the bold green
// heading that carries the number. Fonts and colours belong to the view.
enum class Style : std::uint8_t { Plain, Heading };

struct Passage {
    Style style = Style::Plain;
    std::string_view text;
};

inline constexpr std::string_view kLineBreak = "\r\n";
// Two line breaks: the separator between the pieces of every reading.
inline constexpr std::string_view kParagraphBreak = "\r\n\r\n";

// Shown after the heading when a number has no reading of its own.
inline constexpr std::string_view kNotValidText = "This number is not valid for this name.";

// A reading as data: the passages in the order the view shows them. Every
// passage points into static text, so building a reading never allocates.
class Reading
{
public:
    static constexpr std::size_t kMaxPassages = 64;

    void append(Style style, std::string_view text);
    void appendParagraphs(std::span<const std::string_view> paragraphs);

    Reading() = default;
    Reading(const Reading &other) { copyFrom(other); }
    Reading &operator=(const Reading &other)
    {
        if (this != &other)
            copyFrom(other);
        return *this;
    }

    [[nodiscard]] std::span<const Passage> passages() const
    {
        if (m_count == 0)
            return {};
        return {std::launder(reinterpret_cast<const Passage *>(m_storage)), m_count};
    }

    // The text as a plain-text view shows it: each CR LF (or lone CR) becomes "\n".
    [[nodiscard]] std::string plainText() const;

    friend bool operator==(const Reading &a, const Reading &b);

private:
    void copyFrom(const Reading &other);

    // Room for the passages, of which the first m_count are made. Neither
    // cleared on construction nor copied whole: clearing and copying all 64
    // made up half the time of a chart's eight readings (BM_EngineReadings,
    // 556 ns against 858 ns).
    alignas(Passage) std::byte m_storage[kMaxPassages * sizeof(Passage)];
    std::size_t m_count = 0;
};

// One row of a reading table: its number and its paragraphs, in order.
struct ReadingRow {
    int number = 0;
    std::span<const std::string_view> paragraphs;
};

// The fixed texts of one calculation: its explanation paragraph and its rows.
struct ReadingTable {
    std::string_view explanation;
    std::span<const ReadingRow> rows;

    // The row whose number equals `number`, or nullptr when there is none.
    [[nodiscard]] const ReadingRow *find(int number) const;
};

// The decimal text of a number from 0 to kShownNumbers - 1, as static text.
inline constexpr int kShownNumbers = 100;
[[nodiscard]] std::string_view numberText(int number);

// The standard layout: explanation, two breaks, the bold heading text and the
// number followed by two breaks, then the row's paragraphs separated by two
// breaks. A number without a row reads kNotValidText.
[[nodiscard]] Reading ShowReading(const ReadingTable &table, std::string_view heading, int number);

} // namespace velmora
