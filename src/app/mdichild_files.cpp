// The drawing window's files: loading, the save dialog and saving or exporting.

#include "app/mdichild.h"

#include "document/shapelist.h"
#include "platform/drawingio.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "render/drawingoutput.h"

#include <QFileInfo>

namespace qel {

namespace {

const QString kSaveFilter = QStringLiteral(
    "Fichier Qel Draw (*.drf)|*.drf|Fichier bitmap (*.bmp)|*.bmp|Fichier Jpeg (*.jpg)|*.jpg|"
    "Fichier métafile (*.wmf)|*.wmf|Fichier métafile  évolué (*.emf)|*.emf|"
    "Fichier Gif (*.gif)|*.gif|Fichier PDF (*.pdf)|*.pdf|Fichier SVG (*.svg)|*.svg");
const char* const kFilterExtensions[] = {".drf", ".bmp", ".jpg", ".wmf",
                                         ".emf", ".gif", ".pdf", ".svg"};

} // namespace

bool TMDIChild::Charge(const QString& path) {
    FileName = path;
    LoadedDrawing loaded = loadDrawingFile(path);
    if (!loaded.outcome.ok()) {
        showError(this, loaded.outcome.message());
        return false;
    }
    ShapeList = std::move(loaded.lines);
    RestoreStyles();
    Modified = false;
    if (loaded.pageSize) {
        PageWidth = loaded.pageSize->width();
        PageHeight = loaded.pageSize->height();
        resizeSurface(PageWidth, PageHeight);
    } else {
        RedimForm();
    }
    ensureHeaderAndBackground(ShapeList, PageWidth, PageHeight);
    setCaption(QFileInfo(path).fileName());
    if (frame_ && loaded.droppedLines > 0)
        frame_->setStatusText(0,
                              QStringLiteral("%1 ligne%2 invalide%2 ignorée%2")
                                  .arg(loaded.droppedLines)
                                  .arg(loaded.droppedLines > 1 ? QStringLiteral("s") : QString()));
    Dessine();
    return true;
}

bool TMDIChild::SaveAs() {
    const auto choice = chooseFile(
        {this, FileChooserMode::Save, QStringLiteral("Enregistrer sous"), kSaveFilter, FileName});
    if (!choice) return false;
    QString path = choice->path;
    if (!path.contains(u'.'))
        path += QLatin1String(kFilterExtensions[std::clamp(choice->filterIndex, 0,
                                                           int(std::size(kFilterExtensions)) - 1)]);
    FileName = path;
    Modified = true;
    return true;
}

bool TMDIChild::Sauve(int mode) {
    if (FileName.isEmpty() || mode == 1) {
        if (!SaveAs()) return false;
    }
    if (FileName.isEmpty() || !Modified) return false;
    if (!FileName.contains(u'.')) FileName += QStringLiteral(".drf");

    // Files hold the drawing at its own scale and without selection marks.
    clearSelectionMarks(ShapeList);
    HasSelection = false;

    const Outcome written =
        writeDrawing(FileName, ShapeList, QSize(PageWidth, PageHeight), Enlargement, LargestExtent);
    if (!written.ok()) {
        showError(this, written.message());
        return false;
    }
    setCaption(QFileInfo(FileName).fileName());
    Modified = false;
    Dessine();
    return true;
}

} // namespace qel
