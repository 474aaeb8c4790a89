// SPDX-License-Identifier: MIT
#include "numbernotation.h"

#include "reduction.h"

using namespace Qt::StringLiterals;

namespace velmora {

QString numberNotation(int value, int compound, const System &system)
{
    std::int64_t n = compound > value ? compound : value;
    QString text = QString::number(n);
    while (n > 9) {
        n = static_cast<std::int64_t>(digitSum(static_cast<std::uint64_t>(n)));
        if (n <= 9 || system.masterReduction.isMaster(n))
            text += u'/' + QString::number(n);
    }
    return text;
}

QString numberNotation(const Chart &chart, NumberId id)
{
    const NumberValue &number = chart[id];
    if (number.count == 0)
        return u"\u2013"_s;
    return numberNotation(number.value(), number.compound, chart.system());
}

} // namespace velmora
