#include "render/widestroke.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace qel {

void WideStroke::begin(int width, const QRect& clip) {
    width_ = std::max(width, 2);
    clip_ = clip;
    centres_.clear();
    // Disc rows in doubled coordinates around the centre, so even and odd widths stay integral:
    // a pixel belongs when its centre lies within the pen's radius.
    const int before = reachBefore(width_), after = reachAfter(width_);
    const int shift = width_ % 2 == 0 ? 1 : 0;
    const std::int64_t r2 = std::int64_t(width_) * width_;
    disc_.assign(before + after + 1, Extent{0, -1});
    for (int dy = -before; dy <= after; ++dy) {
        const std::int64_t v = 2 * dy + shift;
        int lo = 1, hi = 0;
        for (int dx = -before; dx <= after; ++dx) {
            const std::int64_t u = 2 * dx + shift;
            if (u * u + v * v <= r2) {
                lo = std::min(lo, dx);
                hi = std::max(hi, dx);
            }
        }
        disc_[dy + before] = {lo, hi};
    }
}

void WideStroke::add(QPoint p) {
    if (centres_.empty() || centres_.back() != p) centres_.push_back(p);
}

void WideStroke::line(QPoint a, QPoint b) {
    // A segment whose pen stays outside the clip leaves no pixel in it: its centres are not
    // walked. A long stroke crossing a small area costs its segments there.
    const int before = reachBefore(width_), after = reachAfter(width_);
    if (std::max(a.x(), b.x()) + after < clip_.left() ||
        std::min(a.x(), b.x()) - before > clip_.right() ||
        std::max(a.y(), b.y()) + after < clip_.top() ||
        std::min(a.y(), b.y()) - before > clip_.bottom())
        return;
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) {
        add(a);
        return;
    }
    // Nearest pixel to the exact line at each step, halves rounded up: floor((2 d i + steps) /
    // 2 steps) per axis, kept as quotient and remainder so a step costs no division.
    const std::int64_t twoSteps = 2 * std::int64_t(steps);
    struct Axis {
        int q;
        std::int64_t r, inc;
    };
    auto start = [&](int d) {
        // The quotient moves by at most one a step, since |d| <= steps.
        return Axis{0, steps, 2 * std::int64_t(d)};
    };
    auto next = [&](Axis& a) {
        a.r += a.inc;
        if (a.r >= twoSteps) {
            a.r -= twoSteps;
            ++a.q;
        } else if (a.r < 0) {
            a.r += twoSteps;
            --a.q;
        }
    };
    Axis ax = start(dx), ay = start(dy);
    add(a);
    // Every step moves the major coordinate, so only the first point can repeat the last one.
    const std::size_t base = centres_.size();
    centres_.resize(base + std::size_t(steps));
    QPoint* out = centres_.data() + base;
    for (int i = 1; i <= steps; ++i) {
        next(ax);
        next(ay);
        out[i - 1] = QPoint(a.x() + ax.q, a.y() + ay.q);
    }
}

void WideStroke::chain(const QPoint* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        add(points[i]);
}

// Widens count row extents by the disc rows beside them. A pen is a few pixels wide, so this is
// a handful of iterations: the arrays never overlap, and saying so spares the compiler's
// overlap checks, which cost more than the loop.
static void widen(WideStroke::Extent* __restrict rows, const WideStroke::Extent* __restrict disc,
                  int count, int xa, int xb) {
    for (int i = 0; i < count; ++i) {
        rows[i].lo = std::min(rows[i].lo, xa + disc[i].lo);
        rows[i].hi = std::max(rows[i].hi, xb + disc[i].hi);
    }
}

bool WideStroke::bounds(int& x0, int& y0, int& x1, int& y1) const {
    if (centres_.empty() || clip_.isEmpty()) return false;
    const int before = reachBefore(width_), after = reachAfter(width_);
    x0 = y0 = INT_MAX;
    x1 = y1 = INT_MIN;
    for (const QPoint& c : centres_) {
        x0 = std::min(x0, c.x());
        x1 = std::max(x1, c.x());
        y0 = std::min(y0, c.y());
        y1 = std::max(y1, c.y());
    }
    x0 = std::max(x0 - before, clip_.left());
    y0 = std::max(y0 - before, clip_.top());
    x1 = std::min(x1 + after, clip_.right());
    y1 = std::min(y1 + after, clip_.bottom());
    return x0 <= x1 && y0 <= y1;
}

// The centres go in runs that move one way in x and one way in y. In such a run the discs that
// reach a row have centres on neighbouring columns, and each disc row holds its centre column,
// so their union on that row is one interval: the run keeps a row's extent with two comparisons
// per disc row, and hands each row's interval, clipped, to row(r, a, b) when the run ends (r
// and a, b relative to y0 and x0). Runs may hand over the same pixel more than once.
template <typename Row> void WideStroke::cover(int x0, int y0, int x1, int y1, Row row) {
    const int before = reachBefore(width_), after = reachAfter(width_);
    const int h = y1 - y0 + 1;
    rows_.assign(h, Extent{INT_MAX, INT_MIN});
    int touchedLo = INT_MAX, touchedHi = INT_MIN;
    auto stampRow = [&](int xa, int xb, int cy) {
        const int ya = std::max(cy - before, y0), yb = std::min(cy + after, y1);
        if (ya <= yb) widen(&rows_[ya - y0], &disc_[ya - cy + before], yb - ya + 1, xa, xb);
        touchedLo = std::min(touchedLo, ya - y0);
        touchedHi = std::max(touchedHi, yb - y0);
    };
    auto flush = [&] {
        for (int r = touchedLo; r <= touchedHi; ++r) {
            const int a = std::max(rows_[r].lo, x0) - x0, b = std::min(rows_[r].hi, x1) - x0;
            rows_[r] = {INT_MAX, INT_MIN};
            if (a <= b) row(r, a, b);
        }
        touchedLo = INT_MAX;
        touchedHi = INT_MIN;
    };
    const std::size_t n = centres_.size();
    int sx = 0, sy = 0; // the run's directions, 0 until it has moved that way
    for (std::size_t i = 0; i < n;) {
        const QPoint c = centres_[i];
        if (i > 0) {
            const int dx = c.x() - centres_[i - 1].x(), dy = c.y() - centres_[i - 1].y();
            if (std::abs(dx) > 1 || std::abs(dy) > 1 || dx * sx < 0 || dy * sy < 0) {
                flush();
                sx = sy = 0;
            }
            if (dx) sx = dx;
            if (dy) sy = dy;
        }
        // Centres on the same row as c, moving the run's way, are stamped together.
        std::size_t j = i + 1;
        int xa = c.x(), xb = c.x();
        while (j < n && centres_[j].y() == c.y()) {
            const int dx = centres_[j].x() - centres_[j - 1].x();
            if (std::abs(dx) != 1 || dx * sx < 0) break;
            sx = dx;
            xa = std::min(xa, centres_[j].x());
            xb = std::max(xb, centres_[j].x());
            ++j;
        }
        stampRow(xa, xb, c.y());
        i = j;
    }
    flush();
}

void WideStroke::paint(uchar* bits, qsizetype bytesPerLine, QRgb colour) {
    int x0, y0, x1, y1;
    if (!bounds(x0, y0, x1, y1)) return;
    cover(x0, y0, x1, y1, [&](int r, int a, int b) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + qsizetype(y0 + r) * bytesPerLine) + x0;
        std::fill(line + a, line + b + 1, colour);
    });
}

void WideStroke::spans(std::vector<Span>& out) {
    out.clear();
    int x0, y0, x1, y1;
    if (!bounds(x0, y0, x1, y1)) return;
    // One bit per pixel, so that the mostly empty rows of a long path are skipped 64 at a time,
    // and each pixel is reported once.
    const int h = y1 - y0 + 1;
    const int words = (x1 - x0) / 64 + 1;
    mask_.assign(std::size_t(words) * h, 0);
    cover(x0, y0, x1, y1, [&](int r, int a, int b) {
        std::uint64_t* m = &mask_[std::size_t(r) * words];
        for (int wa = a / 64, wb = b / 64, k = wa; k <= wb; ++k) {
            const int lo = k == wa ? a % 64 : 0, hi = k == wb ? b % 64 : 63;
            m[k] |= (~std::uint64_t(0) >> (63 - hi)) & (~std::uint64_t(0) << lo);
        }
    });
    for (int row = 0; row < h; ++row) {
        const std::uint64_t* m = &mask_[std::size_t(row) * words];
        int start = -1;
        for (int k = 0; k < words; ++k) {
            std::uint64_t bits = m[k];
            int pos = 0; // bits below pos in this word are done
            while (pos < 64) {
                if (start < 0) {
                    const std::uint64_t rest = bits >> pos;
                    if (!rest) break;
                    pos += __builtin_ctzll(rest);
                    start = k * 64 + pos;
                } else {
                    const std::uint64_t rest = ~bits >> pos;
                    if (!rest) break;
                    pos += __builtin_ctzll(rest);
                    out.push_back({y0 + row, x0 + start, x0 + k * 64 + pos - 1});
                    start = -1;
                }
            }
        }
        if (start >= 0) out.push_back({y0 + row, x0 + start, x0 + words * 64 - 1});
    }
}

} // namespace qel
