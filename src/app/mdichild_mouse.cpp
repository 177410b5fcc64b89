// The drawing window's pointer events, handed to the current tool.

#include "app/drawingsurface.h"
#include "app/mdichild.h"

namespace qel {

namespace {

QString positionText(int x, int y) {
    return QStringLiteral("Position : (%1,%2)").arg(x).arg(y);
}

} // namespace

void TMDIChild::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    // Each press takes the palette's tool and style as they are now.
    RestoreStyles();
    tool_->press(*this, {QPoint(x, y), button, shift});
    if (frame_) frame_->setStatusText(0, positionText(x, y));
}

void TMDIChild::FormMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
    // Every move puts the arrow back, so the text tool's I-beam only shows until the pointer
    // moves after the tool was chosen.
    surface_->setCursor(Qt::ArrowCursor);
    tool_->move(*this, QPoint(x, y));
    if (frame_) frame_->setStatusText(0, positionText(x, y));
}

void TMDIChild::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    tool_->release(*this, {QPoint(x, y), button, shift});
}

void TMDIChild::PaintBox1Click() {
    tool_->click(*this);
}

void TMDIChild::PaintBox1DblClick() {
    tool_->doubleClick(*this);
}

} // namespace qel
