#include "render/painter_canvas.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qel {

namespace {

// The platform's one-pixel dash patterns, as on and off runs in pixels.
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

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

Qt::BrushStyle qtBrushStyle(int style) {
    switch (style) {
    case 1:
        return Qt::NoBrush;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::FDiagPattern;
    case 5:
        return Qt::BDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

bool samePen(const PenState& a, const PenState& b) {
    return a.colour == b.colour && a.width == b.width && a.style == b.style;
}

bool sameFont(const FontState& a, const FontState& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut;
}

// Parametric angle, in degrees, of the point where the ray from the box centre through p meets
// the ellipse, stretched with the box so that corners give exact multiples of 45 degrees.
double rayAngle(const QRectF& box, QPoint p) {
    const double u = (p.x() - box.center().x()) / std::max(box.width(), 1.0);
    const double v = (p.y() - box.center().y()) / std::max(box.height(), 1.0);
    if (u == 0 && v == 0) return 0;
    return std::atan2(-v, u) * 180.0 / M_PI;
}

} // namespace

PainterCanvas::PainterCanvas(QImage& target) : size_(target.size()) {
    ownPainter_.emplace();
    p_ = &*ownPainter_;
    if (!target.isNull() && p_->begin(&target)) image_ = &target;
    setUp();
}

PainterCanvas::PainterCanvas(QPainter& painter, QSize size) : p_(&painter), size_(size) {
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
    rasterOps_ =
        image_ && p_->paintEngine() && p_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
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

void PainterCanvas::refreshPen() {
    if (penBuilt_ && samePen(*penBuilt_, pen_)) return;
    penBuilt_ = pen_;
    dash_ = nullptr;
    dashLength_ = 0;
    if (noOutline()) {
        qpen_ = QPen(Qt::NoPen);
        return;
    }
    const QColor colour = toQColor(pen_.colour);
    pointPen_ = QPen(colour, 0);
    if (!thinPen()) {
        qpen_ = QPen(colour, pen_.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        return;
    }
    // A cosmetic pen with flat caps leaves out the last pixel of a line, like the platform's.
    qpen_ = QPen(colour, 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    switch (pen_.style) {
    case 1:
        dash_ = kDash, dashLength_ = 2;
        break;
    case 2:
        dash_ = kDot, dashLength_ = 2;
        break;
    case 3:
        dash_ = kDashDot, dashLength_ = 4;
        break;
    case 4:
        dash_ = kDashDotDot, dashLength_ = 6;
        break;
    default:
        break;
    }
    if (dash_) {
        QList<qreal> pattern;
        for (int i = 0; i < dashLength_; ++i)
            pattern << dash_[i];
        qpen_.setDashPattern(pattern);
    }
}

void PainterCanvas::refreshBrush() {
    if (brushBuilt_ && brushBuilt_->colour == brush_.colour && brushBuilt_->style == brush_.style)
        return;
    brushBuilt_ = brush_;
    qbrush_ = QBrush(toQColor(brush_.colour), qtBrushStyle(brush_.style));
}

void PainterCanvas::refreshFont() {
    if (fontBuilt_ && sameFont(*fontBuilt_, font_)) return;
    fontBuilt_ = font_;
    const int points = font_.size > 0 ? font_.size : 12;
    qfont_ = QFont(font_.name);
    qfont_.setPixelSize(std::max(1, int(std::lround(points * dpi_ / 72.0))));
    qfont_.setBold(font_.bold);
    qfont_.setItalic(font_.italic);
    qfont_.setUnderline(font_.underline);
    qfont_.setStrikeOut(font_.strikeOut);
    qfont_.setStyleStrategy(QFont::NoAntialias);
    metrics_.emplace(qfont_);
}

// --- figures ---

void PainterCanvas::line(QPoint from, QPoint to) {
    if (!figureMode() || noOutline()) return;
    p_->setPen(qpen_);
    p_->drawLine(from, to);
}

void PainterCanvas::polyline(const QPoint* points, int count) {
    if (!points || count < 2 || !figureMode() || noOutline()) return;
    p_->setPen(qpen_);
    p_->drawPolyline(points, count);
}

void PainterCanvas::polygon(const QPoint* points, int count) {
    if (!points || count < 2 || !figureMode()) return;
    p_->setPen(qpen_);
    p_->setBrush(noFill() ? QBrush() : qbrush_);
    p_->drawPolygon(points, count, Qt::OddEvenFill);
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
    if (thinPen() || noOutline()) {
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
    // Wide pens: centred on the outline through the edge pixels, or kept inside the box.
    QRectF outline(box.left(), box.top(), box.width() - 1, box.height() - 1);
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
    p_->setPen(qpen_);
    p_->setBrush(noFill() ? QBrush() : qbrush_);
    p_->drawPath(path);
}

void PainterCanvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    const QRect box = boxOf(left, top, right, bottom);
    if (box.isEmpty() || !figureMode() || noOutline()) return;
    const QPoint start(clampCoord(x3), clampCoord(y3)), end(clampCoord(x4), clampCoord(y4));
    if (!thinPen()) {
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
    if (!thinPen() && !noOutline()) {
        thickArc(box, start, end, true);
        return;
    }
    arcChain(box, start, end, chain_);
    if (chain_.empty()) return;
    const bool full = [&] {
        roundedChain(box, box.width(), box.height(), points_);
        return points_.size() == chain_.size();
    }();
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
    const QRectF outline(box.left(), box.top(), box.width() - 1, box.height() - 1);
    const QRectF edges(box);
    const double from = rayAngle(edges, start);
    double sweep = rayAngle(edges, end) - from;
    while (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    path.arcMoveTo(outline, from);
    path.arcTo(outline, from, sweep);
    if (closed) path.closeSubpath();
    p_->setPen(qpen_);
    p_->setBrush(closed && !noFill() ? qbrush_ : QBrush());
    p_->drawPath(path);
}

// Outlines and solid fills go straight into the image when nothing stands between the canvas
// and its pixels: far cheaper than one QPainter call per point or per row.
bool PainterCanvas::direct() const {
    if (!image_ || p_->hasClipping()) return false;
    const QImage::Format f = image_->format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

void PainterCanvas::plot(const QPoint* points, std::size_t count) {
    if (!direct()) {
        p_->setPen(pointPen_);
        p_->drawPoints(points, int(count));
        return;
    }
    const QRgb colour = toQColor(pen_.colour).rgb();
    const int w = image_->width(), h = image_->height();
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (std::size_t i = 0; i < count; ++i) {
        const int x = points[i].x(), y = points[i].y();
        if (x < 0 || y < 0 || x >= w || y >= h) continue;
        QRgb& px = reinterpret_cast<QRgb*>(bits + y * stride)[x];
        px = notXorActive_ ? ~(colour ^ px) : colour;
    }
}

void PainterCanvas::drawChain(const PixelChain& chain) {
    if (chain.empty()) return;
    if (!dash_) {
        plot(chain.data(), chain.size());
        return;
    }
    points_.clear();
    int run = 0, left = dash_[0];
    for (const QPoint& q : chain) {
        if (run % 2 == 0) points_.push_back(q);
        if (--left == 0) {
            run = (run + 1) % dashLength_;
            left = dash_[run];
        }
    }
    plot(points_.data(), points_.size());
}

void PainterCanvas::fillSpans(const std::vector<Span>& spans) {
    if (spans.empty()) return;
    if (brush_.style == 0 && direct()) {
        const QRgb colour = toQColor(brush_.colour).rgb();
        const int w = image_->width(), h = image_->height();
        uchar* bits = image_->bits();
        const qsizetype stride = image_->bytesPerLine();
        for (const Span& s : spans) {
            if (s.y < 0 || s.y >= h) continue;
            const int x0 = std::max(s.x0, 0), x1 = std::min(s.x1, w - 1);
            QRgb* row = reinterpret_cast<QRgb*>(bits + s.y * stride);
            if (notXorActive_)
                for (int x = x0; x <= x1; ++x)
                    row[x] = ~(colour ^ row[x]);
            else if (x0 <= x1)
                std::fill(row + x0, row + x1 + 1, colour);
        }
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
    p_->setBrush(qbrush_);
    p_->drawRects(rects_.data(), int(rects_.size()));
}

// --- copy-mode operations ---

void PainterCanvas::fillRect(int left, int top, int right, int bottom) {
    if (!p_->isActive() || brush_.style == 1) return;
    copyMode();
    refreshBrush();
    const QRect box = boxOf(left, top, right, bottom);
    if (!box.isEmpty()) p_->fillRect(box, qbrush_);
}

void PainterCanvas::textOut(int x, int y, const QString& text) {
    if (!p_->isActive() || text.isEmpty()) return;
    copyMode();
    refreshFont();
    if (brush_.style == 0)
        p_->fillRect(QRect(QPoint(x, y), textExtent(text)), toQColor(brush_.colour));
    p_->setFont(qfont_);
    p_->setPen(toQColor(font_.colour));
    p_->drawText(QPoint(x, y + metrics_->ascent()), text);
}

QSize PainterCanvas::textExtent(const QString& text) {
    refreshFont();
    return QSize(metrics_->horizontalAdvance(text), metrics_->height());
}

void PainterCanvas::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= size_.width() || y >= size_.height() || !p_->isActive()) return;
    if (image_ && x < image_->width() && y < image_->height()) {
        image_->setPixel(x, y, 0xFF000000u | (redOf(c) << 16) | (greenOf(c) << 8) | blueOf(c));
        return;
    }
    copyMode();
    p_->fillRect(QRect(x, y, 1, 1), toQColor(c));
}

Colour PainterCanvas::pixel(int x, int y) const {
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
    if (mirrorX || mirrorY)
        p_->drawImage(box, picture.mirrored(mirrorX, mirrorY));
    else
        p_->drawImage(box, picture);
}

void PainterCanvas::whiteness(int left, int top, int right, int bottom) {
    if (!p_->isActive()) return;
    copyMode();
    const QRect box = boxOf(left, top, right, bottom);
    if (!box.isEmpty()) p_->fillRect(box, Qt::white);
}

} // namespace qel
