#pragma once

#include "document/record.h"
#include "edit/tool.h"

namespace qel {

// Line, rectangle, ellipse, rounded rectangle, arc, chord and free hand: a press starts the
// shape, each move redraws its rubber band, the release draws it and writes its record. Free
// hand collects a point at every rubber-band step.
class DragTool final : public MouseTool {
public:
    explicit DragTool(Tool tool) : MouseTool(tool) {}

    void press(ToolHost& host, const PointerInput& in) override;
    void move(ToolHost& host, QPoint to) override;
    void release(ToolHost& host, const PointerInput& in) override;
    void abandon() override { dragging_ = false; }

private:
    void band(ToolHost& host, PenMode mode);
    // Free hand: the shape's record keeps the points of the stroke.
    bool collectsPoints() const {
        const RecordKind* kind = kindOfTool(tool());
        return kind && kind->payload == Payload::Points;
    }

    bool dragging_ = false;
    bool concave_ = false; // Ctrl with the left button: the other half of an arc or chord
    QPoint start_, end_;
    PointBuffer points_;
};

} // namespace qel
