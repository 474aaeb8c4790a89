// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "namevariants.h"

namespace velmora {

// Candidates for the variant table read as CSV, the batch's way: a header
// naming first, middle, last and date in any order and case (middle may be
// left out, and date when one date is given for all; other columns are not
// read), then one candidate a row. A row the input page would refuse, or a
// damaged one, is named on the error stream with its line and left out; an
// empty date takes the date for all, when there is one.
class VariantInput
{
public:
    VariantInput(std::FILE *input, std::FILE *errors, std::string dateForAll, bool foldAccents);

    // Reads every row into variants. The exit status so far: Success, also
    // when rows were refused (see refused()); Failure when the header is
    // missing or the stream fails; UsageError when there is no date for the
    // candidates or more than kMaxVariants of them.
    [[nodiscard]] int read(std::vector<NameVariant> &variants);

    [[nodiscard]] std::uint64_t refused() const { return m_refused; }

private:
    void refuse(std::uint64_t line, std::string_view reason);

    std::FILE *m_input;
    std::FILE *m_errors;
    std::string m_dateForAll;
    bool m_foldAccents;
    std::uint64_t m_refused = 0;
};

} // namespace velmora
