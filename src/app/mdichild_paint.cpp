// The drawing window's full repaint.

#include "app/drawingsurface.h"
#include "app/mdichild.h"

#include "document/drawing.h"
#include "edit/selectionframes.h"
#include "render/grid.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"

namespace qel {

void TMDIChild::Dessine() {
    if (repainting_) return; // never re-entered from inside itself
    repainting_ = true;
    Canvas& canvas = surface_->canvas();
    const QSize size = surface_->size();
    // A repaint is not a change: it takes no undo step and leaves the modified flag alone.
    canvas.whiteness(0, 0, size.width(), size.height());
    if (frame_) style_ = frame_->currentStyle();
    canvas.setStyle(style_);
    if (gridShown_) Grille(canvas, size, gridStep_);

    PaintOptions options = PaintOptions::screen(size, pictures_.get());
    options.reportSize = [this](const Box& b) {
        drawing_->noteExtent(b.left, b.top, b.right, b.bottom);
    };
    PaintState state;
    {
        RecordPainter painter(canvas, options, state);
        undrawable_ = painter.paintList(drawing_->lines(), 1);
    }
    Affsel(canvas, drawing_->lines());
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
