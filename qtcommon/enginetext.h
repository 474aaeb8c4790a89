// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace velmora {

// The engine's texts are UTF-8 views; this is how the Qt side takes them.
[[nodiscard]] inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmora
