// SPDX-License-Identifier: MIT
#pragma once

#include <QPageSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace velmora {

enum class PrintOutcome { Printed, Cancelled, Failed };

// Paints a document on the pages of a printer; false when it cannot.
using PagePainter = std::function<bool(QPagedPaintDevice &device)>;

// What the print dialog prints: the document's name (the print queue's, and
// the title of a PDF printed to a file), its creator, the paper the dialog
// starts with, what paints the pages, and the file a print to a file
// proposes (a full path).
struct PrintJob {
    QString title;
    QString creator;
    QPageSize pageSize;
    PagePainter paint;
    QString fileName;
};

class Printing
{
public:
    virtual ~Printing() = default;

    // Shows the print dialog; when the user prints, paints on the printer chosen.
    virtual PrintOutcome print(QWidget *parent, const PrintJob &job) = 0;
};

} // namespace velmora
