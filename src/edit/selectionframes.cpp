#include "edit/selectionframes.h"

#include "document/record.h"
#include "edit/selection.h"
#include "render/canvas.h"

#include <algorithm>
#include <vector>

namespace qel {

void RectSel(Canvas& canvas, const Box& b) {
    // Black in not-xor inverts what lies under it, whatever the colours of the drawing.
    canvas.setPen({kBlack, 1, 2, PenMode::NotXor});
    canvas.setBrush({kWhite, 1});
    canvas.rectangle(std::min(b.left, b.right), std::min(b.top, b.bottom),
                     std::max(b.left, b.right), std::max(b.top, b.bottom));
    canvas.setPen({kBlack, 1, 5, PenMode::NotXor});
    canvas.setBrush({kBlack, 0});
    for (int h = 1; h <= kHandles; ++h) {
        const QPoint c = handleCentre(b, h);
        canvas.rectangle(c.x() - 2, c.y() - 2, c.x() + 3, c.y() + 3);
    }
}

void Affsel(Canvas& canvas, const QStringList& lines) {
    const PenState pen = canvas.pen();
    const BrushState brush = canvas.brush();
    // One pass finds the selected lines while they are few enough for a frame each. Each line's
    // text lies apart from the others: asking for it a few lines ahead keeps a large drawing
    // from waiting on memory at every line.
    constexpr qsizetype kAhead = 8;
    std::vector<qsizetype> selected;
    bool many = false;
    for (qsizetype i = kFirstShape; i < lines.size() && !many; ++i) {
        if (i + kAhead < lines.size()) __builtin_prefetch(lines[i + kAhead].constData());
        if (!isSelected(lines[i])) continue;
        many = selected.size() == std::size_t(kMaxSeparateFrames);
        selected.push_back(i);
    }
    if (many) {
        if (const std::optional<Box> all = selectionBox(lines)) RectSel(canvas, *all);
    } else {
        for (const qsizetype i : selected) {
            // Frames follow the record as stored; one that cannot be read has no frame.
            if (const std::optional<Box> b = storedBox(lines[i])) RectSel(canvas, *b);
        }
    }
    canvas.setPen(pen);
    canvas.setBrush(brush);
}

} // namespace qel
