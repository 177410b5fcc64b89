#pragma once

// Boxes filed by where they lie: a uniform grid of square cells over a bounded area, each cell
// listing in ascending order the indices whose boxes meet it, with the boxes themselves, so that
// a question reads one list and not the memory of every record. Asking which boxes meet an area
// or hold a point visits a few cells, not every box. Boxes covering many cells are kept in one
// list of their own, looked at by every question.

#include <QPoint>
#include <QRect>
#include <vector>

namespace qel {

class BoxGrid {
public:
    // An empty grid over bounds; cells of `cell` pixels.
    void reset(const QRect& bounds, int cell);
    // A cell size for these boxes: twice the middle one of their larger sides, so that a cell
    // lists about as many boxes in a drawing of many small shapes as in one of fewer large ones.
    static int cellFor(const std::vector<QRect>& boxes);

    // Files the index where box meets the bounds; a box outside them is not filed. Indices given
    // in ascending order are filed at the end of their cells; others are put in order.
    void insert(int index, const QRect& box);
    // Takes the index out of the cells box meets (the box it was filed with).
    void remove(int index, const QRect& box);

    // Every index whose box meets area, ascending, each once.
    void query(const QRect& area, std::vector<int>& out) const;
    // The indices whose boxes hold the point, from the highest down, until visit(index) answers
    // true; answers that index, or -1.
    template <typename Visit> int highestAt(QPoint p, Visit visit) const;

private:
    struct Filed {
        int index;
        QRect box;
    };
    using List = std::vector<Filed>;
    bool cellsOf(const QRect& box, QRect& cells) const;
    static void put(List& list, int index, const QRect& box);
    static void take(List& list, int index);

    QRect bounds_;
    int cell_ = 64, columns_ = 0, rows_ = 0;
    std::vector<List> cells_;
    List large_; // boxes over more than kLargeCells cells
    static constexpr int kLargeCells = 64;
};

template <typename Visit> int BoxGrid::highestAt(QPoint p, Visit visit) const {
    static const List none;
    const List* cell = &none;
    if (bounds_.contains(p)) {
        const int column = (p.x() - bounds_.left()) / cell_, row = (p.y() - bounds_.top()) / cell_;
        cell = &cells_[std::size_t(row * columns_ + column)];
    }
    // Both lists run from their highest index down, merged.
    auto a = cell->rbegin();
    auto b = large_.rbegin();
    while (a != cell->rend() || b != large_.rend()) {
        const bool fromA = b == large_.rend() || (a != cell->rend() && a->index > b->index);
        const Filed& f = fromA ? *a++ : *b++;
        if (f.box.contains(p) && visit(f.index)) return f.index;
    }
    return -1;
}

} // namespace qel
