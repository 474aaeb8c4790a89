// SPDX-License-Identifier: MIT
#pragma once

#include <QPolygonF>
#include <QRectF>

#include <array>

namespace velmora {

// The segments a-g of a seven-segment digit as bits 0-6 (a top, b upper
// right, c lower right, d bottom, e lower left, f upper left, g middle): the
// ones lit for the digit, none for anything but 0-9.
[[nodiscard]] int litSegments(int digit);

// Segments a-g whose centre lines run along the box's edges and across its
// middle: bars `thickness` wide with pointed ends, `gap` short of each corner.
[[nodiscard]] std::array<QPolygonF, 7> sevenSegments(const QRectF &box, qreal thickness, qreal gap);

} // namespace velmora
