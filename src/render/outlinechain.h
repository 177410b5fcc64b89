#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <vector>

namespace qel {

// Pixel-exact outlines for thin (one-pixel) pens. Qt strokes curves from Bézier flattening,
// whose pixels may leak past the box and whose two halves of an ellipse do not tile it; these
// chains are built once from integer arithmetic, so an ellipse is symmetric, stays inside its
// box (right column and bottom row excluded), and arcs cut from it never overlap or leave gaps.

// One outline pixel per entry, in counter-clockwise order as seen on screen, each pixel once.
using PixelChain = std::vector<QPoint>;

// A horizontal run of pixels [x0, x1] on row y, used for fills.
struct Span {
    int y;
    int x0;
    int x1;
};

// Outline of a rounded box: box covers pixels left..right-1, top..bottom-1; the corners are
// quarters of a cornerWidth x cornerHeight ellipse. With corners as large as the box this is the
// inscribed ellipse. An empty box gives an empty chain.
void roundedChain(const QRect& box, int cornerWidth, int cornerHeight, PixelChain& out);

// Interior of the same outline, row by row; with outlineToo the outline pixels are included.
void roundedSpans(const QRect& box, int cornerWidth, int cornerHeight, bool outlineToo,
                  std::vector<Span>& out);

// The part of an ellipse outline that runs counter-clockwise from the ray through start to the
// ray through end (rays from the box centre). The start ray's pixel belongs to the arc, the end
// ray's does not, so two arcs with swapped ends share no pixel and together make the ellipse.
// Equal rays give the whole ellipse. Answers whether the arc is the whole outline.
bool arcChain(const QRect& box, QPoint start, QPoint end, PixelChain& out);

// Where the ray from the box centre through a point meets the inscribed ellipse, in pixel
// coordinates (pixel centres at whole numbers), stretched as the arcs are so corners are exact.
QPointF ellipsePointOnRay(const QRect& box, QPoint through);

// Keeps only the spans' pixels on the same side of the line a-b as the point inside; pixels on
// the line are kept, so the two sides of one line together cover every pixel.
void clipSpansToSide(std::vector<Span>& spans, QPointF a, QPointF b, QPointF inside);

} // namespace qel
