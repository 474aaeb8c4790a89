// SPDX-License-Identifier: MIT
// The print dialog, in a module of its own that the program loads when a
// person first prints: start-up does not load the printing libraries.
#include <QPrintDialog>
#include <QPrinter>

#include "printing.h"

extern "C" Q_DECL_EXPORT velmora::PrintOutcome velmoraPrint(QWidget *parent, const velmora::PrintJob &job)
{
    QPrinter printer(QPrinter::HighResolution);
    // A print to a file proposes the job's file, on every platform (Qt makes
    // a name up on X11 only, and elsewhere proposes a bare folder). Naming a
    // file turns a printer to printing into it; the output goes back to the
    // system's printer, which keeps the name for the dialog to propose.
    printer.setOutputFileName(job.fileName);
    printer.setOutputFormat(QPrinter::NativeFormat);
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
