// The drawing window's transforms and view: mirrors, turns, zoom, position, size and grid.

#include "app/mdichild.h"

#include "document/drawing.h"
#include "edit/selection.h"
#include "platform/messages.h"
#include "transform/placement.h"
#include "dialogs/transformdialogs.h"
#include "transform/turn.h"

namespace qel {

void TMDIChild::turn(int how) {
    int refused = 0;
    drawing_->apply([&](QStringList& lines) { refused = turnSelection(lines, Turn(how)); });
    if (refused > 0) showInformation(this, kNotTransformed);
}

void TMDIChild::MiroirH() {
    if (requireSelection()) turn(int(Turn::MirrorH));
}

void TMDIChild::MiroirV() {
    if (requireSelection()) turn(int(Turn::MirrorV));
}

void TMDIChild::Rotation() {
    if (!requireSelection()) return;
    static constexpr Turn kTurns[] = {Turn::Left, Turn::Right, Turn::Half};
    const int code = askRotation(this);
    setFocus();
    if (code >= 1 && code <= 3) turn(int(kTurns[code - 1])); // "0°" turns nothing
}

void TMDIChild::ZoomAv() {
    zoom_.ZoomAv(*drawing_);
}

void TMDIChild::ZoomAr() {
    zoom_.ZoomAr(*drawing_);
}

void TMDIChild::ZInit() {
    zoom_.ZInit(*drawing_);
}

void TMDIChild::Position() {
    if (!requireSelection()) return;
    const QStringList& lines = drawing_->lines();
    const QPoint d = askPosition(this, *selectionBox(lines), selectedCount(lines));
    if (d.isNull()) return;
    bool moved = true;
    drawing_->apply([&](QStringList& l) { moved = moveSelection(l, d.x(), d.y()); });
    if (!moved) showInformation(this, kNotTransformed);
}

void TMDIChild::Taille() {
    if (!requireSelection()) return;
    const QStringList& lines = drawing_->lines();
    const QSize d = askSize(this, *selectionBox(lines), selectedCount(lines));
    if (d.isNull()) return;
    bool resized = true;
    drawing_->apply([&](QStringList& l) {
        resized = resizeSelection(l, d.width(), d.height(), textMeasure());
    });
    if (!resized) showInformation(this, kNotTransformed);
}

void TMDIChild::Aligner() {
    int refused = 0;
    drawing_->apply([&](QStringList& lines) { refused = alignToGrid(lines, gridStep_); });
    if (refused > 0) showInformation(this, kNotTransformed);
}

void TMDIChild::PasdeGrille() {
    gridStep_ = askGridStep(this, gridStep_);
    Dessine();
}

} // namespace qel
