// SPDX-License-Identifier: MIT
#include "writtennumber.h"

#include <QStringList>

#include "numbernotation.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {

QString writtenNumber(const Chart &chart, NumberId id)
{
    const NumberValue &number = chart[id];
    if (number.count <= 1)
        return numberNotation(chart, id);
    QStringList values;
    for (const std::uint8_t value : number.list())
        values << numberNotation(value, 0, chart.system());
    return values.join(u", "_s);
}

} // namespace velmora::desk
