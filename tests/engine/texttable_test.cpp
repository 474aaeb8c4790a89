// SPDX-License-Identifier: MIT
#include "texttable.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string_view storedText(const TextCase &c)
{
    const velmora::ReadingTable &table = c.table();
    if (c.number == TextCase::kExplanation)
        return table.explanation;
    const velmora::ReadingRow *row = table.find(c.number);
    if (row == nullptr || c.paragraph >= row->paragraphs.size())
        return {};
    return row->paragraphs[c.paragraph];
}

} // namespace

TEST_P(ReadingTextTest, opensWithItsWordsAndKeepsItsLength)
{
    const TextCase &c = GetParam();
    const std::string_view text = storedText(c);
    ASSERT_FALSE(text.empty()) << "no stored text";
    EXPECT_TRUE(text.starts_with(c.opening)) << "opens with: " << text.substr(0, c.opening.size() + 20);
    const auto length = static_cast<long>(text.size());
    const auto wanted = static_cast<long>(c.length);
    EXPECT_LE(std::labs(length - wanted) * 10, wanted) << "length " << length << ", wanted about " << wanted;
    // Plain ASCII keeps the length in characters equal to the length in bytes,
    // and paragraphs carry no line breaks of their own.
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0x20 && ch < 0x7f; }))
        << "holds a character outside printable ASCII";
    EXPECT_NE(text.back(), ' ');
}
