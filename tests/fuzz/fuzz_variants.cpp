// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to what the name variants read: the first line as a
// --want, the second as a name's alternatives (apart by |), the rest as a
// --variants file, header and rows. A wish is taken or refused with a
// message; alternatives are trimmed and none is empty; the file gives at
// most 10,000 variants, each name within the limit; and their table shows
// no control or direction character, in lines of bounded width.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "clidiagnostics.h"
#include "namevariants.h"
#include "variantinput.h"
#include "variantoutput.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string_view lineOf(std::string_view &text)
{
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static std::FILE *const errors = std::fopen("/dev/null", "w");
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    // Options arrive through QString: bytes that are not UTF-8 as U+FFFD.
    const auto asArgument = [](std::string_view bytes) {
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdString();
    };
    const std::string want = asArgument(lineOf(rest));
    const std::string alternatives = asArgument(lineOf(rest));

    velmora::VariantWishes wishes;
    std::string problem;
    const velmora::System &system = velmora::classicSystem();
    check(wishes.addWant(want, system, &problem) == problem.empty());

    if (const auto names = velmora::splitAlternatives(alternatives)) {
        for (const std::string &name : *names) {
            check(!name.empty() || names->size() == 1);
            check(name.empty() || (name.front() != ' ' && name.back() != ' '));
        }
    }

    if (rest.empty())
        return 0;
    std::string file(rest);
    std::FILE *input = fmemopen(file.data(), file.size(), "r");
    check(input != nullptr);
    std::vector<velmora::NameVariant> variants;
    velmora::VariantInput reader(input, errors, "1990-05-17", false);
    const int status = reader.read(variants);
    std::fclose(input);
    check(status == velmora::Success || status == velmora::Failure || status == velmora::UsageError);
    check(variants.size() <= velmora::kMaxVariants);
    for (const velmora::NameVariant &variant : variants)
        check(velmora::characterCount(variant.first) + velmora::characterCount(variant.middle)
                  + velmora::characterCount(variant.last)
              <= velmora::kMaxVariantNameLength);

    // The table of the names as read: what is checked is how a name shows, not its numbers.
    const std::string text = velmora::variantText(velmora::variantTable(variants, system, wishes));
    for (std::string_view lines = text; !lines.empty();) {
        const std::string_view line = lineOf(lines);
        check(velmora::visibleText(line) == line);
        check(velmora::displayWidth(line) < 200);
    }
    return 0;
}
