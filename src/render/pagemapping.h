#pragma once

// Where a drawing lands on paper. Printing and the preview map each record's decoded coordinates
// as it is painted; no record is rewritten, so no coordinate ever has to fit back into three
// hexadecimal digits.

#include <QPoint>
#include <QSize>
#include <QSizeF>

class QPageLayout;

namespace qel {

struct Box;
struct PointBuffer;

// A drawing's page settings: margins in millimetres (left, top, right, bottom) and the
// enlargement in percent. Only the left and top margins move the drawing on the paper.
struct PageSettings {
    int margins[4] = {20, 20, 20, 20};
    int enlargement = 200;
};

// The range the page setup dialog offers; anything else is brought into it.
constexpr int kMaxMargin = 999;
constexpr int kMinEnlargement = 10;
constexpr int kMaxEnlargement = 1000;

// A sheet as the renderer paints it: its size in target pixels, at 96 per inch on paper, and
// in millimetres.
struct Paper {
    QSize pixels;
    QSizeF millimetres;

    // A4 at 96 per inch: what a printer that reports no usable size is taken to be.
    static Paper a4() { return {QSize(793, 1123), QSizeF(210, 297)}; }
    bool usable() const;
};

// The whole sheet of a page layout (orientation included) at 96 pixels per inch; an unusable
// layout gives A4.
Paper paperOf(const QPageLayout& layout);

// Drawing pixels to paper pixels: x becomes offsetX + R(scale * x), y likewise, where R rounds
// halves to even.
struct PageMapping {
    double scale = 1.0;
    int offsetX = 0;
    int offsetY = 0;

    int x(int v) const;
    int y(int v) const;
    Box map(const Box& box) const;
    void map(PointBuffer& points) const;
};

// The scale is the enlargement; the offsets are the left and top margins, each with the fixed
// 10 mm (left) and 5 mm (top) the printed page adds, converted with the paper's own pixels per
// millimetre. An unusable paper counts as A4.
PageMapping pageMapping(const Paper& paper, const PageSettings& settings);

} // namespace qel
