#pragma once

#include "document/record.h"
#include "document/recordkind.h"
#include "render/canvas.h"

#include <QPoint>
#include <QRect>

namespace qel {

// What the drawing window's mouse state tells the rubber-band painter.
struct RubberBandState {
    Tool tool = Tool::Line;
    bool concaveArc = false;
    QPoint start;                  // StartX, StartY: the mouse-down point
    QPoint end;                    // EndX, EndY: the last mouse point
    PointBuffer* points = nullptr; // the window's point buffer (free hand, polygon, polyline)
};

// Paints what the current tool would make between p1 and p2 in the given pen mode: not-xor
// while dragging (drawn twice it leaves no trace), copy for the final shape. The other canvas
// attributes stay as the current style left them. The free-hand tool appends the end point to
// the buffer on each call; the polyline tool writes the start point just past the last entry.
void DrawShape(Canvas& canvas, RubberBandState& state, QPoint p1, QPoint p2, PenMode mode);
// A rectangle holding every pixel DrawShape(canvas, state, p1, p2, ...) may change with the pen.
QRect bandReach(const RubberBandState& state, QPoint p1, QPoint p2, const PenState& pen);

} // namespace qel
