#include "render/rubberband.h"

#include "document/record.h"
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

// One band per tool; each is drawn between p1 and p2 with the canvas already in its pen mode.
using Band = void (*)(Canvas&, RubberBandState&, QPoint p1, QPoint p2);

void lineBand(Canvas& canvas, RubberBandState&, QPoint p1, QPoint p2) {
    canvas.line(p1, p2);
}

// The pointer's band is the selection rectangle.
void rectBand(Canvas& canvas, RubberBandState&, QPoint p1, QPoint p2) {
    const Sorted b = sorted(p1, p2);
    canvas.rectangle(b.left, b.top, b.right, b.bottom);
}

void ellipseBand(Canvas& canvas, RubberBandState&, QPoint p1, QPoint p2) {
    const Sorted b = sorted(p1, p2);
    canvas.ellipse(b.left, b.top, b.right, b.bottom);
}

void roundRectBand(Canvas& canvas, RubberBandState&, QPoint p1, QPoint p2) {
    const Sorted b = sorted(p1, p2);
    canvas.roundRect(b.left, b.top, b.right, b.bottom, std::abs((p1.x() - p2.x()) / 2),
                     std::abs((p1.y() - p2.y()) / 2));
}

void freehandBand(Canvas& canvas, RubberBandState& state, QPoint, QPoint) {
    PointBuffer* points = state.points;
    if (points && points->last <= kMaxDrawnPoints - 2) {
        points->points[++points->last] = state.end;
        canvas.polyline(points->data(), points->count());
    }
}

void polygonBand(Canvas& canvas, RubberBandState& state, QPoint, QPoint) {
    const PointBuffer* points = state.points;
    if (points && points->count() > 0) canvas.polygon(points->data(), points->count());
}

void polylineBand(Canvas& canvas, RubberBandState& state, QPoint, QPoint) {
    PointBuffer* points = state.points;
    if (!points) return;
    // The point after the last is where the next click will go; it is not counted yet.
    if (points->last + 1 < int(points->points.size()))
        points->points[points->last + 1] = state.start;
    if (points->count() > 0) canvas.polyline(points->data(), points->count());
}

// Ctrl at the press takes the other half of the ellipse.
void arcBand(Canvas& canvas, RubberBandState& state, QPoint p1, QPoint p2) {
    const Sorted b = sorted(p1, p2);
    const QPoint from = state.concaveArc ? p1 : p2;
    const QPoint to = state.concaveArc ? p2 : p1;
    canvas.arc(b.left, b.top, b.right, b.bottom, from.x(), from.y(), to.x(), to.y());
}

void chordBand(Canvas& canvas, RubberBandState& state, QPoint p1, QPoint p2) {
    const Sorted b = sorted(p1, p2);
    const QPoint from = state.concaveArc ? p1 : p2;
    const QPoint to = state.concaveArc ? p2 : p1;
    canvas.chord(b.left, b.top, b.right, b.bottom, from.x(), from.y(), to.x(), to.y());
}

struct ToolBand {
    Tool tool;
    Band band; // null: text, picture and chart show no rubber band
};

constexpr ToolBand kBands[] = {
    {Tool::Line, lineBand},       {Tool::Rect, rectBand},
    {Tool::Ellipse, ellipseBand}, {Tool::RoundRect, roundRectBand},
    {Tool::Pointer, rectBand},    {Tool::Freehand, freehandBand},
    {Tool::Text, nullptr},        {Tool::Picture, nullptr},
    {Tool::Polygon, polygonBand}, {Tool::Polyline, polylineBand},
    {Tool::Arc, arcBand},         {Tool::Chord, chordBand},
    {Tool::Chart, nullptr},
};

constexpr bool everyToolOnce() {
    for (int t = 0; t < kToolCount; ++t) {
        int rows = 0;
        for (const ToolBand& b : kBands)
            rows += int(b.tool) == t;
        if (rows != 1) return false;
    }
    return std::size(kBands) == std::size_t(kToolCount);
}
static_assert(everyToolOnce(), "every tool has one rubber band row");

} // namespace

void DrawShape(Canvas& canvas, RubberBandState& state, QPoint p1, QPoint p2, PenMode mode) {
    canvas.setPenMode(mode);
    for (const ToolBand& row : kBands)
        if (row.tool == state.tool && row.band) row.band(canvas, state, p1, p2);
}

QRect bandReach(const RubberBandState& state, QPoint p1, QPoint p2, const PenState& pen) {
    QRect path = rectBetween(p1, p2) | rectBetween(state.start, state.end);
    if (const PointBuffer* points = state.points) {
        // The polyline tool draws one point past the last.
        const int drawn = std::min(points->last + 2, int(points->points.size()));
        for (int i = 0; i < drawn; ++i)
            path |= QRect(points->points[std::size_t(i)], QSize(1, 1));
    }
    return grownByPen(path, pen, 0);
}

} // namespace qel
