#include "render/polygonspans.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace qel {

void polygonSpans(const QPoint* points, int count, int top, int bottom, std::vector<Span>& out) {
    out.clear();
    if (!points || count < 3) return;
    int y0 = INT_MAX, y1 = INT_MIN;
    for (int i = 0; i < count; ++i) {
        y0 = std::min(y0, points[i].y());
        y1 = std::max(y1, points[i].y());
    }
    y0 = std::max(y0, top);
    y1 = std::min(y1 - 1, bottom); // the centre of row y1 - 1 is the last one inside
    // Each edge's slope and start are worked out once, not once per row it crosses.
    struct Edge {
        int yTop, yEnd;
        std::int64_t start, slope;
    };
    thread_local std::vector<Edge> edges;
    edges.clear();
    for (int i = 0; i < count; ++i) {
        QPoint a = points[i], b = points[(i + 1) % count];
        if (a.y() == b.y()) continue;
        if (a.y() > b.y()) std::swap(a, b);
        if (b.y() <= y0 || a.y() > y1) continue; // crosses no row that is filled
        // First pixel right of the crossing at height y + 0.5, in 16.16 fixed point with a
        // truncated slope: the aliased fill's own arithmetic, so ties fall the same way.
        const std::int64_t slope =
            std::int64_t(double(b.x() - a.x()) / double(b.y() - a.y()) * 65536.0);
        const std::int64_t start = std::int64_t(a.x()) * 65536 + 32768 + (slope >> 1);
        edges.push_back({a.y(), b.y(), start, slope});
    }
    thread_local std::vector<int> crossings;
    for (int y = y0; y <= y1; ++y) {
        crossings.clear();
        for (const Edge& e : edges)
            if (y >= e.yTop && y < e.yEnd)
                crossings.push_back(int((e.start + (y - e.yTop) * e.slope) >> 16));
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
            if (crossings[k] < crossings[k + 1])
                out.push_back({y, crossings[k], crossings[k + 1] - 1});
    }
}

} // namespace qel
