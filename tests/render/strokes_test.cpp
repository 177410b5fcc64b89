// The strokes the canvas writes directly: one-pixel lines walked pixel by pixel, dashed and
// clipped, and wide pens stamped as discs.

#include "render/thinline.h"
#include "render/widestroke.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace qel;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

const QRect kClip(-1000, -1000, 2000, 2000);

PixelChain walk(QPoint a, QPoint b, const int* dash = nullptr, int dashLength = 0) {
    ThinLine line;
    line.begin(dash, dashLength, kClip);
    PixelChain out;
    line.segment(a, b, out);
    return out;
}

PixelSet setOf(const PixelChain& chain) {
    PixelSet out;
    for (const QPoint& p : chain)
        out.insert({p.x(), p.y()});
    return out;
}

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

// A line leaves out its last pixel, steps only to neighbours, and lights the same pixels drawn
// either way.
TEST(ThinLine, StepsToNeighboursAndLightsTheSamePixelsEitherWay) {
    QRandomGenerator random(3);
    for (int round = 0; round < 500; ++round) {
        const QPoint a(random.bounded(-40, 40), random.bounded(-40, 40));
        const QPoint b(random.bounded(-40, 40), random.bounded(-40, 40));
        PixelChain forth = walk(a, b), back = walk(b, a);
        ASSERT_EQ(int(forth.size()), std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())));
        if (forth.empty()) continue;
        EXPECT_EQ(forth.front(), a);
        forth.push_back(b);
        back.push_back(a);
        for (std::size_t i = 1; i < forth.size(); ++i) {
            const QPoint d = forth[i] - forth[i - 1];
            ASSERT_LE(std::max(std::abs(d.x()), std::abs(d.y())), 1);
        }
        EXPECT_EQ(setOf(forth), setOf(back))
            << a.x() << "," << a.y() << " " << b.x() << "," << b.y();
    }
}

TEST(ThinLine, DashesRunOnAcrossSegments) {
    const int dash[] = {9, 6, 3, 6};
    ThinLine line;
    line.begin(dash, 4, kClip);
    PixelChain split;
    line.segment({0, 0}, {7, 0}, split);
    line.segment({7, 0}, {50, 0}, split);
    EXPECT_EQ(split, walk({0, 0}, {50, 0}, dash, 4));
    EXPECT_EQ(split.size(), 9u + 3 + 9 + 3 + 2);
}

TEST(ThinLine, ClippedPixelsStillCountForTheDashes) {
    const int dash[] = {18, 6};
    const PixelChain whole = walk({-300, 5}, {300, 40}, dash, 2);
    ThinLine line;
    line.begin(dash, 2, QRect(0, 0, 100, 100));
    PixelChain clipped;
    line.segment({-300, 5}, {300, 40}, clipped);
    PixelChain expected;
    std::copy_if(whole.begin(), whole.end(), std::back_inserter(expected),
                 [](const QPoint& p) { return QRect(0, 0, 100, 100).contains(p); });
    EXPECT_EQ(clipped, expected);
}

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
