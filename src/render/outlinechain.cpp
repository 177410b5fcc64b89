#include "render/outlinechain.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace qel {

namespace {

using i128 = __int128;

// One pixel of the quarter outline from the top point to the right point, as an offset inside
// the corner ellipse's box, with whether it lies on the ellipse's vertical or horizontal axis.
struct QuarterPixel {
    int px;
    int py;
    bool onAxisX;
    bool onAxisY;
};

// Walks the upper-right quarter of the ellipse inscribed in a w x h pixel box. Coordinates are
// doubled and relative to the centre so that even and odd sizes stay integral; each step goes
// right, down or diagonally to the neighbour nearest the curve.
void quarter(int w, int h, std::vector<QuarterPixel>& out) {
    out.clear();
    const std::int64_t a = w - 1, b = h - 1;
    const std::int64_t a2 = a * a, b2 = b * b, a2b2 = a2 * b2;
    auto error = [&](std::int64_t x, std::int64_t y) {
        return std::llabs(x * x * b2 + y * y * a2 - a2b2);
    };
    std::int64_t x = a % 2, y = -b;
    const std::int64_t yEnd = -(b % 2);
    auto push = [&] { out.push_back({int((x + a) / 2), int((y + b) / 2), x == 0, y == 0}); };
    push();
    while (x < a || y < yEnd) {
        const bool canRight = x < a, canDown = y < yEnd;
        if (canRight && canDown) {
            const auto ed = error(x + 2, y + 2), er = error(x + 2, y), ev = error(x, y + 2);
            if (ed <= er && ed <= ev) {
                x += 2;
                y += 2;
            } else if (er < ev) {
                x += 2;
            } else {
                y += 2;
            }
        } else if (canRight) {
            x += 2;
        } else {
            y += 2;
        }
        push();
    }
}

// The quarter of a w x h ellipse, walked again only when the size changes: an arc or chord
// asks for its box's outline, whole and in spans, several times in a row.
const std::vector<QuarterPixel>& quarterOf(int w, int h) {
    thread_local std::vector<QuarterPixel> q;
    thread_local int lastW = 0, lastH = 0;
    if (q.empty() || w != lastW || h != lastH) {
        quarter(w, h, q);
        lastW = w;
        lastH = h;
    }
    return q;
}

struct Corners {
    int w, h, cw, ch;
};

Corners cornersOf(const QRect& box, int cornerWidth, int cornerHeight) {
    const int w = box.width(), h = box.height();
    const int cw = std::clamp(std::abs(cornerWidth), 1, std::max(w, 1));
    const int ch = std::clamp(std::abs(cornerHeight), 1, std::max(h, 1));
    return {w, h, cw, ch};
}

// Counter-clockwise on screen (y grows downward): positive when b turns counter-clockwise from a.
template <typename T> T ccw(T ax, T ay, T bx, T by) {
    return ay * bx - ax * by;
}

// The counter-clockwise sweep [r1, r2) of directions, decided once per arc so that each pixel
// costs two products.
class Sweep {
public:
    Sweep(std::int64_t r1x, std::int64_t r1y, std::int64_t r2x, std::int64_t r2y)
        : r1x_(r1x), r1y_(r1y), r2x_(r2x), r2y_(r2y) {
        const i128 c12 = ccw<i128>(r1x, r1y, r2x, r2y);
        const i128 d12 = i128(r1x) * r2x + i128(r1y) * r2y;
        full_ = c12 == 0 && d12 > 0;
        half_ = c12 == 0 && !full_;
        reflex_ = c12 < 0;
    }
    bool contains(std::int64_t px, std::int64_t py) const {
        if (full_) return true;
        if (reflex_) // more than half a turn: the complement of the sweep [r2, r1)
            return !narrow(px, py, r2x_, r2y_, r1x_, r1y_);
        return narrow(px, py, r1x_, r1y_, r2x_, r2y_);
    }
    bool full() const { return full_; }

private:
    bool narrow(std::int64_t px, std::int64_t py, std::int64_t ax, std::int64_t ay, std::int64_t bx,
                std::int64_t by) const {
        const std::int64_t c1p = ccw(ax, ay, px, py);
        const bool fromStart = c1p > 0 || (c1p == 0 && ax * px + ay * py > 0);
        if (half_) return fromStart;
        return fromStart && ccw(px, py, bx, by) > 0;
    }
    std::int64_t r1x_, r1y_, r2x_, r2y_;
    bool full_, half_, reflex_;
};

} // namespace

void roundedChain(const QRect& box, int cornerWidth, int cornerHeight, PixelChain& out) {
    out.clear();
    if (box.width() <= 0 || box.height() <= 0) return;
    const auto [w, h, cw, ch] = cornersOf(box, cornerWidth, cornerHeight);
    const std::vector<QuarterPixel>& q = quarterOf(cw, ch);
    const int l = box.left(), t = box.top(), r = l + w, b = t + h;
    const bool shareX = w == cw, shareY = h == ch;
    const int n = int(q.size());
    const int topPx = q.front().px, sidePy = q.back().py;
    out.reserve(4 * n + 2 * (w + h));

    for (int i = n - 1; i >= 0; --i) // upper right: right point up to the top
        out.emplace_back(r - cw + q[i].px, t + q[i].py);
    for (int x = r - cw + topPx - 1; x > l + cw - 1 - topPx; --x)
        out.emplace_back(x, t);
    for (int i = 0; i < n; ++i) // upper left: top down to the left point
        if (!(q[i].onAxisX && shareX)) out.emplace_back(l + cw - 1 - q[i].px, t + q[i].py);
    for (int y = t + sidePy + 1; y < b - 1 - sidePy; ++y)
        out.emplace_back(l, y);
    for (int i = n - 1; i >= 0; --i) // lower left: left point down to the bottom
        if (!(q[i].onAxisX && shareX) && !(q[i].onAxisY && shareY))
            out.emplace_back(l + cw - 1 - q[i].px, b - 1 - q[i].py);
    if (b - 1 > t) // a one-row box has its only edge drawn already
        for (int x = l + cw - 1 - topPx + 1; x < r - cw + topPx; ++x)
            out.emplace_back(x, b - 1);
    for (int i = 0; i < n; ++i) // lower right: bottom up to the right point
        if (!(q[i].onAxisY && shareY)) out.emplace_back(r - cw + q[i].px, b - 1 - q[i].py);
    if (r - 1 > l)
        for (int y = b - 1 - sidePy - 1; y > t + sidePy; --y)
            out.emplace_back(r - 1, y);
}

void roundedSpans(const QRect& box, int cornerWidth, int cornerHeight, bool outlineToo,
                  std::vector<Span>& out) {
    out.clear();
    if (box.width() <= 0 || box.height() <= 0) return;
    // Plain variables rather than a structured binding: the corner-row lambda captures them.
    const Corners corners = cornersOf(box, cornerWidth, cornerHeight);
    const int w = corners.w, h = corners.h, cw = corners.cw, ch = corners.ch;
    const std::vector<QuarterPixel>& q = quarterOf(cw, ch);
    const int l = box.left(), t = box.top(), r = l + w, b = t + h;
    const int rows = q.back().py + 1;
    // Innermost and outermost pixel of the quarter on each of its rows.
    thread_local std::vector<int> inner, outer;
    inner.assign(rows, cw);
    outer.assign(rows, 0);
    for (const auto& p : q) {
        inner[p.py] = std::min(inner[p.py], p.px);
        outer[p.py] = std::max(outer[p.py], p.px);
    }
    auto cornerRow = [&](int y, int py) {
        if (outlineToo)
            out.push_back({y, l + cw - 1 - outer[py], r - cw + outer[py]});
        else if (py > 0 && l + cw - inner[py] <= r - cw + inner[py] - 1)
            out.push_back({y, l + cw - inner[py], r - cw + inner[py] - 1});
    };
    for (int py = 0; py < rows; ++py)
        cornerRow(t + py, py);
    for (int y = t + rows; y < b - rows; ++y) {
        if (outlineToo)
            out.push_back({y, l, r - 1});
        else if (l + 1 <= r - 2)
            out.push_back({y, l + 1, r - 2});
    }
    for (int py = rows - 1; py >= 0; --py)
        if (b - 1 - py >= t + rows) cornerRow(b - 1 - py, py);
}

bool arcChain(const QRect& box, QPoint start, QPoint end, PixelChain& out) {
    thread_local PixelChain whole;
    thread_local std::vector<char> inside;
    out.clear();
    roundedChain(box, box.width(), box.height(), whole);
    if (whole.empty()) return false;
    const std::int64_t w = box.width(), h = box.height();
    const std::int64_t l = box.left(), t = box.top(), r = l + w, b = t + h;
    // Rays from the box centre, stretched so that a box corner lands on the pixel box's corner:
    // that makes corner-to-corner arcs exact halves. Reduced so that products fit 64 bits.
    auto ray = [&](QPoint p, std::int64_t& rx, std::int64_t& ry) {
        rx = (2 * std::int64_t(p.x()) - l - r) * (w - 1) * h;
        ry = (2 * std::int64_t(p.y()) - t - b) * (h - 1) * w;
        if (rx == 0 && ry == 0) rx = 1;
        const std::int64_t g = std::gcd(rx, ry);
        rx /= g;
        ry /= g;
        while (std::llabs(rx) > (std::int64_t(1) << 40) ||
               std::llabs(ry) > (std::int64_t(1) << 40)) {
            rx /= 2;
            ry /= 2;
        }
    };
    std::int64_t r1x, r1y, r2x, r2y;
    ray(start, r1x, r1y);
    ray(end, r2x, r2y);
    const Sweep sweep(r1x, r1y, r2x, r2y);
    const int n = int(whole.size());
    auto relative = [&](int i, std::int64_t& px, std::int64_t& py) {
        px = 2 * std::int64_t(whole[i].x()) - (l + r - 1);
        py = 2 * std::int64_t(whole[i].y()) - (t + b - 1);
    };
    if (sweep.full()) {
        // Begin at the start ray so that dash patterns and chords start where the arc does.
        int first = 0;
        for (int i = 0; i < n; ++i) {
            std::int64_t px, py;
            relative(i, px, py);
            if (ccw(r1x, r1y, px, py) >= 0 && r1x * px + r1y * py > 0) {
                first = i;
                break;
            }
        }
        out.reserve(n);
        for (int k = 0; k < n; ++k)
            out.push_back(whole[(first + k) % n]);
        return true;
    }
    inside.assign(n, 0);
    for (int i = 0; i < n; ++i) {
        std::int64_t px, py;
        relative(i, px, py);
        inside[i] = sweep.contains(px, py);
    }
    int first = -1;
    for (int i = 0; i < n && first < 0; ++i)
        if (inside[i] && !inside[(i + n - 1) % n]) first = i;
    if (first < 0) return false;
    for (int k = 0; k < n && inside[(first + k) % n]; ++k)
        out.push_back(whole[(first + k) % n]);
    return out.size() == whole.size();
}

QPointF ellipsePointOnRay(const QRect& box, QPoint through) {
    const double w = box.width(), h = box.height();
    const double u = (2.0 * through.x() - box.left() * 2.0 - w) / std::max(w, 1.0);
    const double v = (2.0 * through.y() - box.top() * 2.0 - h) / std::max(h, 1.0);
    const double len = std::hypot(u, v);
    const double nu = len > 0 ? u / len : 1.0, nv = len > 0 ? v / len : 0.0;
    const double cx = box.left() + (w - 1) / 2, cy = box.top() + (h - 1) / 2;
    return {cx + nu * (w - 1) / 2, cy + nv * (h - 1) / 2};
}

void clipSpansToSide(std::vector<Span>& spans, QPointF a, QPointF b, QPointF inside) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    auto side = [&](double x, double y) { return dx * (y - a.y()) - dy * (x - a.x()); };
    const double ref = side(inside.x(), inside.y());
    if (ref == 0) return;
    // Pixels within rounding of the line count as on it, so both sides get them.
    const double tolerance = 1e-9 * (std::abs(dx) + std::abs(dy) + 1) * 8192;
    auto keep = [&](int x, int y) {
        const double s = side(x, y);
        return ref > 0 ? s >= -tolerance : s <= tolerance;
    };
    std::size_t kept = 0;
    for (const Span& s : spans) {
        const bool k0 = keep(s.x0, s.y), k1 = keep(s.x1, s.y);
        Span c = s;
        if (!k0 && !k1) continue;
        if (k0 != k1) {
            // The side is linear along the row (dy is not 0 since it changes): start where the
            // line crosses the row and step to the exact pixel where keep changes.
            const double edge =
                a.x() + (dx * (s.y - a.y()) + (ref > 0 ? tolerance : -tolerance)) / dy;
            int lo = std::isfinite(edge)
                         ? int(std::clamp(std::floor(edge), double(s.x0), double(s.x1 - 1)))
                         : s.x0;
            while (lo > s.x0 && keep(lo, s.y) != k0)
                --lo;
            while (lo + 1 < s.x1 && keep(lo + 1, s.y) == k0)
                ++lo;
            const int hi = lo + 1; // keep(lo) == k0, keep(hi) == k1
            if (k0)
                c.x1 = lo;
            else
                c.x0 = hi;
        }
        spans[kept++] = c;
    }
    spans.resize(kept);
}

} // namespace qel
