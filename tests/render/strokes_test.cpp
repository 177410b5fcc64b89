// What the canvas writes straight into an image: one-pixel lines walked pixel by pixel, dashed
// and clipped, wide pens stamped as discs, and every figure as Qt's painter would draw it (with a
// clip set, the canvas goes through Qt's painter instead).

#include "render/painter_canvas.h"
#include "render/thinline.h"
#include "render/widestroke.h"
#include "support/pixels.h"

#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <functional>
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

using Draw = std::function<void(PainterCanvas&)>;

QImage paintOn(QImage image, bool direct, const Draw& draw) {
    if (direct) {
        PainterCanvas canvas(image);
        draw(canvas);
        return image;
    }
    // A clip covering the whole image turns the direct writes off.
    QPainter painter(&image);
    painter.setClipRect(image.rect());
    {
        PainterCanvas canvas(painter, image.size());
        draw(canvas);
    }
    painter.end();
    return image;
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

// Thin figures and fills of every brush; one-pixel lines and polylines, dashed or not, far out of
// the image too; large polygons, whose long edges add up the fill's fixed-point steps.
TEST(CanvasFastPath, FiguresLinesAndLargePolygonsMatchQtsPainter) {
    const struct {
        const char* name;
        quint32 seed;
        int rounds;
        QSize size;
        int reach; // how far points may lie outside the image
    } kinds[] = {{"figures", 11, 400, {96, 80}, 10},
                 {"lines", 13, 300, {96, 80}, 200},
                 {"large polygons", 5, 60, {420, 320}, 300}};
    for (const auto& k : kinds) {
        QRandomGenerator random(k.seed);
        const QImage ground = qel::testing::noise(k.size, random);
        const auto in = [&](int low, int high) { return int(random.bounded(low, high)); };
        const int w = k.size.width(), h = k.size.height();
        for (int round = 0; round < k.rounds; ++round) {
            const int figure = k.reach == 10 ? in(0, 7) : k.reach == 200 ? 7 : 5;
            const int l = in(-10, w - 6), t = in(-10, h - 5);
            const int r = l + in(1, 60), b = t + in(1, 50);
            const int x3 = in(-10, w + 4), y3 = in(-10, h + 10), x4 = in(-10, w + 4),
                      y4 = in(-10, h + 10);
            const PenState pen{Colour(random.bounded(0x1000000u)),
                               figure == 5 && k.reach > 10 ? 1 : in(0, 2),
                               figure == 5 && k.reach > 10 ? (in(0, 2) ? 5 : 0) : in(0, 7),
                               in(0, 2) ? PenMode::NotXor : PenMode::Copy};
            const BrushState brush{Colour(random.bounded(0x1000000u)), in(0, 8)};
            QPoint points[12];
            const int n = in(figure == 5 ? 3 : 2, 12);
            std::string where;
            for (int i = 0; i < n; ++i) {
                points[i] = QPoint(in(-k.reach, w + k.reach), in(-k.reach, h + k.reach));
                where += std::to_string(points[i].x()) + "," + std::to_string(points[i].y()) + " ";
            }
            const Draw draw = [&](PainterCanvas& c) {
                c.setPen(pen);
                c.setBrush(brush);
                switch (figure) {
                case 0:
                    c.rectangle(l, t, r, b);
                    break;
                case 1:
                    c.ellipse(l, t, r, b);
                    break;
                case 2:
                    c.roundRect(l, t, r, b, (r - l) / 2, (b - t) / 3);
                    break;
                case 3:
                    c.chord(l, t, r, b, x3, y3, x4, y4);
                    break;
                case 4:
                    c.arc(l, t, r, b, x3, y3, x4, y4);
                    break;
                case 5:
                    c.polygon(points, n);
                    break;
                case 6:
                    c.fillRect(l, t, r, b);
                    c.whiteness(x3, y3, x4, y4);
                    break;
                default:
                    c.line(points[0], points[1]);
                    c.polyline(points, n);
                }
            };
            QRect differ;
            ASSERT_EQ(qel::testing::differingPixels(paintOn(ground, true, draw),
                                                    paintOn(ground, false, draw), 0, &differ),
                      0)
                << k.name << " round " << round << " figure " << figure << " from (" << differ.x()
                << ", " << differ.y() << ") box " << l << "," << t << " " << r << "," << b
                << " pen " << pen.width << "/" << pen.style << " brush " << brush.style
                << " points " << where;
        }
    }
}
