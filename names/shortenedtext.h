// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// The columns a terminal gives the UTF-8 text: a combining mark none, a wide
// (East Asian) character two, every other character (or stray byte) one.
[[nodiscard]] std::size_t displayWidth(std::string_view text);

// The columns a name takes at most where the tool shows it among other text
// (the variants' table and sheet, a calendar event's title).
inline constexpr std::size_t kShownNameColumns = 60;

// The UTF-8 text as it fits in the columns (displayWidth, where a character
// that takes none counts as one): as it is when it fits, otherwise its start and its end with "…" between them, so that two
// long names that differ only at the end stay told apart. The text is cut
// between characters, never inside one.
[[nodiscard]] std::string shortenedText(std::string_view text, std::size_t columns = kShownNameColumns);

} // namespace velmora
