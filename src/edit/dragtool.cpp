#include "edit/dragtool.h"

#include "render/canvas.h"
#include "render/rubberband.h"

namespace qel {

void DragTool::press(ToolHost& host, const PointerInput& in) {
    start_ = end_ = in.pos;
    concave_ = in.button == Qt::LeftButton && in.modifiers == Qt::ControlModifier;
    dragging_ = true;
    host.surfaceCanvas().setStyle(host.currentStyle());
    if (collectsPoints()) {
        points_.last = 0;
        points_.points[0] = in.pos;
    }
}

void DragTool::band(ToolHost& host, PenMode mode) {
    RubberBandState state{tool(), concave_, start_, end_, &points_};
    Canvas& canvas = host.surfaceCanvas();
    DrawShape(canvas, state, start_, end_, mode);
    host.surfaceDrawn(bandReach(state, start_, end_, canvas.pen()));
}

void DragTool::move(ToolHost& host, QPoint to) {
    if (!dragging_) return;
    band(host, PenMode::NotXor);
    end_ = to;
    band(host, PenMode::NotXor);
}

void DragTool::release(ToolHost& host, const PointerInput& in) {
    if (!dragging_) return;
    dragging_ = false;
    // The last rubber band goes; the finished shape appears as its record paints. A free-hand
    // band grows with each step, so its last point is collected the same way.
    if (collectsPoints()) {
        end_ = in.pos;
        if (points_.last <= kMaxDrawnPoints - 2) points_.points[++points_.last] = end_;
    } else {
        band(host, PenMode::NotXor);
        end_ = in.pos;
    }

    ShapeDraft draft;
    draft.tool = tool();
    draft.start = start_;
    draft.end = end_;
    draft.concave = concave_;
    draft.points = &points_;
    // A free-hand stroke too short to keep still has its band on the surface.
    if (!EcritForme(host, draft) && collectsPoints()) host.repaintDrawing();
}

} // namespace qel
