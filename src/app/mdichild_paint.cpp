// The drawing window's painting: the full repaint, the grid and the rubber band.

#include "app/drawingsurface.h"
#include "app/mdichild.h"

#include "render/grid.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"
#include "render/rubberband.h"

namespace qel {

void TMDIChild::Efface() {
    // A repaint is not a change: it takes no undo copy and leaves Modified alone.
    canvas().whiteness(0, 0, PaintBox1->width(), PaintBox1->height());
    RestoreStyles();
}

void TMDIChild::Dessine() {
    if (repainting_) return; // never re-entered from inside itself
    repainting_ = true;
    Efface();
    const QSize surface(PaintBox1->width(), PaintBox1->height());
    if (GridShown) Grille(canvas(), surface, GridStep);

    PaintOptions options = PaintOptions::screen(surface, pictures_.get());
    options.reportSize = [this](const Box& b) { Dimensions(b.left, b.top, b.right, b.bottom); };
    PaintState state;
    {
        RecordPainter painter(canvas(), options, state);
        undrawable_ = painter.paintList(ShapeList, 1);
    }
    DecodedRect = state.DecodedRect;
    if (!state.ShapeText.isNull()) ShapeText = state.ShapeText;
    repainting_ = false;

    if (frame_) {
        frame_->setStatusText(
            1, QStringLiteral("%1 x %2").arg(LargestExtent.width()).arg(LargestExtent.height()));
        if (undrawable_ > 0)
            frame_->setStatusText(
                0, undrawable_ == 1
                       ? QStringLiteral("1 objet n'a pas pu être dessiné")
                       : QStringLiteral("%1 objets n'ont pas pu être dessinés").arg(undrawable_));
    }
    PaintBox1->update();
}

void TMDIChild::DrawShape(QPoint p1, QPoint p2, int penMode) {
    RubberBandState band;
    band.toolCode = ToolCode;
    band.concaveArc = ConcaveArc;
    band.start = QPoint(StartX, StartY);
    band.end = QPoint(EndX, EndY);
    band.points = &Points;
    qel::DrawShape(canvas(), band, p1, p2, penMode == 15 ? PenMode::NotXor : PenMode::Copy);
    PaintBox1->update();
}

} // namespace qel
