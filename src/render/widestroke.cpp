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
    // Straight runs of centres (one row or one column) are stamped together: each row of the
    // union takes the widest disc row any centre of the run gives it.
    auto stampRun = [&](int xa, int xb, int ya, int yb) {
        for (int y = std::max(ya - before, y0); y <= std::min(yb + after, y1); ++y) {
            const int dy = std::clamp(0, std::max(y - yb, -before), std::min(y - ya, after));
            const int a = std::max(xa + discLeft_[dy + before], x0) - x0;
            const int b = std::min(xb + discRight_[dy + before], x1) - x0;
            if (a > b) continue;
            const int row = y - y0;
            std::uint64_t* m = &mask_[std::size_t(row) * words];
            for (int wa = a / 64, wb = b / 64, k = wa; k <= wb; ++k) {
                const int lo = k == wa ? a % 64 : 0, hi = k == wb ? b % 64 : 63;
                m[k] |= (~std::uint64_t(0) >> (63 - hi)) & (~std::uint64_t(0) << lo);
            }
        }
    };
    const std::size_t n = centres_.size();
    for (std::size_t i = 0; i < n;) {
        const QPoint c = centres_[i];
        std::size_t j = i + 1;
        int xa = c.x(), xb = c.x(), ya = c.y(), yb = c.y();
        if (j < n && centres_[j].y() == c.y() && std::abs(centres_[j].x() - c.x()) == 1) {
            const int step = centres_[j].x() - c.x();
            while (j < n && centres_[j].y() == c.y() &&
                   centres_[j].x() - centres_[j - 1].x() == step)
                ++j;
            xa = std::min(c.x(), centres_[j - 1].x());
            xb = std::max(c.x(), centres_[j - 1].x());
        } else if (j < n && centres_[j].x() == c.x() && std::abs(centres_[j].y() - c.y()) == 1) {
            const int step = centres_[j].y() - c.y();
            while (j < n && centres_[j].x() == c.x() &&
                   centres_[j].y() - centres_[j - 1].y() == step)
                ++j;
            ya = std::min(c.y(), centres_[j - 1].y());
            yb = std::max(c.y(), centres_[j - 1].y());
        }
        stampRun(xa, xb, ya, yb);
        i = j;
    }
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
