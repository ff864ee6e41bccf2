// Printing the document: on a printer of the system or into a PDF file, in the editor's font
// on a fixed grid, with the highlighter's font styles while "Tisknout i se zvýrazněním" is
// ticked (the tick toggles by itself and is mirrored in the options dialog).
#include "MainWindow.h"
#include "FilePathText.h"

#include "BedEdit.h"
#include "BedEditPrintQt.h"
#include "BedEditPrintQtCanvas.h"
#include "FilePaths.h"

#include <QGuiApplication>
#include <QPrinter>

namespace {

// Printing runs to its end on this thread; the cursor says so meanwhile.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

void TForm1::Tisk1Click() {
    LoadFromEditor(pr, *Memo1);
    pr.Highlight = settings_.tiskSeZvyraznenim;
    pr.DateTimeTexts = LocaleDateTimeTexts;
    // The job, and the PDF file the dialog suggests, are named after the document.
    pr.DocTitle = FilePart(document_->FileName());
    if (!printer_) printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *printer_;
    printer.setDocName(QString::fromStdString(pr.DocTitle));
    TBedEditPrintQtCanvas canvas(printer);

    TPrintDialogRequest request;
    {
        WaitCursor busy;
        request.maxPage = request.toPage = pr.TotalPages(canvas);
    }
    if (!ui_.PrintDialog(request, printer)) return;
    WaitCursor busy;
    // The dialog may have changed the printer or the paper: the engine paginates again on
    // what was chosen, so "all pages" means all of those.
    if (request.range == TPrintRange::AllPages)
        pr.PrintPages(canvas, 1, -1);
    else if (request.range == TPrintRange::PageRange)
        pr.PrintPages(canvas, request.fromPage, request.toPage);
}
