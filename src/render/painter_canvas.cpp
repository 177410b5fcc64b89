#include "render/painter_canvas.h"

#include "render/hatch.h"
#include "render/polygonspans.h"
#include "render/spanwriter.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qel {

namespace {

// Far beyond any page; keeps the integer outline arithmetic and its buffers bounded when a
// rubber band is dragged far out of the window.
constexpr int kLimit = 16000;
int clampCoord(int v) {
    return std::clamp(v, -kLimit, kLimit);
}

QRect boxOf(int left, int top, int right, int bottom) {
    left = clampCoord(left);
    right = clampCoord(right);
    top = clampCoord(top);
    bottom = clampCoord(bottom);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}

// Parametric angle, in degrees, of the point where the ray from the box centre through p meets
// the ellipse, stretched with the box so that corners give exact multiples of 45 degrees.
double rayAngle(const QRectF& box, QPoint p) {
    const double u = (p.x() - box.center().x()) / std::max(box.width(), 1.0);
    const double v = (p.y() - box.center().y()) / std::max(box.height(), 1.0);
    if (u == 0 && v == 0) return 0;
    return std::atan2(-v, u) * 180.0 / M_PI;
}

// Each pixel of the box takes the picture's pixel under its centre. Worked out per pixel from
// the whole box, whatever part of it is painted, so that a page painted in bands shows a picture
// that crosses them exactly as one pass does.
void stretchNearest(QImage& target, const QRect& box, const QRect& painted, const QImage& picture,
                    bool mirrorX, bool mirrorY) {
    if (painted.isEmpty()) return;
    const QImage source = picture.format() == QImage::Format_RGB32
                              ? picture
                              : picture.convertToFormat(QImage::Format_RGB32);
    const qint64 pw = source.width(), ph = source.height();
    const qint64 bw = box.width(), bh = box.height();
    std::vector<int> columns(std::size_t(painted.width()));
    for (int x = painted.left(); x <= painted.right(); ++x) {
        const int c = int((2 * qint64(x - box.left()) + 1) * pw / (2 * bw));
        columns[std::size_t(x - painted.left())] = mirrorX ? int(pw) - 1 - c : c;
    }
    for (int y = painted.top(); y <= painted.bottom(); ++y) {
        int r = int((2 * qint64(y - box.top()) + 1) * ph / (2 * bh));
        if (mirrorY) r = int(ph) - 1 - r;
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(r));
        QRgb* to = reinterpret_cast<QRgb*>(target.scanLine(y)) + painted.left();
        for (int c : columns)
            *to++ = 0xFF000000u | from[c];
    }
}

} // namespace

// The painter scales by the image's device pixel ratio by itself: the canvas sees page pixels.
PainterCanvas::PainterCanvas(QImage& target)
    : size_(target.deviceIndependentSize().toSize()), area_(QPoint(0, 0), size_) {
    ownPainter_.emplace();
    p_ = &*ownPainter_;
    if (!target.isNull() && p_->begin(&target)) {
        if (target.devicePixelRatio() == 1) {
            image_ = &target;
        } else {
            scaledImage_ = &target;
            ratio_ = target.devicePixelRatio();
        }
    }
    setUp();
}

PainterCanvas::PainterCanvas(QPainter& painter, QSize size)
    : p_(&painter), size_(size), area_(QPoint(0, 0), size) {
    p_->save();
    QPaintDevice* device = p_->device();
    if (device && device->devType() == QInternal::Image && p_->transform().isIdentity())
        image_ = static_cast<QImage*>(device);
    else if (device)
        dpi_ = device->logicalDpiY();
    setUp();
}

PainterCanvas::~PainterCanvas() {
    if (!p_->isActive()) return;
    if (ownPainter_)
        p_->end();
    else
        p_->restore();
}

void PainterCanvas::setUp() {
    if (!p_->isActive()) return;
    p_->setRenderHint(QPainter::Antialiasing, false);
    p_->setRenderHint(QPainter::TextAntialiasing, false);
    p_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p_->setBackgroundMode(Qt::TransparentMode); // hatch gaps stay as they were
    p_->setBrushOrigin(0, 0);
    p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    rasterOps_ = (image_ || scaledImage_) && p_->paintEngine() &&
                 p_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

void PainterCanvas::setArea(const QRect& area) {
    area_ = area & QRect(QPoint(0, 0), size_);
    if (!p_->isActive()) return;
    // Qt's own drawing (text, pictures, very wide pens) keeps to the area through the clip; the
    // pixel writers below test the area themselves.
    p_->setClipRect(area_.isEmpty() ? QRect(-1, -1, 0, 0) : area_);
    ownClip_ = true;
}

bool PainterCanvas::figureMode() {
    if (!p_->isActive()) return false;
    const bool want = pen_.mode == PenMode::NotXor && rasterOps_;
    if (want != notXorActive_) {
        p_->setCompositionMode(want ? QPainter::RasterOp_NotSourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
        notXorActive_ = want;
    }
    refreshPen();
    refreshBrush();
    return true;
}

void PainterCanvas::copyMode() {
    if (notXorActive_) {
        p_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        notXorActive_ = false;
    }
}

// --- figures ---

void PainterCanvas::line(QPoint from, QPoint to) {
    // A line that goes nowhere has no pixel before its excluded end: nothing to draw.
    if ((from == to && thinPen()) || !figureMode() || noOutline()) return;
    if (stamped()) {
        if (dash_) {
            const QPoint ends[] = {from, to};
            dashedStroke(ends, 2, false);
            return;
        }
        beginStroke();
        stroke_.line(from, to);
        endStroke();
        return;
    }
    if (thinOnImage()) {
        beginThin();
        thinSegment(from, to);
        endThin();
        return;
    }
    if (scaled()) {
        const QPoint ends[] = {from, to};
        scaledOutline(ends, 2, false);
        return;
    }
    p_->setPen(qtPen());
    p_->drawLine(from, to);
}

void PainterCanvas::polyline(const QPoint* points, int count) {
    if (!points || count < 2 || !figureMode() || noOutline()) return;
    if (thinPen() &&
        std::all_of(points + 1, points + count, [&](const QPoint& q) { return q == points[0]; }))
        return; // one repeated point, as a line of no length
    if (stamped()) {
        if (dash_) {
            dashedStroke(points, count, false);
            return;
        }
        beginStroke();
        for (int i = 1; i < count; ++i)
            stroke_.line(points[i - 1], points[i]);
        endStroke();
        return;
    }
    if (thinOnImage()) {
        beginThin();
        for (int i = 1; i < count; ++i)
            thinSegment(points[i - 1], points[i]);
        endThin();
        return;
    }
    if (scaled()) {
        scaledOutline(points, count, false);
        return;
    }
    p_->setPen(qtPen());
    p_->drawPolyline(points, count);
}

void PainterCanvas::polygon(const QPoint* points, int count) {
    if (!points || count < 2 || !figureMode()) return;
    if (direct()) {
        if (!noFill()) {
            polygonSpans(points, count, area_.top(), area_.bottom(), spans_);
            fillSpans(spans_);
        }
        if (noOutline()) return;
        if (!stamped()) {
            thinPolygon(points, count);
            return;
        }
        if (dash_) {
            dashedStroke(points, count, true);
            return;
        }
        beginStroke();
        for (int i = 1; i <= count; ++i)
            stroke_.line(points[i - 1], points[i % count]);
        endStroke();
        return;
    }
    if (thinOnImage()) {
        if (!noFill()) {
            p_->setPen(Qt::NoPen);
            p_->setBrush(qtBrush());
            p_->drawPolygon(points, count, Qt::OddEvenFill);
        }
        thinPolygon(points, count);
        return;
    }
    if (scaled()) {
        // The fill samples pixel centres as the page's own fill does; the outline goes round it.
        if (!noFill()) {
            p_->setPen(Qt::NoPen);
            p_->setBrush(qtBrush());
            p_->drawPolygon(points, count, Qt::OddEvenFill);
        }
        if (!noOutline()) scaledOutline(points, count, true);
        return;
    }
    p_->setPen(qtPen());
    p_->setBrush(noFill() ? QBrush() : qtBrush());
    p_->drawPolygon(points, count, Qt::OddEvenFill);
}

// Drawn by Qt at an image's own pixels, an outline runs where the page's own outline pixels have
// their middle: through pixel centres for a one-pixel or odd pen, between pixels for an even pen
// centred on its path (its pixels reach one further before than after), through pixel centres
// again for an inside frame, which starts at the box's edge. The geometry moves, not the painter,
// so hatches stay where the page has them.
double PainterCanvas::outlineOffset(bool insideFrame) const {
    if (!scaled()) return 0;
    return insideFrame || thinPen() || pen_.width % 2 ? 0.5 : 0;
}

// A line, polyline or polygon outline drawn by Qt at the image's pixels. A one-pixel pen leaves
// out the last page pixel of an open line, as the page's own lines do.
void PainterCanvas::scaledOutline(const QPoint* points, int count, bool closed) {
    QPolygonF path;
    path.reserve(count);
    for (int i = 0; i < count; ++i)
        path << QPointF(points[i]);
    if (!closed && thinPen()) {
        // Each end moves half a page pixel back along its own segment: the first pixel is
        // covered whole, the last not at all.
        auto pullBack = [](QPointF& end, QPointF from) {
            const double length = QLineF(from, end).length();
            if (length > 0) end -= (end - from) * (0.5 / length);
        };
        int second = 1;
        while (second < count - 1 && path[second] == path[0])
            ++second;
        int beforeLast = count - 2;
        while (beforeLast > 0 && path[beforeLast] == path[count - 1])
            --beforeLast;
        pullBack(path[0], 2 * path[0] - path[second]);
        pullBack(path[count - 1], path[beforeLast]);
    }
    path.translate(outlineOffset(false), outlineOffset(false));
    if (dash_) {
        QPainterPath outline;
        outline.addPolygon(path);
        if (closed) outline.closeSubpath();
        drawWithPen(outline, Qt::NoBrush);
        return;
    }
    p_->setPen(qtPen());
    p_->setBrush(Qt::NoBrush);
    if (closed)
        p_->drawPolygon(path);
    else
        p_->drawPolyline(path);
}

// Qt's dasher passes over the dashes it finds outside the clip and may take up the pattern
// again at another phase, so a page painted in bands or in parts would get other dashes than in
// one pass. A dashed outline at an image's own pixels is therefore cut into dashes here, whole,
// and only its filling is clipped.
void PainterCanvas::drawWithPen(const QPainterPath& path, const QBrush& fill) {
    const QPen& pen = qtPen();
    if (!scaled() || !dash_ || pen.style() == Qt::NoPen) {
        p_->setPen(pen);
        p_->setBrush(fill);
        p_->drawPath(path);
        return;
    }
    p_->setPen(Qt::NoPen);
    if (fill.style() != Qt::NoBrush) {
        p_->setBrush(fill);
        p_->drawPath(path);
    }
    QPainterPathStroker stroker(pen);
    p_->setBrush(pen.color());
    p_->drawPath(stroker.createStroke(path));
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom) {
    closedFigure(boxOf(left, top, right, bottom), 1, 1, Shape::Rect);
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom) {
    const QRect box = boxOf(left, top, right, bottom);
    closedFigure(box, box.width(), box.height(), Shape::Ellipse);
}

void PainterCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                              int cornerHeight) {
    closedFigure(boxOf(left, top, right, bottom), cornerWidth, cornerHeight, Shape::Round);
}

void PainterCanvas::closedFigure(const QRect& box, int cornerWidth, int cornerHeight, Shape shape) {
    if (box.isEmpty() || !figureMode()) return;
    // On paper, PDF or SVG a thin curve stays a curve instead of a chain of pixel squares.
    if (image_ && (thinPen() || noOutline())) {
        if (!noFill()) {
            roundedSpans(box, cornerWidth, cornerHeight, noOutline(), spans_);
            fillSpans(spans_);
        }
        if (!noOutline()) {
            roundedChain(box, cornerWidth, cornerHeight, chain_);
            drawChain(chain_);
        }
        return;
    }
    if (stamped()) {
        wideClosedFigure(box, cornerWidth, cornerHeight);
        return;
    }
    // Wide pens: centred on the outline through the edge pixels, or kept inside the box. Drawn at
    // an image's own pixels, a figure without outline fills its whole box.
    if (scaled() && noOutline()) {
        QPainterPath path;
        if (shape == Shape::Rect)
            path.addRect(QRectF(box));
        else if (shape == Shape::Ellipse)
            path.addEllipse(QRectF(box));
        else
            path.addRoundedRect(QRectF(box), std::abs(cornerWidth) / 2.0,
                                std::abs(cornerHeight) / 2.0);
        p_->setPen(Qt::NoPen);
        p_->setBrush(noFill() ? QBrush() : qtBrush());
        p_->drawPath(path);
        return;
    }
    QRectF outline(box.left(), box.top(), box.width() - 1, box.height() - 1);
    outline.translate(outlineOffset(pen_.style == 6), outlineOffset(pen_.style == 6));
    if (pen_.style == 6) {
        const double inset =
            std::min((pen_.width - 1) / 2.0, std::min(outline.width(), outline.height()) / 2);
        outline.adjust(inset, inset, -inset, -inset);
    }
    QPainterPath path;
    if (shape == Shape::Rect)
        path.addRect(outline);
    else if (shape == Shape::Ellipse)
        path.addEllipse(outline);
    else
        path.addRoundedRect(outline, std::abs(cornerWidth) / 2.0, std::abs(cornerHeight) / 2.0);
    drawWithPen(path, noFill() ? QBrush() : qtBrush());
}

void PainterCanvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    const QRect box = boxOf(left, top, right, bottom);
    if (box.isEmpty() || !figureMode() || noOutline()) return;
    const QPoint start(clampCoord(x3), clampCoord(y3)), end(clampCoord(x4), clampCoord(y4));
    if (!thinPen() || !image_) {
        thickArc(box, start, end, false);
        return;
    }
    arcChain(box, start, end, chain_);
    drawChain(chain_);
}

void PainterCanvas::chord(int left, int top, int right, int bottom, int x3, int y3, int x4,
                          int y4) {
    const QRect box = boxOf(left, top, right, bottom);
    if (box.isEmpty() || !figureMode()) return;
    const QPoint start(clampCoord(x3), clampCoord(y3)), end(clampCoord(x4), clampCoord(y4));
    if ((!thinPen() && !noOutline()) || !image_) {
        thickArc(box, start, end, true);
        return;
    }
    const bool full = arcChain(box, start, end, chain_);
    if (chain_.empty()) return;
    if (!noFill()) {
        roundedSpans(box, box.width(), box.height(), noOutline(), spans_);
        if (!full) {
            const QPointF a = ellipsePointOnRay(box, start), b = ellipsePointOnRay(box, end);
            clipSpansToSide(spans_, a, b, chain_[chain_.size() / 2]);
        }
        fillSpans(spans_);
    }
    if (noOutline()) return;
    if (!full && chain_.size() > 1) {
        // Close the arc with the straight line between its ends, each pixel once.
        const QPoint a = chain_.back(), b = chain_.front();
        const int dx = b.x() - a.x(), dy = b.y() - a.y();
        const int steps = std::max(std::abs(dx), std::abs(dy));
        for (int i = 1; i < steps; ++i) {
            const QPoint q(a.x() + int(std::lround(double(dx) * i / steps)),
                           a.y() + int(std::lround(double(dy) * i / steps)));
            if (std::abs(q.x() - a.x()) + std::abs(q.y() - a.y()) > 1 &&
                std::abs(q.x() - b.x()) + std::abs(q.y() - b.y()) > 1)
                chain_.push_back(q);
        }
    }
    drawChain(chain_);
}

void PainterCanvas::thickArc(const QRect& box, QPoint start, QPoint end, bool closed) {
    if (stamped()) {
        const bool full = arcChain(box, start, end, chain_);
        if (chain_.empty()) return;
        if (closed && !full && !noFill()) {
            roundedSpans(box, box.width(), box.height(), false, spans_);
            const QPointF a = ellipsePointOnRay(box, start), b = ellipsePointOnRay(box, end);
            clipSpansToSide(spans_, a, b, chain_[chain_.size() / 2]);
            fillSpans(spans_);
        } else if (closed && !noFill()) {
            roundedSpans(box, box.width(), box.height(), false, spans_);
            fillSpans(spans_);
        }
        if (dash_) {
            // The closing line joins the dashes' path.
            if (closed && !full) {
                const QPoint ends[] = {chain_.back(), chain_.front()};
                thin_.begin(nullptr, 0, kEverywhere);
                thin_.segment(ends[0], ends[1], chain_);
            }
            const PixelChain& drawn = dashesOf(chain_);
            beginStroke();
            stroke_.chain(drawn.data(), drawn.size());
            endStroke();
            return;
        }
        beginStroke();
        stroke_.chain(chain_.data(), chain_.size());
        if (closed && !full) stroke_.line(chain_.back(), chain_.front());
        endStroke();
        return;
    }
    const QRectF outline = QRectF(box.left(), box.top(), box.width() - 1, box.height() - 1)
                               .translated(outlineOffset(false), outlineOffset(false));
    const QRectF edges(box);
    const double from = rayAngle(edges, start);
    double sweep = rayAngle(edges, end) - from;
    while (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    path.arcMoveTo(outline, from);
    path.arcTo(outline, from, sweep);
    if (closed) path.closeSubpath();
    drawWithPen(path, closed && !noFill() ? qtBrush() : QBrush());
}

// Outlines and solid fills go straight into the image when nothing stands between the canvas
// and its pixels: far cheaper than one QPainter call per point or per row.
bool PainterCanvas::direct() const {
    if (!image_ || (p_->hasClipping() && !ownClip_)) return false;
    const QImage::Format f = image_->format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

// Wide round pens stamped into the image; very wide ones stay with Qt's stroker.
bool PainterCanvas::stamped() const {
    return !thinPen() && !noOutline() && pen_.width <= kMaxStampedWidth && direct();
}

void PainterCanvas::beginStroke() {
    stroke_.begin(pen_.width, area_);
}

void PainterCanvas::endStroke() {
    const QRgb colour = toQColor(pen_.colour).rgb();
    // Copying may write a pixel twice; not-xor must see each once.
    if (!notXorActive_) {
        stroke_.paint(image_->bits(), image_->bytesPerLine(), colour);
        return;
    }
    stroke_.spans(spans_);
    paintSpans(spans_, colour, nullptr);
}

// A wide outline on the box's one-pixel outline (or, inside-frame, on an outline drawn in by the
// pen's reach), over the brush filling what lies inside that outline.
void PainterCanvas::wideClosedFigure(const QRect& box, int cornerWidth, int cornerHeight) {
    QRect outline = box;
    const bool ellipse = cornerWidth == box.width() && cornerHeight == box.height();
    if (pen_.style == 6) {
        const int before = WideStroke::reachBefore(pen_.width);
        const int after = WideStroke::reachAfter(pen_.width);
        const int hx = (box.width() - 1) / 2, hy = (box.height() - 1) / 2;
        outline.adjust(std::min(before, hx), std::min(before, hy), -std::min(after, hx),
                       -std::min(after, hy));
        if (ellipse) {
            cornerWidth = outline.width();
            cornerHeight = outline.height();
        }
    }
    if (!noFill()) {
        roundedSpans(outline, cornerWidth, cornerHeight, false, spans_);
        fillSpans(spans_);
    }
    roundedChain(outline, cornerWidth, cornerHeight, chain_);
    const PixelChain& drawn = dashesOf(chain_);
    beginStroke();
    stroke_.chain(drawn.data(), drawn.size());
    endStroke();
}

void PainterCanvas::fillSpans(const std::vector<Span>& spans) {
    if (spans.empty()) return;
    // Hatches by hand only where their Qt look is known: 32-bit opaque pixels.
    const std::uint8_t* hatch = hatchRows(brush_.style);
    if (direct() && (!hatch || image_->format() == QImage::Format_RGB32)) {
        paintSpans(spans, toQColor(brush_.colour).rgb(), hatch);
        return;
    }
    // Hatches go through Qt's patterns; rows of equal extent become one rectangle.
    rects_.clear();
    for (const Span& s : spans) {
        if (!rects_.empty() && rects_.back().left() == s.x0 && rects_.back().right() == s.x1 &&
            rects_.back().bottom() == s.y - 1)
            rects_.back().setBottom(s.y);
        else
            rects_.emplace_back(s.x0, s.y, s.x1 - s.x0 + 1, 1);
    }
    p_->setPen(Qt::NoPen);
    p_->setBrush(qtBrush());
    p_->drawRects(rects_.data(), int(rects_.size()));
}

void PainterCanvas::paintSpans(const std::vector<Span>& spans, QRgb colour,
                               const std::uint8_t* hatch) {
    if (hatch && pixelScale_ > 1 && brush_.style >= 2 && brush_.style <= 7) {
        std::vector<std::uint8_t>& tile = hatchTiles_[brush_.style - 2];
        if (tile.empty()) tile = hatchTile(brush_.style, pixelScale_);
        writeTiledSpans(*image_, area_, spans, colour, tile, 8 * pixelScale_, notXorActive_);
        return;
    }
    writeSpans(*image_, area_, spans, colour, hatch, notXorActive_);
}

// --- copy-mode operations ---

void PainterCanvas::fillRect(int left, int top, int right, int bottom) {
    if (!p_->isActive() || brush_.style == 1) return;
    copyMode();
    refreshBrush();
    const QRect box = boxOf(left, top, right, bottom);
    if (box.isEmpty()) return;
    const std::uint8_t* hatch = hatchRows(brush_.style);
    if (direct() && (!hatch || image_->format() == QImage::Format_RGB32)) {
        fillBox(box, toQColor(brush_.colour).rgb(), hatch);
        return;
    }
    p_->fillRect(box, qtBrush());
}

// Copy-mode box fill straight into the image, without Qt's per-call set-up and thread pool.
void PainterCanvas::fillBox(const QRect& box, QRgb colour, const std::uint8_t* hatch) {
    const QRect r = box & area_;
    spans_.clear();
    for (int y = r.top(); y <= r.bottom(); ++y)
        spans_.push_back({y, r.left(), r.right()});
    paintSpans(spans_, colour, hatch);
}

void PainterCanvas::setPixel(int x, int y, Colour c) {
    if (!area_.contains(x, y) || !p_->isActive()) return;
    const QRgb rgb = 0xFF000000u | (redOf(c) << 16) | (greenOf(c) << 8) | blueOf(c);
    if (direct()) {
        reinterpret_cast<QRgb*>(image_->scanLine(y))[x] = rgb;
        return;
    }
    if (image_ && x < image_->width() && y < image_->height()) {
        image_->setPixel(x, y, rgb);
        return;
    }
    copyMode();
    p_->fillRect(QRect(x, y, 1, 1), toQColor(c));
}

Colour PainterCanvas::pixel(int x, int y) const {
    if (scaledImage_) {
        // The image pixel at the page pixel's centre.
        const QPoint at(int((x + 0.5) * ratio_), int((y + 0.5) * ratio_));
        if (x < 0 || y < 0 || !scaledImage_->rect().contains(at)) return kWhite;
        return fromQColor(QColor(scaledImage_->pixel(at)));
    }
    if (!image_ || x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return kWhite;
    return fromQColor(QColor(image_->pixel(x, y)));
}

void PainterCanvas::stretchDraw(int left, int top, int right, int bottom, const QImage& picture) {
    if (!p_->isActive() || picture.isNull()) return;
    const QRect box = boxOf(left, top, right, bottom);
    if (box.isEmpty()) return;
    copyMode();
    // A box given right-to-left or bottom-to-top shows the picture mirrored, as the platform's
    // stretch does.
    const bool mirrorX = right < left, mirrorY = bottom < top;
    if (direct() && !picture.hasAlphaChannel()) {
        stretchDirect(box, picture, mirrorX, mirrorY);
        return;
    }
    // A vector page leaves the stretch to its viewer, and some viewers smooth it whatever the
    // page asks; the picture goes out already stretched, in the blocks the screen shows.
    const bool enlarged = box.width() >= picture.width() && box.height() >= picture.height() &&
                          box.size() != picture.size();
    if (enlarged && !picture.hasAlphaChannel() && p_->paintEngine()->type() == QPaintEngine::SVG) {
        QImage stretched(box.size(), QImage::Format_RGB32);
        stretchNearest(stretched, stretched.rect(), stretched.rect(), picture, mirrorX, mirrorY);
        p_->drawImage(box.topLeft(), stretched);
        return;
    }
    if (mirrorX || mirrorY)
        p_->drawImage(box, picture.mirrored(mirrorX, mirrorY));
    else
        p_->drawImage(box, picture);
}

void PainterCanvas::stretchDirect(const QRect& box, const QImage& picture, bool mirrorX,
                                  bool mirrorY) {
    stretchNearest(*image_, box, box & area_ & image_->rect(), picture, mirrorX, mirrorY);
}

void PainterCanvas::whiteness(int left, int top, int right, int bottom) {
    if (!p_->isActive()) return;
    copyMode();
    const QRect box = boxOf(left, top, right, bottom);
    if (box.isEmpty()) return;
    if (direct()) {
        fillBox(box, 0xFFFFFFFFu, nullptr);
        return;
    }
    p_->fillRect(box, Qt::white);
}

} // namespace qel
