#include "render/boxgrid.h"

#include <algorithm>

namespace qel {

void BoxGrid::reset(const QRect& bounds, int cell) {
    bounds_ = bounds;
    cell_ = std::max(cell, 1);
    columns_ = bounds.isEmpty() ? 0 : (bounds.width() + cell_ - 1) / cell_;
    rows_ = bounds.isEmpty() ? 0 : (bounds.height() + cell_ - 1) / cell_;
    count_ = 0;
    cells_.assign(std::size_t(columns_) * std::size_t(rows_), {});
    large_.clear();
}

int BoxGrid::cellFor(const std::vector<QRect>& boxes) {
    std::vector<int> sides;
    sides.reserve(boxes.size());
    for (const QRect& b : boxes)
        if (!b.isEmpty() && b.width() < (1 << 20)) sides.push_back(std::max(b.width(), b.height()));
    if (sides.empty()) return 64;
    const auto middle = sides.begin() + std::ptrdiff_t(sides.size() / 2);
    std::nth_element(sides.begin(), middle, sides.end());
    return std::clamp(2 * *middle, 16, 128);
}

bool BoxGrid::cellsOf(const QRect& box, QRect& cells) const {
    const QRect inside = box.normalized() & bounds_;
    if (inside.isEmpty()) return false;
    cells = QRect(
        QPoint((inside.left() - bounds_.left()) / cell_, (inside.top() - bounds_.top()) / cell_),
        QPoint((inside.right() - bounds_.left()) / cell_,
               (inside.bottom() - bounds_.top()) / cell_));
    return true;
}

void BoxGrid::put(std::vector<int>& list, int index) {
    if (list.empty() || list.back() < index)
        list.push_back(index);
    else if (const auto at = std::lower_bound(list.begin(), list.end(), index);
             at == list.end() || *at != index)
        list.insert(at, index);
}

void BoxGrid::take(std::vector<int>& list, int index) {
    const auto at = std::lower_bound(list.begin(), list.end(), index);
    if (at != list.end() && *at == index) list.erase(at);
}

void BoxGrid::insert(int index, const QRect& box) {
    QRect cells;
    if (!cellsOf(box, cells)) return;
    ++count_;
    if (cells.width() * cells.height() > kLargeCells) {
        const auto at = std::lower_bound(large_.begin(), large_.end(), index,
                                         [](const Large& l, int i) { return l.index < i; });
        large_.insert(at, {index, box.normalized()});
        return;
    }
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            put(cells_[std::size_t(row * columns_ + column)], index);
}

void BoxGrid::remove(int index, const QRect& box) {
    QRect cells;
    if (!cellsOf(box, cells)) return;
    --count_;
    if (cells.width() * cells.height() > kLargeCells) {
        const auto at = std::lower_bound(large_.begin(), large_.end(), index,
                                         [](const Large& l, int i) { return l.index < i; });
        if (at != large_.end() && at->index == index) large_.erase(at);
        return;
    }
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            take(cells_[std::size_t(row * columns_ + column)], index);
}

void BoxGrid::query(const QRect& area, std::vector<int>& out) const {
    out.clear();
    QRect cells;
    if (cellsOf(area, cells))
        for (int row = cells.top(); row <= cells.bottom(); ++row)
            for (int column = cells.left(); column <= cells.right(); ++column) {
                const std::vector<int>& list = cells_[std::size_t(row * columns_ + column)];
                out.insert(out.end(), list.begin(), list.end());
            }
    for (const Large& l : large_)
        if (l.box.intersects(area)) out.push_back(l.index);
    if (out.size() < 4096) {
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return;
    }
    // A large area meets most boxes: marking them costs less than sorting.
    std::vector<bool> met(std::size_t(*std::max_element(out.begin(), out.end())) + 1);
    for (const int i : out)
        met[std::size_t(i)] = true;
    out.clear();
    for (std::size_t i = 0; i < met.size(); ++i)
        if (met[i]) out.push_back(int(i));
}

} // namespace qel
