// SPDX-License-Identifier: MIT
// The print dialog, in a module of its own that the program loads when a
// person first prints: start-up does not load the printing libraries.
#include <QPrintDialog>
#include <QPrinter>

#include "printing.h"

extern "C" Q_DECL_EXPORT velmora::PrintOutcome velmoraPrint(QWidget *parent, const velmora::PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(job.pageSize);
    printer.setDocName(job.title);
    printer.setCreator(job.creator);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return velmora::PrintOutcome::Cancelled;
    if (!job.paint(printer) || printer.printerState() == QPrinter::Error)
        return velmora::PrintOutcome::Failed;
    return velmora::PrintOutcome::Printed;
}
