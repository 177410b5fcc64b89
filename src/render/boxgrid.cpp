#include "render/boxgrid.h"

#include <algorithm>

namespace qel {

namespace {

bool before(const auto& filed, int index) {
    return filed.index < index;
}

} // namespace

void BoxGrid::reset(const QRect& bounds, int cell) {
    bounds_ = bounds;
    cell_ = std::max(cell, 1);
    columns_ = bounds.isEmpty() ? 0 : (bounds.width() + cell_ - 1) / cell_;
    rows_ = bounds.isEmpty() ? 0 : (bounds.height() + cell_ - 1) / cell_;
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

void BoxGrid::put(List& list, int index, const QRect& box) {
    if (list.empty() || list.back().index < index)
        list.push_back({index, box});
    else if (const auto at = std::lower_bound(list.begin(), list.end(), index, before<Filed>);
             at == list.end() || at->index != index)
        list.insert(at, {index, box});
}

void BoxGrid::take(List& list, int index) {
    const auto at = std::lower_bound(list.begin(), list.end(), index, before<Filed>);
    if (at != list.end() && at->index == index) list.erase(at);
}

void BoxGrid::insert(int index, const QRect& box) {
    QRect cells;
    if (!cellsOf(box, cells)) return;
    const QRect filed = box.normalized();
    if (cells.width() * cells.height() > kLargeCells) return put(large_, index, filed);
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            put(cells_[std::size_t(row * columns_ + column)], index, filed);
}

void BoxGrid::remove(int index, const QRect& box) {
    QRect cells;
    if (!cellsOf(box, cells)) return;
    if (cells.width() * cells.height() > kLargeCells) return take(large_, index);
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        for (int column = cells.left(); column <= cells.right(); ++column)
            take(cells_[std::size_t(row * columns_ + column)], index);
}

void BoxGrid::query(const QRect& area, std::vector<int>& out) const {
    out.clear();
    auto add = [&](const List& list) {
        for (const Filed& f : list)
            if (f.box.intersects(area)) out.push_back(f.index);
    };
    QRect cells;
    if (cellsOf(area, cells))
        for (int row = cells.top(); row <= cells.bottom(); ++row)
            for (int column = cells.left(); column <= cells.right(); ++column)
                add(cells_[std::size_t(row * columns_ + column)]);
    add(large_);
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
