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
    discLeft_.assign(before + after + 1, 0);
    discRight_.assign(before + after + 1, -1);
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
        discLeft_[dy + before] = lo;
        discRight_[dy + before] = hi;
    }
}

void WideStroke::add(QPoint p) {
    if (centres_.empty() || centres_.back() != p) centres_.push_back(p);
}

void WideStroke::line(QPoint a, QPoint b) {
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) {
        add(a);
        return;
    }
    // Nearest pixel to the exact line at each step, halves rounded up.
    const std::int64_t twoSteps = 2 * std::int64_t(steps);
    auto along = [&](int d, int i) {
        const std::int64_t n = 2 * std::int64_t(d) * i + steps;
        return int(n >= 0 ? n / twoSteps : -((-n + twoSteps - 1) / twoSteps));
    };
    for (int i = 0; i <= steps; ++i)
        add(QPoint(a.x() + along(dx, i), a.y() + along(dy, i)));
}

void WideStroke::chain(const QPoint* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        add(points[i]);
}

void WideStroke::spans(std::vector<Span>& out) {
    out.clear();
    if (centres_.empty() || clip_.isEmpty()) return;
    const int before = reachBefore(width_), after = reachAfter(width_);
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
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
    if (x0 > x1 || y0 > y1) return;
    // One bit per pixel, so that the mostly empty rows of a long path are skipped 64 at a time.
    const int h = y1 - y0 + 1;
    const int words = (x1 - x0) / 64 + 1;
    mask_.assign(std::size_t(words) * h, 0);
    rowFirst_.assign(h, INT_MAX);
    rowLast_.assign(h, INT_MIN);
    for (const QPoint& c : centres_) {
        for (int dy = -before; dy <= after; ++dy) {
            const int y = c.y() + dy;
            if (y < y0 || y > y1) continue;
            const int a = std::max(c.x() + discLeft_[dy + before], x0) - x0;
            const int b = std::min(c.x() + discRight_[dy + before], x1) - x0;
            if (a > b) continue;
            const int row = y - y0;
            std::uint64_t* m = &mask_[std::size_t(row) * words];
            for (int wa = a / 64, wb = b / 64, k = wa; k <= wb; ++k) {
                const int lo = k == wa ? a % 64 : 0, hi = k == wb ? b % 64 : 63;
                m[k] |= (~std::uint64_t(0) >> (63 - hi)) & (~std::uint64_t(0) << lo);
            }
            rowFirst_[row] = std::min(rowFirst_[row], a / 64);
            rowLast_[row] = std::max(rowLast_[row], b / 64);
        }
    }
    for (int row = 0; row < h; ++row) {
        const std::uint64_t* m = &mask_[std::size_t(row) * words];
        int start = -1;
        for (int k = rowFirst_[row]; k <= rowLast_[row]; ++k) {
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
        if (start >= 0) out.push_back({y0 + row, x0 + start, x0 + rowLast_[row] * 64 + 63});
    }
}

} // namespace qel
