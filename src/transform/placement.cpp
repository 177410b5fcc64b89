#include "transform/placement.h"

#include "document/record.h"

#include <algorithm>

namespace qel {

bool moveSelection(QStringList& lines, int dx, int dy) {
    QStringList next = lines;
    for (qsizetype i = 2; i < next.size(); ++i) {
        if (!isSelected(next[i])) continue;
        const std::optional<QString> moved = MoveXY(next[i], dx, dy);
        if (!moved) return false;
        next[i] = *moved;
    }
    lines = std::move(next);
    return true;
}

bool resizeSelection(QStringList& lines, int dw, int dh, const TextMeasure& measure) {
    QStringList next = lines;
    for (qsizetype i = 2; i < next.size(); ++i) {
        if (!isSelected(next[i])) continue;
        TextResize text{measure};
        const std::optional<QString> resized = RedimXY(next[i], dw, dh, 4, &text);
        if (!resized) return false;
        next[i] = *resized;
    }
    lines = std::move(next);
    return true;
}

int gridOffset(int v, int step) {
    if (step <= 0) return 0;
    const int below = v / step * step;
    int above = below + step;
    if (above > kMaxCoordinate) above = below; // no grid line beyond the fields
    const int back = v - below, forward = above - v;
    if (above == below || back < forward) return -back;
    return forward;
}

int alignToGrid(QStringList& lines, int step) {
    int refused = 0;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (!isSelected(lines[i])) continue;
        const std::optional<Box> b = storedBox(lines[i]);
        if (!b) continue;
        const int dx = gridOffset(std::min(b->left, b->right), step);
        const int dy = gridOffset(std::min(b->top, b->bottom), step);
        if (dx == 0 && dy == 0) continue;
        if (const std::optional<QString> moved = MoveXY(lines[i], dx, dy))
            lines[i] = *moved;
        else
            ++refused;
    }
    return refused;
}

} // namespace qel
