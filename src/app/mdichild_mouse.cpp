// The drawing window's pointer events: a press on the selection drags it; otherwise the
// current tool gets them.

#include "app/drawingsurface.h"
#include "app/mdichild.h"
#include "app/shownpage.h"

#include "document/drawing.h"

namespace qel {

namespace {

QString positionText(int x, int y) {
    return QStringLiteral("Position : (%1,%2)").arg(x).arg(y);
}

} // namespace

void TMDIChild::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    const QPoint p(x, y);
    // Each press takes the palette's tool and style as they are now.
    RestoreStyles();
    pressPoint_ = p;
    pressWithCtrl_ = button == Qt::LeftButton && shift == Qt::ControlModifier;
    const bool selection = HasSelection();
    if (!selectionDrag_.press(*drawing_, p)) {
        tool_->press(*this, {p, button, shift});
        // No tool draws while a selection exists; its clicks still come.
        if (selection) tool_->abandon();
    }
    if (frame_) frame_->setStatusText(0, positionText(x, y));
}

void TMDIChild::FormMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
    const QPoint p(x, y);
    if (selectionDrag_.active()) {
        selectionDrag_.step(*drawing_, surface_->canvas(), p, textMeasure());
        shown_->marksDrawnFor(drawing_->lines());
        surface_->update();
    } else {
        Qt::CursorShape cursor = Qt::ArrowCursor;
        if (const std::optional<Box> box = selectionBox(drawing_->lines()))
            cursor = cursorFor(CurseurSel(*box, p));
        surface_->setCursor(cursor);
        tool_->move(*this, p);
    }
    if (frame_) frame_->setStatusText(0, positionText(x, y));
}

void TMDIChild::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (selectionDrag_.active()) {
        if (selectionDrag_.release(*drawing_)) repaintChanges();
        return;
    }
    tool_->release(*this, {QPoint(x, y), button, shift});
}

void TMDIChild::PaintBox1Click() {
    // The release of a drag that moved or resized something is no click.
    if (selectionDrag_.active() && selectionDrag_.changed()) return;
    if (tool_->tool() == Tool::Pointer)
        pointerClick();
    else
        tool_->click(*this);
}

void TMDIChild::PaintBox1DblClick() {
    tool_->doubleClick(*this);
}

} // namespace qel
