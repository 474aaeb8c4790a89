// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstring>

namespace velmora {

// The system's own words for an errno value, as the messages that name a
// file or folder end with.
[[nodiscard]] inline QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace velmora
