#include "render/widestroke.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <set>

using namespace qel;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet covered(WideStroke& stroke) {
    std::vector<Span> spans;
    stroke.spans(spans);
    PixelSet out;
    for (const Span& s : spans)
        for (int x = s.x0; x <= s.x1; ++x)
            EXPECT_TRUE(out.insert({x, s.y}).second) << "pixel reported twice";
    return out;
}

} // namespace

// Whole runs of a path are stamped at once; that must cover exactly the discs of its pixels.
TEST(WideStroke, PathCoversTheUnionOfItsPixelsDiscs) {
    QRandomGenerator random(21);
    const QRect clip(0, 0, 90, 70);
    for (int round = 0; round < 300; ++round) {
        const int width = random.bounded(2, 9);
        std::vector<QPoint> path{QPoint(random.bounded(-5, 95), random.bounded(-5, 75))};
        const int steps = random.bounded(0, 60);
        for (int i = 0; i < steps; ++i) {
            // Straight stretches and turns, as lines and outlines make them.
            const QPoint d =
                random.bounded(4)
                    ? path.size() > 1 ? path.back() - path[path.size() - 2] : QPoint(1, 0)
                    : QPoint(random.bounded(-1, 2), random.bounded(-1, 2));
            path.push_back(path.back() + d);
        }
        WideStroke stroke;
        stroke.begin(width, clip);
        stroke.chain(path.data(), path.size());
        const PixelSet whole = covered(stroke);

        PixelSet expected;
        for (const QPoint& p : path) {
            WideStroke one;
            one.begin(width, clip);
            one.chain(&p, 1);
            const PixelSet disc = covered(one);
            expected.insert(disc.begin(), disc.end());
        }
        ASSERT_EQ(whole, expected) << "round " << round << " width " << width;
    }
}

TEST(WideStroke, DiscsAreRoundAndReachAsDocumented) {
    for (int width = 2; width <= 9; ++width) {
        WideStroke stroke;
        stroke.begin(width, QRect(-20, -20, 40, 40));
        const QPoint centre(0, 0);
        stroke.chain(&centre, 1);
        const PixelSet disc = covered(stroke);
        QRect bounds;
        for (auto [x, y] : disc)
            bounds |= QRect(x, y, 1, 1);
        EXPECT_EQ(bounds.left(), -WideStroke::reachBefore(width)) << width;
        EXPECT_EQ(bounds.right(), WideStroke::reachAfter(width)) << width;
        EXPECT_EQ(bounds.width(), width) << width;
        EXPECT_EQ(bounds.height(), width) << width;
        if (width >= 4) {
            EXPECT_FALSE(disc.count({bounds.left(), bounds.top()})) << "square corner " << width;
        }
    }
}
