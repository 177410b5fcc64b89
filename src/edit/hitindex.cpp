#include "edit/hitindex.h"

#include "edit/selection.h"

namespace qel {

namespace {

// The hit box as a rectangle, edges included; empty where the line has none.
QRect hitRect(const QString& line) {
    if (line.size() < 2) return {};
    const std::optional<Box> b = hitBox(line);
    return b ? QRect(QPoint(b->left, b->top), QPoint(b->right, b->bottom)) : QRect();
}

} // namespace

void HitIndex::rebuild(const QStringList& lines) {
    boxes_.assign(std::size_t(lines.size()), QRect());
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        boxes_[std::size_t(i)] = hitRect(lines[i]);
    // Coordinates are stored in three hex digits.
    grid_.reset(QRect(0, 0, kMaxCoordinate + 1, kMaxCoordinate + 1), BoxGrid::cellFor(boxes_));
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (!boxes_[std::size_t(i)].isNull()) grid_.insert(int(i), boxes_[std::size_t(i)]);
    known_ = lines;
}

void HitIndex::follow(const QStringList& lines) {
    if (lines.isSharedWith(known_)) return;
    if (lines.size() != known_.size() || boxes_.empty()) return rebuild(lines);
    // A changed line has new characters: its text lies elsewhere.
    qsizetype changed = 0;
    for (qsizetype i = kFirstShape; i < lines.size(); ++i) {
        if (lines[i].constData() == known_[i].constData() && lines[i].size() == known_[i].size())
            continue;
        if (++changed > lines.size() / 8 + 16) return rebuild(lines);
        QRect& box = boxes_[std::size_t(i)];
        const QRect now = hitRect(lines[i]);
        if (now == box) continue;
        if (!box.isNull()) grid_.remove(int(i), box);
        if (!now.isNull()) grid_.insert(int(i), now);
        box = now;
    }
    known_ = lines;
}

qsizetype HitIndex::frontmostAt(const QStringList& lines, QPoint p) {
    follow(lines);
    // The grid tests the boxes; only a record under the point has its mark read.
    return grid_.highestAt(p, [&](int i) { return i < lines.size() && !isLocked(lines[i]); });
}

} // namespace qel
