// The drawing window's selection: picks, select all, deselect all.

#include "app/drawingsurface.h"
#include "app/mdichild.h"
#include "app/repaintonce.h"

#include "document/drawing.h"
#include "render/canvas.h"

namespace qel {

bool TMDIChild::HasSelection() const {
    return hasSelection(drawing_->lines());
}

QSize TMDIChild::measureText(const FontState& font, const QString& text) {
    Canvas& canvas = surface_->canvas();
    const FontState kept = canvas.font();
    canvas.setFont(font);
    const QSize extent = canvas.textExtent(text);
    canvas.setFont(kept);
    return extent;
}

TextMeasure TMDIChild::textMeasure() {
    return [this](const FontState& font, const QString& text) { return measureText(font, text); };
}

void TMDIChild::Deselectionne() {
    const RepaintOnce once(*this);
    // A text resized while selected gets the box its new size takes.
    drawing_->apply([this](QStringList& lines) { refitSelectedTexts(lines, textMeasure()); });
    drawing_->apply(clearSelection, Drawing::Effect::Selection);
}

void TMDIChild::pointerClick() {
    const RepaintOnce once(*this);
    // A plain click replaces the selection; with Ctrl it adds or toggles.
    if (!pressWithCtrl_) Deselectionne();
    const QPoint at = pressPoint_;
    drawing_->apply([this, at](QStringList& lines) { Selectionne(lines, at, hits_.get()); },
                    Drawing::Effect::Selection);
}

void TMDIChild::ToutSel() {
    drawing_->apply(qel::ToutSel, Drawing::Effect::Selection);
}

void TMDIChild::ToutDesel() {
    const RepaintOnce once(*this);
    Deselectionne();
    repaintPending_ = true;
}

} // namespace qel
