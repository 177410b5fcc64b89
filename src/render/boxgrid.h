#pragma once

// Boxes filed by where they lie: a uniform grid of square cells over a bounded area, each cell
// listing in ascending order the indices whose boxes meet it. Asking which boxes may meet an
// area or a point visits a few cells, not every box. Boxes covering many cells are kept in one
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
    bool isEmpty() const { return count_ == 0; }

    // Files the index where box meets the bounds; a box outside them is not filed. Indices given
    // in ascending order are filed at the end of their cells; others are put in order.
    void insert(int index, const QRect& box);
    // Takes the index out of the cells box meets (the box it was filed with).
    void remove(int index, const QRect& box);

    // Every index whose box may meet area, ascending, each once.
    void query(const QRect& area, std::vector<int>& out) const;
    // The indices filed where the point lies, from the highest down, until visit answers true;
    // answers that index, or -1.
    template <typename Visit> int highestAt(QPoint p, Visit visit) const;

private:
    bool cellsOf(const QRect& box, QRect& cells) const;
    static void put(std::vector<int>& list, int index);
    static void take(std::vector<int>& list, int index);

    QRect bounds_;
    int cell_ = 64, columns_ = 0, rows_ = 0, count_ = 0;
    std::vector<std::vector<int>> cells_;
    struct Large {
        int index;
        QRect box;
    };
    std::vector<Large> large_; // boxes over more than kLargeCells cells, by index
    static constexpr int kLargeCells = 64;
};

template <typename Visit> int BoxGrid::highestAt(QPoint p, Visit visit) const {
    const std::vector<int>* cell = nullptr;
    if (bounds_.contains(p)) {
        const int column = (p.x() - bounds_.left()) / cell_, row = (p.y() - bounds_.top()) / cell_;
        cell = &cells_[std::size_t(row * columns_ + column)];
    }
    // Both lists run from their highest index down, merged.
    static const std::vector<int> none;
    if (!cell) cell = &none;
    auto a = cell->rbegin();
    auto b = large_.rbegin();
    while (a != cell->rend() || b != large_.rend()) {
        const bool fromA = b == large_.rend() || (a != cell->rend() && *a > b->index);
        const int index = fromA ? *a++ : (b++)->index;
        if (visit(index)) return index;
    }
    return -1;
}

} // namespace qel
