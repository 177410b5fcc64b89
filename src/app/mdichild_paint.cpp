// The drawing window's repaints: whole, or only where the drawing changed.

#include "app/drawingsurface.h"
#include "app/mdichild.h"
#include "app/shownpage.h"

#include "document/drawing.h"

namespace qel {

void TMDIChild::Dessine() {
    paintSurface(true);
}

void TMDIChild::repaintChanges() {
    paintSurface(false);
}

void TMDIChild::paintSurface(bool whole) {
    if (repainting_) return; // never re-entered from inside itself
    repainting_ = true;
    // A repaint is not a change: it takes no undo step and leaves the modified flag alone.
    if (frame_) style_ = frame_->currentStyle();
    const ShownPage::Look look{style_, gridShown_ ? gridStep_ : 0};
    const ShownPage::SizeReport report = [this](const Box& b) {
        drawing_->noteExtent(b.left, b.top, b.right, b.bottom);
    };
    QImage& image = surface_->image();
    Canvas& canvas = surface_->canvas();
    undrawable_ = whole ? shown_->paintWhole(image, canvas, drawing_->lines(), look, report)
                        : shown_->paintChanges(image, canvas, drawing_->lines(), look, report);
    repainting_ = false;

    showSizeDisplay();
    if (frame_ && undrawable_ > 0)
        frame_->setStatusText(
            0, undrawable_ == 1
                   ? QStringLiteral("1 objet n'a pas pu être dessiné")
                   : QStringLiteral("%1 objets n'ont pas pu être dessinés").arg(undrawable_));
    surface_->update();
}

} // namespace qel
