// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

namespace velmora {

class Clock
{
public:
    virtual ~Clock() = default;

    [[nodiscard]] virtual QDate today() = 0;
};

} // namespace velmora
