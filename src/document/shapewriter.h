#pragma once

// Building the record of a shape the user has just drawn, from the drag and the tool.

#include "document/record.h"
#include "document/recordkind.h"

#include <QImage>
#include <QPoint>
#include <QString>

namespace qel {

constexpr int kMinShapeSize = 5; // |dx| + |dy| of a drag below this stores nothing

struct ShapeDraft {
    Tool tool = Tool::Line;
    QPoint start;            // mouse-down point
    QPoint end;              // release point
    bool concave = false;    // Ctrl was held with the left button at the press
    bool multiClick = false; // a polygon or polyline built click by click is being finished
    const PointBuffer* points = nullptr; // polygon, polyline and free-hand points
    QString text;                        // TEXT text or CHART data
    const QImage* picture = nullptr;
    int pictureKind = 0; // 1 bitmap or icon, 2 metafile
    QString style;       // the style field, from the current drawing style
};

struct WrittenShape {
    bool refused = false; // the drag was too short: nothing changes at all
    QString record;       // the stored record; empty when the body was too short to keep
    QPoint start;         // the start point, lowered to the box's top-left for point shapes
};

// Coordinate block plus payload for the tool; start is lowered to cover point lists.
QString GetRect(const ShapeDraft& draft, QPoint& start);

// The record writer: keyword from the tool and the drag direction, coordinates clamped to the
// surface's field range.
WrittenShape writeShape(const ShapeDraft& draft);

} // namespace qel
