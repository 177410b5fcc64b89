// The frame's printing commands: printer setup, page setup, preview and print. One printer is
// shared by all four, so the paper chosen in the setup is the paper previewed and printed.

#include "app/mainform.h"
#include "app/mdichild.h"
#include "dialogs/mep.h"
#include "dialogs/printpreview.h"
#include "document/drawing.h"
#include "platform/messages.h"
#include "render/ecran.h"
#include "render/pagemapping.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace qel {

namespace {

// What printing reads of a drawing window; the one place to change when the drawing's data
// move elsewhere.
struct PrintableDrawing {
    QStringList shapeList;
    PageSettings page;
};

PrintableDrawing printableOf(const TMDIChild& child) {
    PrintableDrawing d;
    d.shapeList = child.drawing().lines();
    d.page = child.pageSettings();
    return d;
}

// Prepares the renderer for the drawing on the printer's paper.
void prepare(TEcran& renderer, const PrintableDrawing& d, const QPrinter& printer, bool preview) {
    const int* m = d.page.margins;
    const Paper paper = paperOf(printer.pageLayout());
    if (preview)
        renderer.Init(m[0], m[1], m[2], m[3], d.page.enlargement, d.shapeList, paper);
    else
        renderer.Init2(m[0], m[1], m[2], m[3], d.page.enlargement, d.shapeList, paper);
}

} // namespace

QPrinter& TMainForm::printer() {
    if (!printer_) printer_ = std::make_shared<QPrinter>();
    return *printer_;
}

void TMainForm::FilePrintSetupItemClick() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.setWindowTitle(QStringLiteral("Configuration imprimante"));
    dialog.exec();
}

void TMainForm::FilePageSetupItemClick() {
    TMep dialog(this);
    dialog.Init(PageMargins[0], PageMargins[1], PageMargins[2], PageMargins[3], Enlargement);
    dialog.exec();
    dialog.Result(PageMargins[0], PageMargins[1], PageMargins[2], PageMargins[3], Enlargement);
    // The active drawing takes the frame's settings, cancelled or not.
    applyToActive([this](TMDIChild& c) {
        c.SetPage(PageMargins[0], PageMargins[1], PageMargins[2], PageMargins[3], Enlargement);
    });
}

void TMainForm::FilePreviewItemClick() {
    TMDIChild* child = activeChild();
    if (!child) return;
    TEcran renderer;
    prepare(renderer, printableOf(*child), printer(), true);
    const QImage page = renderer.renderPage();
    if (renderer.skippedRecords() > 0)
        setStatusText(0, undrawnRecordsText(renderer.skippedRecords()));
    PrintPreview preview(page, child);
    preview.exec();
    child->setFocus();
}

void TMainForm::FilePrintItemClick() {
    TMDIChild* child = activeChild();
    if (!child) return;
    QPrintDialog dialog(&printer(), this);
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    // One page, always the whole of it.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    child->setFocus();
    if (confirmed) printActive(printer().copyCount());
}

bool TMainForm::printActive(int copies) {
    TMDIChild* child = activeChild();
    if (!child) return false;
    QPrinter& p = printer();
    p.setCopyCount(std::max(copies, 1));
    TEcran renderer;
    prepare(renderer, printableOf(*child), p, false);
    const Outcome printed = renderer.Imprime(p);
    if (!printed.ok()) {
        showError(this, printed.message());
        return false;
    }
    if (renderer.skippedRecords() > 0)
        setStatusText(0, undrawnRecordsText(renderer.skippedRecords()));
    return true;
}

} // namespace qel
