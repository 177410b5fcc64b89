// The drawing window's files: loading, the save dialog and saving or exporting.

#include "app/mdichild.h"

#include "document/drawing.h"
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
    "Fichier Gif (*.gif)|*.gif|Fichier PDF (*.pdf)|*.pdf|Fichier SVG (*.svg)|*.svg|"
    "Image PNG (*.png)|*.png");
const char* const kFilterExtensions[] = {".drf", ".bmp", ".jpg", ".wmf", ".emf",
                                         ".gif", ".pdf", ".svg", ".png"};

} // namespace

bool TMDIChild::Charge(const QString& path) {
    fileName_ = path;
    LoadedDrawing loaded = loadDrawingFile(path);
    if (!loaded.outcome.ok()) {
        qel::showError(this, loaded.outcome.message());
        return false;
    }
    RestoreStyles();
    drawing_->load(std::move(loaded.lines), loaded.pageSize);
    setCaption(QFileInfo(path).fileName());
    if (frame_ && loaded.droppedLines > 0)
        frame_->setStatusText(0,
                              QStringLiteral("%1 ligne%2 invalide%2 ignorée%2")
                                  .arg(loaded.droppedLines)
                                  .arg(loaded.droppedLines > 1 ? QStringLiteral("s") : QString()));
    return true;
}

void TMDIChild::restore(const QStringList& lines, const QString& fileName, const QString& caption) {
    drawing_->load(lines, parseHeaderLine(lines.value(0)));
    drawing_->markUnsaved();
    fileName_ = fileName;
    if (!caption.isEmpty()) setCaption(caption);
}

bool TMDIChild::SaveAs() {
    // A drawing never saved starts in the current folder under its window's name.
    const QFileInfo file(fileName_);
    const auto choice =
        chooseFile({this, FileChooserMode::Save, QStringLiteral("Enregistrer sous"), kSaveFilter,
                    fileName_.isEmpty() ? QString() : file.absolutePath(),
                    fileName_.isEmpty() ? caption() : file.fileName()});
    if (!choice) return false;
    QString path = choice->path;
    if (!path.contains(u'.'))
        path += QLatin1String(kFilterExtensions[std::clamp(choice->filterIndex, 0,
                                                           int(std::size(kFilterExtensions)) - 1)]);
    fileName_ = path;
    return true;
}

bool TMDIChild::Sauve(int mode) {
    if (fileName_.isEmpty() || mode == 1) {
        if (!SaveAs()) return false;
    } else if (!drawing_->isModified()) {
        return false; // nothing to save
    }
    fileName_ = nativeFileName(fileName_);
    ZInit(); // files hold the drawing at its own scale
    const Outcome written = saveDrawing(*drawing_, fileName_, pageSettings_.enlargement);
    if (!written.ok()) {
        qel::showError(this, written.message());
        return false;
    }
    setCaption(QFileInfo(fileName_).fileName());
    emit saved(fileName_);
    return true;
}

} // namespace qel
