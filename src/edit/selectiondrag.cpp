#include "edit/selectiondrag.h"

#include "document/drawing.h"
#include "edit/selectionframes.h"

namespace qel {

bool SelectionDrag::press(Drawing& drawing, QPoint p) {
    moving_ = false;
    handle_ = 0;
    changed_ = false;
    texts_.clear();
    const std::optional<Box> box = selectionBox(drawing.lines());
    if (!box) return false;
    const SelectionHover hover = CurseurSel(*box, p);
    handle_ = hover.handle;
    moving_ = hover.inside && hover.handle == 0;
    previous_ = p;
    if (active()) drawing.beginGesture();
    return active();
}

void SelectionDrag::step(Drawing& drawing, Canvas& canvas, QPoint p, const TextMeasure& measure) {
    if (!active()) return;
    const QPoint d = p - previous_;
    previous_ = p;
    if (d.isNull()) return;
    Affsel(canvas, drawing.lines());
    const bool changed = drawing.apply([&](QStringList& lines) {
        if (moving_)
            Deplace(lines, d.x(), d.y());
        else
            RedimSel(lines, d.x(), d.y(), handle_, texts_, measure);
    });
    changed_ = changed_ || changed;
    Affsel(canvas, drawing.lines());
}

bool SelectionDrag::release(Drawing& drawing) {
    if (!active()) return false;
    drawing.endGesture();
    moving_ = false;
    handle_ = 0;
    return changed_;
}

Qt::CursorShape cursorFor(const SelectionHover& hover) {
    switch (hover.handle) {
    case 1:
    case 4:
        return Qt::SizeFDiagCursor;
    case 2:
    case 3:
        return Qt::SizeBDiagCursor;
    case 5:
    case 6:
        return Qt::SizeHorCursor;
    case 7:
    case 8:
        return Qt::SizeVerCursor;
    default:
        return hover.inside ? Qt::CrossCursor : Qt::ArrowCursor;
    }
}

} // namespace qel
