#pragma once

// The mouse tools of a drawing window: small state machines fed the pointer's press, moves,
// release, click and double-click. A creation tool draws its rubber band on the window's
// surface and hands the finished record to the drawing.

#include "document/drawingattributes.h"
#include "document/shapewriter.h"
#include "edit/pictureinsert.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace qel {

class Canvas;
class Drawing;

struct PointerInput {
    QPoint pos;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
};

// What a tool needs from the window it works in.
class ToolHost {
public:
    virtual ~ToolHost() = default;
    virtual Drawing& drawing() = 0;
    // The surface the drawing is shown on; rubber bands and live drawing go straight onto it.
    virtual Canvas& surfaceCanvas() = 0;
    virtual QSize surfaceSize() const = 0;
    // The style the next shape is drawn and written with.
    virtual const DrawingStyle& currentStyle() const = 0;
    // Something was drawn on the surface canvas within reach: show it, and let the next repaint
    // cover it.
    virtual void surfaceDrawn(const QRect& reach) = 0;
    // The whole drawing must be painted again.
    virtual void repaintDrawing() = 0;
    // A shape was written (or would have been) between these points: the size display follows.
    virtual void shapeMeasured(QPoint start, QPoint end) = 0;
    virtual std::optional<QString> askText() = 0;
    virtual std::optional<InsertedPicture> askPicture() = 0;
    virtual void showWarning(const QString& text) = 0;
};

class MouseTool {
public:
    explicit MouseTool(Tool tool) : tool_(tool) {}
    virtual ~MouseTool() = default;
    Tool tool() const { return tool_; }

    virtual void press(ToolHost&, const PointerInput&) {}
    virtual void move(ToolHost&, QPoint) {}
    virtual void release(ToolHost&, const PointerInput&) {}
    virtual void click(ToolHost&) {}
    virtual void doubleClick(ToolHost&) {}
    // The press draws nothing after all (a selection is in the way); clicks still come.
    virtual void abandon() {}
    // The tool is being left: what it was building is finished as a double-click would.
    virtual void finish(ToolHost&) {}

private:
    Tool tool_;
};

// The mouse tool for a tool's gesture; the pointer for a tool without one of its own.
std::unique_ptr<MouseTool> makeTool(Tool tool);

// The record writer: builds the record of a finished shape, clamped to the surface, and appends
// it to the drawing through its one door. Answers the start point as the writer lowered it, or
// nothing when the drag was too short.
std::optional<QPoint> EcritForme(ToolHost& host, ShapeDraft draft);

} // namespace qel
