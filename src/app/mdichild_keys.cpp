// The drawing window's keys: arrows nudge the selection (Shift by the grid step), Escape
// deselects. A held key repeats within one undo step.

#include "app/drawingsurface.h"
#include "app/mdichild.h"

#include "document/drawing.h"
#include "edit/selection.h"

#include <QKeyEvent>
#include <QScrollArea>

namespace qel {

void TMDIChild::watchKeys() {
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->installEventFilter(this);
    scroll_->installEventFilter(this);
}

bool TMDIChild::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && keyPressed(static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && nudging_) {
            drawing_->endGesture();
            nudging_ = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TMDIChild::keyPressed(QKeyEvent* key) {
    if (!HasSelection()) return false;
    if (key->key() == Qt::Key_Escape) {
        ToutDesel();
        return true;
    }
    QPoint d;
    switch (key->key()) {
    case Qt::Key_Left:
        d = {-1, 0};
        break;
    case Qt::Key_Right:
        d = {1, 0};
        break;
    case Qt::Key_Up:
        d = {0, -1};
        break;
    case Qt::Key_Down:
        d = {0, 1};
        break;
    default:
        return false; // the scroll area still scrolls without a selection
    }
    if (key->modifiers() & Qt::ShiftModifier) d *= gridStep_;
    if (!key->isAutoRepeat() || !nudging_) {
        drawing_->endGesture();
        drawing_->beginGesture();
        nudging_ = true;
    }
    drawing_->apply([d](QStringList& lines) { Deplace(lines, d.x(), d.y()); });
    return true;
}

} // namespace qel
