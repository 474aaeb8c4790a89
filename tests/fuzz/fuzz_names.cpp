// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes as a name to the accent folding and to the list of
// characters that do not count: the list must be printable UTF-8 without
// repeats or counted letters, and folding valid UTF-8 must give valid UTF-8
// that folds no further.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "namefolding.h"

namespace {

bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view name(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> uncounted = velmora::uncountedCharacters(name);
    for (std::size_t i = 0; i < uncounted.size(); ++i) {
        check(!uncounted[i].empty() && isValidUtf8(uncounted[i]));
        const char first = uncounted[i][0];
        check(!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')));
        for (std::size_t k = 0; k < i; ++k)
            check(uncounted[k] != uncounted[i]);
    }
    const std::string folded = velmora::foldAccents(name);
    if (isValidUtf8(name)) {
        check(isValidUtf8(folded));
        check(velmora::foldAccents(folded) == folded);
        check(velmora::uncountedCharacters(folded).size() <= uncounted.size()); // folding only takes away
    }
    return 0;
}
