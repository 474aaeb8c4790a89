// SPDX-License-Identifier: MIT
#include "writtennumber.h"

#include <QStringList>

#include "reduction.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

constexpr bool isMasterForm(std::int64_t n)
{
    return n == 11 || n == 22 || n == 33;
}

// From n down to one digit: n, each master number passed, the root.
QString chainFrom(std::int64_t n)
{
    QStringList steps{QString::number(n)};
    while (n > 9) {
        n = static_cast<std::int64_t>(digitSum(static_cast<std::uint64_t>(n)));
        if (n <= 9 || isMasterForm(n))
            steps << QString::number(n);
    }
    return steps.join(u'/');
}

} // namespace

QString writtenNumber(const NumberValue &number)
{
    if (number.count == 0)
        return u"\u2013"_s;
    if (number.count > 1) {
        QStringList values;
        for (const std::uint8_t value : number.list())
            values << chainFrom(value);
        return values.join(u", "_s);
    }
    // A compound leads; a master number kept stands over its root.
    if (number.compound != 0)
        return chainFrom(number.compound);
    return chainFrom(number.value());
}

} // namespace velmora::desk
