// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Only the letters A-Z and a-z count. The characters of a UTF-8 name that
// therefore add nothing, each once, in the order they first appear. Spaces,
// hyphens, apostrophes (' and ’) and full stops only separate the parts of a
// name and are not listed. A byte that is not valid UTF-8 is listed as the
// replacement character U+FFFD, so that the list is always safe to print.
[[nodiscard]] std::vector<std::string> uncountedCharacters(std::string_view name);

// Spaces, hyphens, apostrophes (' and ’) and full stops: they only separate
// the parts of a name, so a name holding them is not said to hold characters
// that do not count.
[[nodiscard]] bool separatesNameParts(char32_t code);

// The name with every Latin letter that carries a diacritic written as its
// base letter or letters, in the same case (é as e, É as E, ß as ss, Æ as AE,
// ø as o), and combining diacritical marks (U+0300-U+036F) left out. Every
// other character, and any byte that is not valid UTF-8, stays as it is.
[[nodiscard]] std::string foldAccents(std::string_view name);

struct AccentFold {
    std::string_view letters; // UTF-8, each of these letters ...
    std::string_view base;    // ... is written as this
};

// The folding table, for the documentation.
[[nodiscard]] std::span<const AccentFold> accentFolds();

} // namespace velmora
