// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

namespace velmora {

// Removes leading and trailing space characters only; tabs and line breaks
// stay, as the names and addresses a person types keep them. Works on a
// UTF-8 view (a space is one byte there) and on a QStringView alike.
template <typename View>
[[nodiscard]] constexpr View trimSpaces(View text)
{
    using Unit = typename View::value_type;
    auto begin = text.begin();
    auto end = text.end();
    while (begin != end && *begin == Unit(u' '))
        ++begin;
    while (end != begin && *(end - 1) == Unit(u' '))
        --end;
    return View(begin, end);
}

[[nodiscard]] inline QString trimSpaces(const QString &text)
{
    return trimSpaces(QStringView(text)).toString();
}

} // namespace velmora
