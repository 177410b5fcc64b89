#include "edit/polygontool.h"

#include "render/canvas.h"
#include "render/rubberband.h"

namespace qel {

void PolygonTool::press(ToolHost& host, const PointerInput& in) {
    start_ = end_ = in.pos;
    dragging_ = true;
    host.surfaceCanvas().setStyle(host.currentStyle());
}

void PolygonTool::band(ToolHost& host, PenMode mode) {
    RubberBandState state{tool(), false, start_, end_, &points_};
    Canvas& canvas = host.surfaceCanvas();
    DrawShape(canvas, state, start_, end_, mode);
    host.surfaceDrawn(bandReach(state, start_, end_, canvas.pen()));
}

void PolygonTool::move(ToolHost& host, QPoint to) {
    if (!dragging_) return;
    band(host, PenMode::NotXor);
    end_ = to;
    band(host, PenMode::NotXor);
}

void PolygonTool::release(ToolHost& host, const PointerInput& in) {
    if (!dragging_) return;
    dragging_ = false;
    // The shape so far stays drawn in copy mode, so the user sees it grow click by click.
    if (tool() != Tool::Polyline) band(host, PenMode::NotXor);
    end_ = in.pos;
    band(host, PenMode::Copy);
    // A press that was not a click (released off the surface) writes what it has.
    if (!open_) write(host);
}

void PolygonTool::click(ToolHost&) {
    if (!open_) {
        points_.last = 0;
        points_.points[0] = start_;
        open_ = true;
    } else if (points_.last <= kMaxDrawnPoints - 2) {
        points_.points[++points_.last] = end_;
    }
}

void PolygonTool::doubleClick(ToolHost& host) {
    if (!open_) return;
    write(host);
    open_ = false;
    for (int i = 0; i <= 100; ++i)
        points_.points[i] = QPoint(0, 0);
}

void PolygonTool::write(ToolHost& host) {
    ShapeDraft draft;
    draft.tool = tool();
    draft.start = start_;
    draft.end = end_;
    draft.multiClick = open_;
    draft.points = &points_;
    if (const std::optional<QPoint> lowered = EcritForme(host, draft)) start_ = *lowered;
}

} // namespace qel
