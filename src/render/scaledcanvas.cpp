#include "render/scaledcanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qel {

namespace {

QImage viewOf(QImage& target, qreal ratio) {
    if (target.isNull()) return {};
    QImage view(target.bits(), target.width(), target.height(), target.bytesPerLine(),
                target.format());
    view.setDevicePixelRatio(ratio);
    return view;
}

int wholeRatio(const QImage& target) {
    const qreal r = target.devicePixelRatio();
    return r >= 2 && r == std::floor(r) ? int(r) : 0;
}

} // namespace

bool ScaledCanvas::paints(const QImage& target) {
    return wholeRatio(target) > 0;
}

ScaledCanvas::ScaledCanvas(QImage& target)
    : n_(std::max(wholeRatio(target), 1)), size_(target.width() / n_, target.height() / n_),
      area_(QPoint(0, 0), size_), fastImage_(viewOf(target, 1)), fast_(fastImage_),
      probe_(1, 1, QImage::Format_RGB32), measure_(probe_) {
    fast_.setPixelScale(n_);
    if (!target.isNull()) holder_.begin(&target);
}

void ScaledCanvas::setArea(const QRect& area) {
    area_ = area & QRect(QPoint(0, 0), size_);
    fast_.setArea(QRect(area_.topLeft() * n_, area_.size() * n_));
}

// A pen covers n image pixels for each page pixel it covers.
int ScaledCanvas::penWidth() const {
    return n_ * std::max(pen_.width, 1);
}

// Where a page pixel's point lies in the image for the pen: a pen of the page covers
// reachBefore pixels before its point, and the image's pen, n times wider, must start where
// those pixels' image pixels start.
int ScaledCanvas::offset() const {
    const int w = std::max(pen_.width, 1);
    return penWidth() / 2 - n_ * (w / 2);
}

void ScaledCanvas::toFast(const PenState& pen, const BrushState& brush) {
    fast_.setPen(pen);
    fast_.setBrush(brush);
}

// The page's pen at the image's width; a wide pen of a dashed style is drawn solid, as on the
// page, and a one-pixel dashed pen keeps its dashes (the image's pen, that wide, dashes them in
// page pixels).
void ScaledCanvas::fastPen() {
    PenState pen = pen_;
    pen.width = penWidth();
    if (pen_.width > 1 && pen.style >= 1 && pen.style <= 4) pen.style = 0;
    toFast(pen, brush_);
}

void ScaledCanvas::line(QPoint from, QPoint to) {
    const QPoint ends[] = {from, to};
    polyline(ends, 2);
}

void ScaledCanvas::polyline(const QPoint* points, int count) {
    if (!points || count < 2 || pen_.style == 5) return;
    if (pen_.width <= 1 &&
        std::all_of(points + 1, points + count, [&](const QPoint& q) { return q == points[0]; }))
        return; // one repeated point: a line of no length
    points_.clear();
    for (int i = 0; i < count; ++i)
        points_.push_back(centre(points[i]));
    if (pen_.width <= 1) {
        // A one-pixel line leaves out its last page pixel: the image's line stops one page pixel
        // short along the last segment.
        int before = count - 2;
        while (before > 0 && points[before] == points[count - 1])
            --before;
        const QPoint d = points[count - 1] - points[before];
        const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
        points_.resize(std::size_t(before) + 2); // repeats of the end add nothing
        const QPoint last = points_[std::size_t(before)];
        const QPoint delta = points_.back() - last;
        points_.back() = last + QPoint(int(std::lround(double(delta.x()) * (steps - 1) / steps)),
                                       int(std::lround(double(delta.y()) * (steps - 1) / steps)));
    }
    // Wider than one image pixel, the image's pen stamps even a line of no length: one page
    // pixel's block for a line one page pixel long.
    fastPen();
    fast_.polyline(points_.data(), int(points_.size()));
}

void ScaledCanvas::polygon(const QPoint* points, int count) {
    if (!points || count < 2) return;
    if (brush_.style != 1) {
        // The fill samples the image's pixel centres inside the same polygon, scaled.
        points_.clear();
        for (int i = 0; i < count; ++i)
            points_.push_back(points[i] * n_);
        toFast({pen_.colour, 1, 5, pen_.mode}, brush_);
        fast_.polygon(points_.data(), count);
    }
    if (pen_.style == 5) return;
    // The page outlines a polygon one pixel wide, solid, when its pen is too wide to stamp.
    PenState pen = pen_;
    if (pen.width > PainterCanvas::kMaxStampedWidth) pen = {pen_.colour, 1, 0, pen_.mode};
    // A one-pixel outline through one point has no length: nothing, as on the page.
    if (pen.width <= 1 &&
        std::all_of(points + 1, points + count, [&](const QPoint& q) { return q == points[0]; }))
        return;
    const PenState given = pen_;
    pen_ = pen;
    points_.clear();
    for (int i = 0; i <= count; ++i)
        points_.push_back(centre(points[i % count]));
    fastPen();
    pen_ = given;
    fast_.setBrushStyle(1);
    fast_.polyline(points_.data(), int(points_.size()));
}

void ScaledCanvas::rectangle(int left, int top, int right, int bottom) {
    closedFigure(Figure::Rect, left, top, right, bottom, 1, 1);
}

void ScaledCanvas::ellipse(int left, int top, int right, int bottom) {
    closedFigure(Figure::Ellipse, left, top, right, bottom, 0, 0);
}

void ScaledCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                             int cornerHeight) {
    closedFigure(Figure::Round, left, top, right, bottom, cornerWidth, cornerHeight);
}

void ScaledCanvas::closedFigure(Figure figure, int left, int top, int right, int bottom,
                                int cornerWidth, int cornerHeight) {
    // The page's box excludes its right column and bottom row.
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    if (l == r || t == b) return;
    QRect image;
    if (pen_.style == 5 || pen_.style == 6) {
        // No outline, or one kept inside the box: the box's own image pixels.
        image = QRect(QPoint(l, t) * n_, QPoint(r, b) * n_ - QPoint(1, 1));
    } else {
        // A centred outline runs through the image points of its page pixels: the box from the
        // first page pixel's point to the last one's.
        image = QRect(centre({l, t}), centre({r - 1, b - 1}));
    }
    fastPen();
    const int iw = image.width(), ih = image.height();
    const int il = image.left(), it = image.top(), ir = il + iw, ib = it + ih;
    if (figure == Figure::Rect)
        fast_.rectangle(il, it, ir, ib);
    else if (figure == Figure::Ellipse)
        fast_.ellipse(il, it, ir, ib);
    else
        fast_.roundRect(il, it, ir, ib, cornerWidth * n_, cornerHeight * n_);
}

void ScaledCanvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    curve(false, left, top, right, bottom, x3, y3, x4, y4);
}

void ScaledCanvas::chord(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    curve(true, left, top, right, bottom, x3, y3, x4, y4);
}

void ScaledCanvas::curve(bool closed, int left, int top, int right, int bottom, int x3, int y3,
                         int x4, int y4) {
    if (!closed && pen_.style == 5) return;
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    if (l == r || t == b) return;
    // The curve runs through the image points of the page's outline pixels (a chord without
    // outline fills the whole box's image pixels); its rays keep their directions, from the
    // same centre.
    const bool outline = pen_.style != 5;
    const QPoint from = outline ? centre({l, t}) : QPoint(l, t) * n_;
    const QPoint to = outline ? centre({r - 1, b - 1}) : QPoint(r, b) * n_ - QPoint(1, 1);
    const QPoint start = centre({x3, y3}), end = centre({x4, y4});
    fastPen();
    if (closed)
        fast_.chord(from.x(), from.y(), to.x() + 1, to.y() + 1, start.x(), start.y(), end.x(),
                    end.y());
    else
        fast_.arc(from.x(), from.y(), to.x() + 1, to.y() + 1, start.x(), start.y(), end.x(),
                  end.y());
}

void ScaledCanvas::fillRect(int left, int top, int right, int bottom) {
    toFast(pen_, brush_);
    fast_.fillRect(left * n_, top * n_, right * n_, bottom * n_);
}

QSize ScaledCanvas::textExtent(const QString& text) {
    // Measured in the page's own font, as at one pixel per page pixel.
    measure_.setFont(font_);
    return measure_.textExtent(text);
}

void ScaledCanvas::textOut(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    if (brush_.style == 0) {
        // The background is the page's text box, scaled.
        const QSize extent = textExtent(text);
        toFast(pen_, brush_);
        fast_.fillRect(x * n_, y * n_, (x + extent.width()) * n_, (y + extent.height()) * n_);
    }
    fast_.setFont(font_);
    fast_.setBrushStyle(1);
    fast_.textOut(x * n_, y * n_, text);
}

QRect ScaledCanvas::textInk(int x, int y, const QString& text) {
    if (text.isEmpty()) return QRect();
    fast_.setFont(font_);
    fast_.setBrushStyle(1);
    const QRect ink = fast_.textInk(x * n_, y * n_, text);
    if (ink == kEverywhere) return kEverywhere;
    QRect page;
    if (!ink.isEmpty())
        page = QRect(QPoint(int(std::floor(double(ink.left()) / n_)),
                            int(std::floor(double(ink.top()) / n_))),
                     QPoint(int(std::floor(double(ink.right()) / n_)),
                            int(std::floor(double(ink.bottom()) / n_))));
    if (brush_.style == 0) page |= QRect(QPoint(x, y), textExtent(text));
    return page;
}

void ScaledCanvas::setPixel(int x, int y, Colour c) {
    for (int j = 0; j < n_; ++j)
        for (int i = 0; i < n_; ++i)
            fast_.setPixel(x * n_ + i, y * n_ + j, c);
}

Colour ScaledCanvas::pixel(int x, int y) const {
    return fast_.pixel(x * n_ + n_ / 2, y * n_ + n_ / 2);
}

void ScaledCanvas::stretchDraw(int left, int top, int right, int bottom, const QImage& picture) {
    fast_.stretchDraw(left * n_, top * n_, right * n_, bottom * n_, picture);
}

void ScaledCanvas::whiteness(int left, int top, int right, int bottom) {
    fast_.whiteness(left * n_, top * n_, right * n_, bottom * n_);
}

} // namespace qel
