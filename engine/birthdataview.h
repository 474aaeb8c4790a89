// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "birthdata.h"

namespace velmora {

// The birth data as the calculations read it: the names are views into text
// owned elsewhere, so that a caller holding the names in its own buffer (the
// batch mode) need not copy them into a BirthData for every person. It
// converts from a BirthData, which must then outlive the view.
struct BirthDataView {
    std::string_view FirstName;
    std::string_view MiddleName;
    std::string_view LastName;
    std::int16_t BirthDay = 0;
    std::int16_t BirthMonth = 0;
    std::int16_t BirthYear = 0;

    BirthDataView() = default;
    // Not explicit: a BirthData stands wherever a view is read, as a string does for a string_view.
    BirthDataView(const BirthData &data)
        : FirstName(data.FirstName)
        , MiddleName(data.MiddleName)
        , LastName(data.LastName)
        , BirthDay(data.BirthDay)
        , BirthMonth(data.BirthMonth)
        , BirthYear(data.BirthYear)
    {
    }
};

// The ranges the calculations rely on: day 1-31, month 1-12, year 1-9999.
[[nodiscard]] bool hasValidDate(const BirthDataView &data);

} // namespace velmora
