#include "render/rubberband.h"

#include "render/recordreach.h"

#include <algorithm>
#include <cstdlib>

namespace qel {

namespace {

// Boxes are sorted before they reach the canvas; a drag may run in any direction.
struct Sorted {
    int left, top, right, bottom;
};
Sorted sorted(QPoint a, QPoint b) {
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
            std::max(a.y(), b.y())};
}

} // namespace

void DrawShape(Canvas& canvas, RubberBandState& state, QPoint p1, QPoint p2, PenMode mode) {
    canvas.setPenMode(mode);
    const Sorted b = sorted(p1, p2);
    PointBuffer* points = state.points;
    switch (state.toolCode) {
    case 0:
        canvas.line(p1, p2);
        break;
    case 1:
    case 4:
        canvas.rectangle(b.left, b.top, b.right, b.bottom);
        break;
    case 2:
        canvas.ellipse(b.left, b.top, b.right, b.bottom);
        break;
    case 3:
        canvas.roundRect(b.left, b.top, b.right, b.bottom, std::abs((p1.x() - p2.x()) / 2),
                         std::abs((p1.y() - p2.y()) / 2));
        break;
    case 5:
        if (points && points->last <= kMaxDrawnPoints - 2) {
            points->points[++points->last] = state.end;
            canvas.polyline(points->data(), points->count());
        }
        break;
    case 8:
        if (points && points->count() > 0) canvas.polygon(points->data(), points->count());
        break;
    case 9:
        if (points) {
            // The point after the last is where the next click will go; it is not counted yet.
            if (points->last + 1 < int(points->points.size()))
                points->points[points->last + 1] = state.start;
            if (points->count() > 0) canvas.polyline(points->data(), points->count());
        }
        break;
    case 10:
    case 11: {
        const QPoint from = state.concaveArc ? p1 : p2;
        const QPoint to = state.concaveArc ? p2 : p1;
        if (state.toolCode == 10)
            canvas.arc(b.left, b.top, b.right, b.bottom, from.x(), from.y(), to.x(), to.y());
        else
            canvas.chord(b.left, b.top, b.right, b.bottom, from.x(), from.y(), to.x(), to.y());
        break;
    }
    default: // text, picture and chart show no rubber band
        break;
    }
}

QRect bandReach(const RubberBandState& state, QPoint p1, QPoint p2, const PenState& pen) {
    QRect path = QRect(p1, p2).normalized() | QRect(state.start, state.end).normalized();
    if (const PointBuffer* points = state.points) {
        // The polyline tool draws one point past the last.
        const int drawn = std::min(points->last + 2, int(points->points.size()));
        for (int i = 0; i < drawn; ++i)
            path |= QRect(points->points[std::size_t(i)], QSize(1, 1));
    }
    return grownByPen(path, pen, 0);
}

} // namespace qel
