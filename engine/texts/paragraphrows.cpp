// SPDX-License-Identifier: MIT
#include "paragraphrows.h"

namespace velmora {

std::string_view paragraphFor(const ReadingTable &table, int number)
{
    const ReadingRow *row = table.find(number);
    return row == nullptr || row->paragraphs.empty() ? kNotValidText : row->paragraphs.front();
}

} // namespace velmora
