#include "render/gdi_playback.h"

#include "render/metafile_canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace qel {

namespace {

constexpr std::size_t kMaxObjects = 65536;
constexpr std::size_t kMaxSavedStates = 256;
constexpr double kMaxCoordinate = 1e6; // beyond any picture, still cheap to clip
constexpr int kBezierSteps = 16;
constexpr double kPi = 3.14159265358979323846;

bool finite(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

int toInt(double v) {
    if (!std::isfinite(v)) return 0;
    return int(std::lrint(std::clamp(v, -kMaxCoordinate, kMaxCoordinate)));
}

} // namespace

GdiPlayback::GdiPlayback(Canvas& canvas) : canvas_(canvas) {}

void GdiPlayback::setDeviceMapping(const QTransform& deviceToTarget, QPointF devicePerMm) {
    deviceToTarget_ = deviceToTarget;
    devicePerMm_ = devicePerMm;
}

// ---------------------------------------------------------------- mapping

QTransform GdiPlayback::logicalToTarget() const {
    double sx = 1, sy = 1;
    const double mm[] = {0, 0, 0.1, 0.01, 0.254, 0.0254, 25.4 / 1440.0};
    switch (dc_.mapMode) {
    case MapMode::Text:
        break;
    case MapMode::LoMetric:
    case MapMode::HiMetric:
    case MapMode::LoEnglish:
    case MapMode::HiEnglish:
    case MapMode::Twips: {
        const double unit = mm[int(dc_.mapMode)];
        sx = devicePerMm_.x() * unit;
        sy = -devicePerMm_.y() * unit;
        break;
    }
    case MapMode::Isotropic:
    case MapMode::Anisotropic: {
        const double wx = dc_.windowExt.x() ? dc_.windowExt.x() : 1;
        const double wy = dc_.windowExt.y() ? dc_.windowExt.y() : 1;
        sx = dc_.viewportExt.x() / wx;
        sy = dc_.viewportExt.y() / wy;
        if (dc_.mapMode == MapMode::Isotropic) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        break;
    }
    }
    if (sx == 0 || !std::isfinite(sx)) sx = 1;
    if (sy == 0 || !std::isfinite(sy)) sy = 1;
    const QTransform page(sx, 0, 0, sy, dc_.viewportOrg.x() - dc_.windowOrg.x() * sx,
                          dc_.viewportOrg.y() - dc_.windowOrg.y() * sy);
    const QTransform all = dc_.world * page * deviceToTarget_;
    return finite(all) ? all : deviceToTarget_;
}

QPoint GdiPlayback::mapRound(QPointF p) const {
    const QPointF t = map(p);
    return QPoint(toInt(t.x()), toInt(t.y()));
}

bool GdiPlayback::axisAligned() const {
    const QTransform t = logicalToTarget();
    return t.m12() == 0 && t.m21() == 0;
}

double GdiPlayback::lineScale() const {
    const QTransform t = logicalToTarget();
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

std::vector<QPoint> GdiPlayback::toCanvas(const std::vector<QPointF>& target) {
    std::vector<QPoint> out;
    out.reserve(target.size());
    for (const QPointF& p : target)
        out.emplace_back(toInt(p.x()), toInt(p.y()));
    work_ += target.size();
    return out;
}

// ---------------------------------------------------------------- canvas state

void GdiPlayback::applyPen() {
    PenState p;
    p.colour = dc_.pen.colour & 0x00FFFFFF;
    p.style = dc_.pen.style;
    const double w = dc_.pen.cosmetic ? 1.0 : dc_.pen.width * lineScale();
    const QSize size = canvas_.size();
    const int cap = 2 * std::max(size.width(), size.height()) + 2;
    p.width = std::clamp(toInt(w), 1, std::max(1, cap));
    p.mode = dc_.notXor ? PenMode::NotXor : PenMode::Copy;
    canvas_.setPen(p);
}

void GdiPlayback::applyBrush() {
    canvas_.setBrush(BrushState{dc_.brush.colour & 0x00FFFFFF, dc_.brush.style});
}

void GdiPlayback::applyNoPen() {
    PenState p = canvas_.pen();
    p.style = 5;
    canvas_.setPen(p);
}

void GdiPlayback::applyNoBrush() {
    canvas_.setBrush(BrushState{kWhite, 1});
}

// ---------------------------------------------------------------- objects

void GdiPlayback::createObject(std::uint32_t index, const GdiObject& object) {
    if (index >= kMaxObjects) return;
    if (index >= objects_.size()) objects_.resize(index + 1);
    objects_[index] = object;
}

void GdiPlayback::createObjectInFreeSlot(const GdiObject& object) {
    for (GdiObject& slot : objects_) {
        if (slot.kind == GdiObject::None) {
            slot = object;
            return;
        }
    }
    if (objects_.size() < kMaxObjects) objects_.push_back(object);
}

void GdiPlayback::selectObject(std::uint32_t index) {
    if (index & 0x80000000u) {
        selectStockObject(index & 0x7FFFFFFFu);
        return;
    }
    if (index >= objects_.size()) return;
    const GdiObject& o = objects_[index];
    switch (o.kind) {
    case GdiObject::Pen:
        dc_.pen = o.pen;
        break;
    case GdiObject::Brush:
        dc_.brush = o.brush;
        break;
    case GdiObject::Font:
        dc_.font = o.font;
        break;
    default:
        break;
    }
}

void GdiPlayback::selectStockObject(std::uint32_t stock) {
    static const Colour brushes[] = {kWhite, 0xC0C0C0, 0x808080, 0x404040, kBlack};
    if (stock <= 4) {
        dc_.brush = GdiBrush{0, brushes[stock]};
    } else if (stock == 5) {
        dc_.brush = GdiBrush{1, kWhite};
    } else if (stock == 6 || stock == 7 || stock == 19) {
        dc_.pen = GdiPen{0, 0, true, stock == 6 ? kWhite : kBlack};
    } else if (stock == 8) {
        dc_.pen = GdiPen{5, 0, true, kBlack};
    } else if (stock >= 10 && stock <= 17) {
        dc_.font = GdiFont{};
    } else if (stock == 18) {
        dc_.brush = GdiBrush{0, kWhite};
    }
}

void GdiPlayback::deleteObject(std::uint32_t index) {
    if (index < objects_.size()) objects_[index] = GdiObject{};
}

void GdiPlayback::saveDc() {
    if (saved_.size() < kMaxSavedStates) saved_.push_back(dc_);
}

void GdiPlayback::restoreDc(int relative) {
    // Negative: that many levels back; positive: the level of that number.
    std::size_t keep = saved_.size();
    if (relative < 0) {
        const std::size_t back = std::size_t(-std::int64_t(relative));
        if (back > saved_.size()) return;
        keep = saved_.size() - back;
    } else if (relative > 0 && std::size_t(relative) <= saved_.size()) {
        keep = std::size_t(relative) - 1;
    } else {
        return;
    }
    dc_ = saved_[keep];
    saved_.resize(keep);
}

// ---------------------------------------------------------------- lines and polygons

void GdiPlayback::emitPolyline(const std::vector<QPointF>& target) {
    if (target.size() < 2) return;
    applyPen();
    const std::vector<QPoint> pts = toCanvas(target);
    canvas_.polyline(pts.data(), int(pts.size()));
}

void GdiPlayback::emitPolygon(const std::vector<QPointF>& target) {
    if (target.size() < 2) return;
    applyPen();
    applyBrush();
    const std::vector<QPoint> pts = toCanvas(target);
    canvas_.polygon(pts.data(), int(pts.size()));
}

void GdiPlayback::addToPath(const std::vector<QPointF>& target, bool closed) {
    if (target.empty()) return;
    work_ += target.size();
    path_.push_back(Figure{target, closed});
}

void GdiPlayback::moveTo(QPointF p) {
    dc_.position = p;
    if (inPath_) path_.push_back(Figure{{map(p)}, false});
}

void GdiPlayback::lineTo(QPointF p) {
    if (inPath_) {
        if (path_.empty() || path_.back().closed)
            path_.push_back(Figure{{map(dc_.position)}, false});
        path_.back().points.push_back(map(p));
        ++work_;
    } else {
        applyPen();
        canvas_.line(mapRound(dc_.position), mapRound(p));
        ++work_;
    }
    dc_.position = p;
}

void GdiPlayback::polyline(const std::vector<QPointF>& points) {
    std::vector<QPointF> t;
    t.reserve(points.size());
    for (const QPointF& p : points)
        t.push_back(map(p));
    if (inPath_)
        addToPath(t, false);
    else
        emitPolyline(t);
}

void GdiPlayback::polylineTo(const std::vector<QPointF>& points) {
    for (const QPointF& p : points)
        lineTo(p);
}

void GdiPlayback::polygon(const std::vector<QPointF>& points) {
    std::vector<QPointF> t;
    t.reserve(points.size());
    for (const QPointF& p : points)
        t.push_back(map(p));
    if (inPath_)
        addToPath(t, true);
    else
        emitPolygon(t);
}

void GdiPlayback::polyPolygon(const std::vector<std::vector<QPointF>>& polygons) {
    if (inPath_) {
        for (const auto& poly : polygons)
            polygon(poly);
        return;
    }
    // Recorded as one path so that the inner polygons cut holes.
    beginPath();
    for (const auto& poly : polygons)
        polygon(poly);
    endPath();
    strokeAndFillPath();
}

void GdiPlayback::polyBezier(const std::vector<QPointF>& points, bool to) {
    std::vector<QPointF> flat;
    std::size_t i = 0;
    QPointF p0;
    if (to) {
        p0 = dc_.position;
    } else {
        if (points.empty()) return;
        p0 = points[0];
        i = 1;
    }
    flat.push_back(p0);
    for (; i + 2 < points.size(); i += 3) {
        const QPointF p1 = points[i], p2 = points[i + 1], p3 = points[i + 2];
        for (int s = 1; s <= kBezierSteps; ++s) {
            const double t = double(s) / kBezierSteps, u = 1 - t;
            flat.push_back(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 +
                           t * t * t * p3);
        }
        p0 = p3;
    }
    if (to) {
        flat.erase(flat.begin());
        polylineTo(flat);
    } else {
        polyline(flat);
    }
}

// ---------------------------------------------------------------- boxes and arcs

void GdiPlayback::rectangle(const QRectF& box) {
    if (inPath_ || !axisAligned()) {
        polygon({box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()});
        return;
    }
    const QPointF a = map(box.topLeft()), b = map(box.bottomRight());
    int l = toInt(std::min(a.x(), b.x())), r = toInt(std::max(a.x(), b.x()));
    int t = toInt(std::min(a.y(), b.y())), bo = toInt(std::max(a.y(), b.y()));
    if (dc_.pen.style == 5) {
        // Without a pen the platform fills one device unit less on the right and bottom: that
        // is a plain fill of the box.
        r -= toInt(std::abs(deviceToTarget_.m11()));
        bo -= toInt(std::abs(deviceToTarget_.m22()));
        if (dc_.brush.style != 1) {
            applyBrush();
            canvas_.fillRect(l, t, r, bo);
        }
        ++work_;
        return;
    }
    applyPen();
    applyBrush();
    canvas_.rectangle(l, t, r, bo);
    ++work_;
}

void GdiPlayback::ellipse(const QRectF& box) {
    if (inPath_ || !axisAligned()) {
        polygon(flattenArc(box, {}, {}, true));
        return;
    }
    const QPointF a = map(box.topLeft()), b = map(box.bottomRight());
    applyPen();
    applyBrush();
    canvas_.ellipse(toInt(std::min(a.x(), b.x())), toInt(std::min(a.y(), b.y())),
                    toInt(std::max(a.x(), b.x())), toInt(std::max(a.y(), b.y())));
    ++work_;
}

void GdiPlayback::roundRect(const QRectF& box, QSizeF corner) {
    if (inPath_ || !axisAligned()) {
        rectangle(box);
        return;
    }
    const QTransform m = logicalToTarget();
    const QPointF a = map(box.topLeft()), b = map(box.bottomRight());
    applyPen();
    applyBrush();
    canvas_.roundRect(toInt(std::min(a.x(), b.x())), toInt(std::min(a.y(), b.y())),
                      toInt(std::max(a.x(), b.x())), toInt(std::max(a.y(), b.y())),
                      toInt(std::abs(corner.width() * m.m11())),
                      toInt(std::abs(corner.height() * m.m22())));
    ++work_;
}

std::vector<QPointF> GdiPlayback::flattenArc(const QRectF& box, QPointF start, QPointF end,
                                             bool full) const {
    const QRectF b = box.normalized();
    const QPointF c = b.center();
    const double rx = b.width() / 2, ry = b.height() / 2;
    std::vector<QPointF> out;
    if (rx <= 0 || ry <= 0 || !std::isfinite(rx) || !std::isfinite(ry)) return out;
    // Parametric angle of the ray through p; counter-clockwise on a y-down page is increasing.
    auto angle = [&](QPointF p) { return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx); };
    double t0 = full ? 0 : angle(start);
    double t1 = full ? 2 * kPi : angle(end);
    if (!full) {
        if (dc_.clockwise) {
            while (t1 >= t0)
                t1 -= 2 * kPi;
        } else {
            while (t1 <= t0)
                t1 += 2 * kPi;
        }
    }
    const double sweep = t1 - t0;
    const int steps = std::clamp(int(std::abs(sweep) / (2 * kPi) * 64) + 2, 4, 128);
    out.reserve(std::size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = t0 + sweep * i / steps;
        out.emplace_back(c.x() + rx * std::cos(t), c.y() - ry * std::sin(t));
    }
    return out;
}

void GdiPlayback::arc(ArcShape shape, const QRectF& box, QPointF start, QPointF end) {
    const bool flatten =
        inPath_ || !axisAligned() || shape == ArcShape::Pie || shape == ArcShape::ArcTo;
    if (!flatten) {
        const QPointF a = map(box.topLeft()), b = map(box.bottomRight());
        QPoint s = mapRound(start), e = mapRound(end);
        const QTransform m = logicalToTarget();
        // The canvas turns counter-clockwise on screen: a mirroring map or a clockwise
        // direction runs the same curve the other way round.
        if ((m.m11() * m.m22() < 0) != dc_.clockwise) std::swap(s, e);
        const int l = toInt(std::min(a.x(), b.x())), t = toInt(std::min(a.y(), b.y()));
        const int r = toInt(std::max(a.x(), b.x())), bo = toInt(std::max(a.y(), b.y()));
        applyPen();
        if (shape == ArcShape::Arc) {
            canvas_.arc(l, t, r, bo, s.x(), s.y(), e.x(), e.y());
        } else {
            applyBrush();
            canvas_.chord(l, t, r, bo, s.x(), s.y(), e.x(), e.y());
        }
        ++work_;
        return;
    }
    std::vector<QPointF> pts = flattenArc(box, start, end, false);
    if (pts.empty()) return;
    switch (shape) {
    case ArcShape::Arc:
        polyline(pts);
        break;
    case ArcShape::ArcTo:
        polylineTo(pts);
        break;
    case ArcShape::Chord:
        polygon(pts);
        break;
    case ArcShape::Pie:
        pts.push_back(box.normalized().center());
        polygon(pts);
        break;
    }
}

// ---------------------------------------------------------------- text and pictures

void GdiPlayback::text(QPointF reference, const QString& text, std::uint32_t options,
                       const QRectF* box) {
    if (inPath_) return; // glyph outlines in paths are not drawn
    const QTransform m = logicalToTarget();
    const double scaleY = std::hypot(m.m21(), m.m22());
    double px = std::abs(dc_.font.height) * scaleY;
    if (dc_.font.height > 0) px /= 1.15; // a cell height: take off the internal leading
    if (dc_.font.height == 0 || !std::isfinite(px)) px = 16;
    px = std::min(px, 10000.0);
    FontState f;
    f.name = dc_.font.face.isEmpty() ? QStringLiteral("Arial") : dc_.font.face;
    f.size = std::clamp(int(std::lrint(px * 72.0 / 96.0)), 1, 500);
    f.bold = dc_.font.weight >= 600;
    f.italic = dc_.font.italic;
    f.underline = dc_.font.underline;
    f.strikeOut = dc_.font.strikeOut;
    f.colour = dc_.textColour & 0x00FFFFFF;
    canvas_.setFont(f);

    if (box && (options & 0x0002)) { // opaque box behind the text
        const QPointF a = map(box->topLeft()), b = map(box->bottomRight());
        canvas_.setBrush(BrushState{dc_.bkColour & 0x00FFFFFF, 0});
        canvas_.fillRect(toInt(std::min(a.x(), b.x())), toInt(std::min(a.y(), b.y())),
                         toInt(std::max(a.x(), b.x())), toInt(std::max(a.y(), b.y())));
    }
    if (text.isEmpty()) return;
    const QPointF at = map((dc_.textAlign & 1) ? dc_.position : reference);
    const QSize extent = canvas_.textExtent(text);
    double x = at.x(), y = at.y();
    const std::uint32_t horizontal = dc_.textAlign & 6;
    if (horizontal == 6)
        x -= extent.width() / 2.0;
    else if (horizontal == 2)
        x -= extent.width();
    const std::uint32_t vertical = dc_.textAlign & 24;
    if (vertical == 24)
        y -= QFontMetrics(metafileFont(f)).ascent();
    else if (vertical == 8)
        y -= extent.height();
    if (dc_.opaqueBackground)
        canvas_.setBrush(BrushState{dc_.bkColour & 0x00FFFFFF, 0});
    else
        applyNoBrush();
    canvas_.textOut(toInt(x), toInt(y), text);
    work_ += std::uint64_t(text.size());
}

void GdiPlayback::setPixel(QPointF p, Colour c) {
    if (inPath_) return;
    const QPoint t = mapRound(p);
    canvas_.setPixel(t.x(), t.y(), c & 0x00FFFFFF);
    ++work_;
}

void GdiPlayback::picture(const QRectF& box, const QImage& image) {
    if (inPath_ || image.isNull()) return;
    const QPointF a = map(box.topLeft()), b = map(box.bottomRight());
    const QImage shown = image.mirrored(a.x() > b.x(), a.y() > b.y());
    canvas_.stretchDraw(toInt(std::min(a.x(), b.x())), toInt(std::min(a.y(), b.y())),
                        toInt(std::max(a.x(), b.x())), toInt(std::max(a.y(), b.y())), shown);
    work_ += std::uint64_t(image.width()) * std::uint64_t(image.height()) / 16 + 1;
}

void GdiPlayback::patternBlit(const QRectF& box, std::uint32_t rop) {
    if (inPath_) return;
    const QPointF a = map(box.topLeft()), b = map(box.bottomRight());
    const int l = toInt(std::min(a.x(), b.x())), t = toInt(std::min(a.y(), b.y()));
    const int r = toInt(std::max(a.x(), b.x())), bo = toInt(std::max(a.y(), b.y()));
    switch (rop) {
    case 0x00FF0062: // WHITENESS
        canvas_.whiteness(l, t, r, bo);
        break;
    case 0x00000042: // BLACKNESS
        canvas_.setBrush(BrushState{kBlack, 0});
        canvas_.fillRect(l, t, r, bo);
        break;
    case 0x00F00021: // PATCOPY
        if (dc_.brush.style != 1) {
            applyBrush();
            canvas_.fillRect(l, t, r, bo);
        }
        break;
    default:
        break; // raster operations on the destination alone are left out
    }
    ++work_;
}

// ---------------------------------------------------------------- paths

void GdiPlayback::beginPath() {
    inPath_ = true;
    path_.clear();
}

void GdiPlayback::endPath() {
    inPath_ = false;
}

void GdiPlayback::abortPath() {
    inPath_ = false;
    path_.clear();
}

void GdiPlayback::closeFigure() {
    if (inPath_ && !path_.empty()) path_.back().closed = true;
}

void GdiPlayback::fillPath() {
    inPath_ = false;
    // All figures go into one polygon joined by zero-width bridges back to the first point,
    // so that the alternate fill rule leaves the holes of letters and rings open.
    std::vector<QPointF> joined;
    for (const Figure& f : path_) {
        if (f.points.empty()) continue;
        joined.insert(joined.end(), f.points.begin(), f.points.end());
        joined.push_back(f.points.front());
        if (!path_.front().points.empty()) joined.push_back(path_.front().points.front());
    }
    if (joined.size() >= 3 && dc_.brush.style != 1) {
        applyBrush();
        applyNoPen();
        const std::vector<QPoint> pts = toCanvas(joined);
        canvas_.polygon(pts.data(), int(pts.size()));
    }
    path_.clear();
}

void GdiPlayback::strokePath() {
    inPath_ = false;
    if (dc_.pen.style != 5) {
        for (const Figure& f : path_) {
            std::vector<QPointF> pts = f.points;
            if (f.closed && !pts.empty()) pts.push_back(pts.front());
            emitPolyline(pts);
        }
    }
    path_.clear();
}

void GdiPlayback::strokeAndFillPath() {
    const std::vector<Figure> figures = path_;
    fillPath();
    path_ = figures;
    for (Figure& f : path_)
        f.closed = true; // filling closes every figure
    strokePath();
}

} // namespace qel
