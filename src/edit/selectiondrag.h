#pragma once

// Dragging the selection: a press inside its box moves every selected record, a press on a
// handle resizes them. Each pointer step rewrites the records and moves their frames; the
// whole drag is one undo step.

#include "edit/selection.h"

#include <QPoint>
#include <vector>

namespace qel {

class Canvas;
class Drawing;

class SelectionDrag {
public:
    // Classifies a press; answers whether it began a move or a resize.
    bool press(Drawing& drawing, QPoint p);
    // One pointer step: frames erased, records rewritten, frames drawn again.
    void step(Drawing& drawing, Canvas& canvas, QPoint p, const TextMeasure& measure);
    // Ends the drag; answers whether it changed anything.
    bool release(Drawing& drawing);

    bool active() const { return moving_ || handle_ != 0; }
    // Whether the drag under way has changed anything yet.
    bool changed() const { return changed_; }

private:
    bool moving_ = false;
    int handle_ = 0;
    bool changed_ = false;
    QPoint previous_;
    std::vector<TextResize> texts_;
};

// The cursor that shows what a press would do there.
Qt::CursorShape cursorFor(const SelectionHover& hover);

} // namespace qel
