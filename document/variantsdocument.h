// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

namespace velmora {

// The comparison sheet of name variants as it is printed, all texts ready.
struct VariantSheet {
    struct DestinyReading {
        QString heading; // "Destiny 5: Jon Smith, John Smyth"
        QString text;
        // Under a system with compounds, the compound's reading beside the
        // root's: "Compound number 14, Movement"; empty where there is none.
        QString compoundHeading;
        QString compoundText;
    };

    QString title;     // the first page's heading, the PDF's title and the footer's name
    QStringList facts; // lines under the heading: the date of birth, the system, the wishes
    QStringList head;  // the table's column names
    std::vector<QStringList> rows;
    QStringList notes; // sentences under the table, such as that no spelling meets the wishes
    QString readingsHeading;
    std::vector<DestinyReading> readings;
};

// Paints the sheet: the heading and the facts, the table (its head again on
// every page it goes on to) and its notes, then the readings, each heading
// kept with its text; the margins and the footer ("Page N of M") are the reading
// document's. A name too wide for the page is cut short with an ellipsis.
// False when the device cannot be painted on or refuses a new page.
[[nodiscard]] bool paintVariantSheet(QPagedPaintDevice &device, const VariantSheet &sheet);

// The sheet as a PDF document with its title and creator set; empty when it cannot be drawn.
[[nodiscard]] QByteArray variantSheetPdf(const VariantSheet &sheet, const QPageSize &pageSize);

} // namespace velmora
