// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "namevariants.h"

namespace velmora {

class CliStreams;
struct CliOptions;
struct VariantTable;

// Name variants weighed side by side: the spellings from a CSV file or from
// the alternatives of the names, the wishes they are weighed against, and
// the table as its PDF and printed as text, CSV or JSON.
class VariantsRun
{
public:
    VariantsRun(const CliOptions &options, CliStreams &streams);

    // The exit status: Failure also when rows of the file were refused.
    [[nodiscard]] int run();

private:
    // Success, or the status after the message.
    int readWishes();
    int readFile();
    int combineAlternatives();
    int writePdf(const VariantTable &table) const;
    int print(const VariantTable &table) const;

    const CliOptions &m_options;
    CliStreams &m_streams;
    VariantWishes m_wishes;
    std::vector<NameVariant> m_variants;
    std::uint64_t m_refused = 0;
};

} // namespace velmora
