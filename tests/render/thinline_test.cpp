#include "render/thinline.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace qel;

namespace {

const QRect kClip(-1000, -1000, 2000, 2000);

PixelChain walk(QPoint a, QPoint b, const int* dash = nullptr, int dashLength = 0) {
    ThinLine line;
    line.begin(dash, dashLength, kClip);
    PixelChain out;
    line.segment(a, b, out);
    return out;
}

std::set<std::pair<int, int>> setOf(const PixelChain& chain) {
    std::set<std::pair<int, int>> out;
    for (const QPoint& p : chain)
        out.insert({p.x(), p.y()});
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
