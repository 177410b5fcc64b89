// One-pixel outlines of the canvas over QPainter: lines, polylines, polygon edges and the
// chains of the curves, written pixel by pixel.

#include "render/painter_canvas.h"

namespace qel {

// One-pixel outlines on an image are walked pixel by pixel, clipped or not, so both ways give
// the same pixels; other devices (printer pages) keep Qt's lines.
bool PainterCanvas::thinOnImage() const {
    return image_ && thinPen() && !noOutline();
}

// Straight into the pixels when nothing is in the way; otherwise the same pixels go to the
// painter as points, through its clip.
void PainterCanvas::beginThin() {
    thin_.begin(dash_, dashLength_, area_);
    chain_.clear();
    thinDirect_ = direct();
    if (thinDirect_)
        thinTarget_ = {image_->bits(), image_->bytesPerLine(), toQColor(pen_.colour).rgb(),
                       notXorActive_};
}

void PainterCanvas::thinSegment(QPoint a, QPoint b) {
    if (thinDirect_)
        thin_.segment(a, b, thinTarget_);
    else
        thin_.segment(a, b, chain_);
}

void PainterCanvas::endThin() {
    if (!thinDirect_) plot(chain_.data(), chain_.size());
}

// The closing edge ends on the first point, which the first edge already drew.
void PainterCanvas::thinPolygon(const QPoint* points, int count) {
    if (noOutline()) return;
    beginThin();
    for (int i = 1; i <= count; ++i)
        thinSegment(points[i - 1], points[i % count]);
    endThin();
}

void PainterCanvas::plot(const QPoint* points, std::size_t count) {
    if (!direct()) {
        p_->setPen(pointPen());
        p_->drawPoints(points, int(count));
        return;
    }
    const QRgb colour = toQColor(pen_.colour).rgb();
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    const int left = area_.left(), right = area_.right(), top = area_.top(),
              bottom = area_.bottom();
    for (std::size_t i = 0; i < count; ++i) {
        const int x = points[i].x(), y = points[i].y();
        if (x < left || x > right || y < top || y > bottom) continue;
        QRgb& px = reinterpret_cast<QRgb*>(bits + y * stride)[x];
        px = notXorActive_ ? ~(colour ^ px) : colour;
    }
}

void PainterCanvas::drawChain(const PixelChain& chain) {
    if (chain.empty()) return;
    const PixelChain& drawn = dashesOf(chain);
    plot(drawn.data(), drawn.size());
}

// The pixels of a chain that the pen's dashes leave on (the chain itself for a solid pen).
const PixelChain& PainterCanvas::dashesOf(const PixelChain& chain) {
    if (!dash_) return chain;
    points_.clear();
    int run = 0, left = dash_[0];
    for (const QPoint& q : chain) {
        if (run % 2 == 0) points_.push_back(q);
        if (--left == 0) {
            run = (run + 1) % dashLength_;
            left = dash_[run];
        }
    }
    return points_;
}

// A dashed pen as wide as a page pixel on an image of several pixels per page pixel: the
// image's one-pixel path, its dashes scaled, stamped with the pen. Path pixels just outside
// the area still stamp into it.
void PainterCanvas::dashedStroke(const QPoint* points, int count, bool closed) {
    const int reach = pen_.width;
    thin_.begin(dash_, dashLength_, area_.adjusted(-reach, -reach, reach, reach));
    chain_.clear();
    const int segments = closed ? count : count - 1;
    for (int i = 0; i < segments; ++i)
        thin_.segment(points[i], points[(i + 1) % count], chain_);
    beginStroke();
    stroke_.chain(chain_.data(), chain_.size());
    endStroke();
}

} // namespace qel
