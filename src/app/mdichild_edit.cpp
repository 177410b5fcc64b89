// The drawing window's editing commands: each one edit of the drawing through its door, so a
// command that changes nothing leaves the undo history and the modified flag alone.

#include "app/drawingsurface.h"
#include "app/mdichild.h"
#include "app/repaintonce.h"

#include "dialogs/backgrounddialog.h"
#include "dialogs/chartdialog.h"
#include "dialogs/modifydialog.h"
#include "dialogs/objectlistdialog.h"
#include "dialogs/propertiesdialog.h"
#include "dialogs/supportdialog.h"
#include "document/drawing.h"
#include "document/recordparts.h"
#include "edit/clipboardformats.h"
#include "edit/editcommands.h"
#include "edit/insertiontools.h"
#include "edit/selection.h"
#include "platform/messages.h"
#include "render/canvas.h"

#include "transform/turn.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>

namespace qel {

bool TMDIChild::requireSelection() {
    if (HasSelection()) return true;
    showInformation(this, QStringLiteral("Aucun objet sélectionné"));
    return false;
}

// The clipboard holds shapes at their own size, whatever the zoom they were copied at; the
// desktop's clipboard gets them too, as records, a picture and SVG.
void TMDIChild::Copier(QStringList& clipboard) {
    if (!requireSelection()) return;
    clipboard = zoom_.atInitialSize(qel::Copier(drawing_->lines()));
    QGuiApplication::clipboard()->setMimeData(clipboardDataFor(clipboard));
}

void TMDIChild::Couper(QStringList& clipboard) {
    if (!requireSelection()) return;
    Copier(clipboard);
    drawing_->apply(qel::Supprimer);
}

// What the desktop's clipboard holds comes first: shapes, else a picture, else text; the
// program's own clipboard when it holds nothing usable. What is pasted lands selected.
void TMDIChild::Coller(const QStringList& clipboard) {
    const ClipboardContent found = readClipboard(QGuiApplication::clipboard()->mimeData());
    const RepaintOnce once(*this);
    if (!found.records.isEmpty())
        pasteRecords(found.records);
    else if (!found.picture.isNull())
        pastePicture(found.picture);
    else if (!found.text.trimmed().isEmpty())
        pasteText(found.text);
    else if (!clipboard.isEmpty())
        pasteRecords(clipboard);
}

void TMDIChild::pasteRecords(const QStringList& records) {
    int refused = 0;
    QStringList pasted = zoom_.atCurrentSize(records, &refused);
    for (QString& line : pasted)
        setMark(line, kSelectedMark);
    drawing_->apply([&](QStringList& lines) {
        clearSelection(lines);
        qel::Coller(lines, pasted);
    });
    if (refused > 0) showInformation(this, kNotTransformed);
}

QPoint TMDIChild::pastePoint() const {
    return pressPoint_.isNull() ? QPoint(gridStep_, gridStep_) : pressPoint_;
}

void TMDIChild::selectLast() {
    drawing_->apply(
        [](QStringList& lines) {
            clearSelection(lines);
            selectLine(lines, lines.size() - 1);
        },
        Drawing::Effect::Selection);
}

void TMDIChild::pastePicture(const QImage& image) {
    // Transparent parts show white, as a picture file's do.
    QImage onWhite(image.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, image);
    if (insertPicture(*this, pastePoint(), {onWhite, 1, {}})) selectLast();
}

void TMDIChild::pasteText(const QString& text) {
    // One line of text: the first one, as the text tool takes it.
    const QString line = text.section(QRegularExpression(QStringLiteral("[\\r\\n]")), 0, 0,
                                      QString::SectionSkipEmpty);
    Canvas& canvas = surface_->canvas();
    canvas.setStyle(style_);
    const QSize extent = canvas.textExtent(line);
    ShapeDraft draft;
    draft.tool = Tool::Text;
    draft.start = pastePoint();
    draft.end = draft.start + QPoint(extent.width(), extent.height());
    draft.text = line;
    if (EcritForme(*this, draft)) selectLast();
}

void TMDIChild::Supprimer() {
    drawing_->apply(qel::Supprimer);
}

void TMDIChild::AvPlan() {
    if (requireSelection()) drawing_->apply(qel::AvPlan);
}

void TMDIChild::ArPlan() {
    if (requireSelection()) drawing_->apply(qel::ArPlan);
}

void TMDIChild::UnDessus() {
    if (requireSelection()) drawing_->apply(qel::UnDessus);
}

void TMDIChild::UnDessous() {
    if (requireSelection()) drawing_->apply(qel::UnDessous);
}

void TMDIChild::Grouper() {
    if (!requireSelection()) return;
    const std::optional<int> group = nextGroup(drawing_->lines());
    if (!group) {
        showInformation(this, QStringLiteral("Il y a déja 9 groupes définis"));
        return;
    }
    drawing_->apply([g = *group](QStringList& lines) { qel::Grouper(lines, g); });
}

void TMDIChild::Separer() {
    drawing_->apply(qel::Separer);
}

void TMDIChild::Verrouiller() {
    if (requireSelection()) drawing_->apply(qel::Verrouiller);
}

void TMDIChild::Deverrouiller() {
    drawing_->apply(qel::Deverrouiller);
}

void TMDIChild::Effacer() {
    const QSize page = drawing_->page();
    if (drawing_->apply([page](QStringList& lines) { qel::Effacer(lines, page); }))
        drawing_->resetExtent();
}

void TMDIChild::Recadrer() {
    drawing_->apply([this](QStringList& lines) {
        // The page is kept at the drawing's own scale, whatever the zoom.
        if (const std::optional<QSize> page = qel::Recadrer(lines, gridStep_))
            lines[0] = headerLine(zoom_.toInitial(page->width()), zoom_.toInitial(page->height()));
    });
}

void TMDIChild::Modifier(const QStringList& fontNames) {
    if (!requireSelection()) return;
    const QStringList& lines = drawing_->lines();
    qsizetype index = -1;
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i])) {
            if (index >= 0) {
                showInformation(this, QStringLiteral("Sélection multiple non modifiable"));
                return;
            }
            index = i;
        }
    const QString line = lines[index];
    std::optional<QString> changed;
    if (isShape(line, Shape::Chart))
        changed = editChart(this, line);
    else if (TModif::canModify(line))
        changed = modifyRecord(this, line, fontNames);
    else
        // A picture has no pen, fill or font of its own: say so rather than do nothing.
        showInformation(this, QStringLiteral("Cet objet n'a ni trait, ni remplissage, ni police "
                                             "à modifier"));
    if (!changed) return;
    drawing_->apply([&](QStringList& l) { l[index] = *changed; });
}

void TMDIChild::Agrandir() {
    const std::optional<QSize> size = chooseSurfaceSize(this, drawing_->surface());
    if (!size) return;
    // The page is kept at the drawing's own scale, whatever the zoom.
    const QSize page(zoom_.toInitial(size->width()), zoom_.toInitial(size->height()));
    drawing_->apply(
        [page](QStringList& lines) { lines[0] = headerLine(page.width(), page.height()); });
}

void TMDIChild::Proprietes() {
    const QSize extent = drawing_->largestExtent();
    showProperties(this, fileName_, drawing_->lines(), extent.width(), extent.height());
}

void TMDIChild::Liste() {
    const std::optional<ObjectListOutcome> outcome = runObjectList(this, drawing_->lines());
    if (!outcome) return;
    const RepaintOnce once(*this);
    if (outcome->changed) drawing_->apply([&](QStringList& lines) { lines = outcome->lines; });
    // A pick replaces the selection by the picked record and its group.
    if (outcome->picked >= kFirstShape)
        drawing_->apply(
            [picked = outcome->picked](QStringList& lines) {
                clearSelection(lines);
                selectLine(lines, picked);
            },
            Drawing::Effect::Selection);
}

void TMDIChild::Histogramme() {
    const std::optional<QString> payload = editChart(this, QString());
    if (!payload) return;
    // A new chart takes the central half of the page.
    const QSize page = drawing_->surface();
    ShapeDraft draft;
    draft.tool = Tool::Chart;
    draft.start = QPoint(page.width() / 4, page.height() / 4);
    draft.end = draft.start + QPoint(page.width() / 2, page.height() / 2);
    draft.text = *payload;
    EcritForme(*this, draft);
}

void TMDIChild::FondPage() {
    if (drawing_->size() < 2) return;
    const std::optional<QString> background = chooseBackground(this, drawing_->line(1));
    if (!background) return;
    drawing_->apply([&](QStringList& lines) { lines[1] = *background; });
}

} // namespace qel
