// What the canvas writes straight into an image is what it draws through Qt's painter (with a
// clip set); wide pens and lines are pinned by the golden pictures and the banded repaints.

#include "render/painter_canvas.h"
#include "render/thinline.h"
#include "support/pixels.h"
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace qel;

namespace {

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

// The dash pattern goes on from one segment to the next.
TEST(ThinLine, DashesRunOnAcrossSegments) {
    const int dash[] = {9, 6, 3, 6};
    ThinLine split, whole;
    PixelChain twice, once;
    split.begin(dash, 4, QRect(-100, -100, 200, 200));
    split.segment({0, 0}, {7, 0}, twice);
    split.segment({7, 0}, {50, 0}, twice);
    whole.begin(dash, 4, QRect(-100, -100, 200, 200));
    whole.segment({0, 0}, {50, 0}, once);
    EXPECT_EQ(twice, once);
    EXPECT_EQ(twice.size(), 9u + 3 + 9 + 3 + 2);
}

// Thin figures and fills of every brush; one-pixel lines and polylines, dashed or not, far out of
// the image too; large polygons, whose long edges add up the fill's fixed-point steps.
TEST(CanvasFastPath, FiguresLinesAndLargePolygonsMatchQtsPainter) {
    const struct {
        const char* name;
        quint32 seed;
        int rounds;
        QSize size;
        int reach;             // how far points may lie outside the image
        int figure;            // which of the figures below; -1: any of the first seven
        bool onePixelPolygons; // the polygons' pens one pixel wide, solid or clear
    } kinds[] = {{"figures", 11, 400, {96, 80}, 10, -1, false},
                 {"lines", 13, 300, {96, 80}, 200, 7, true},
                 {"large polygons", 5, 60, {420, 320}, 300, 5, true}};
    for (const auto& k : kinds) {
        QRandomGenerator random(k.seed);
        const QImage ground = qel::testing::noise(k.size, random);
        const auto in = [&](int low, int high) { return int(random.bounded(low, high)); };
        const int w = k.size.width(), h = k.size.height();
        for (int round = 0; round < k.rounds; ++round) {
            const int figure = k.figure < 0 ? in(0, 7) : k.figure;
            const int l = in(-10, w - 6), t = in(-10, h - 5);
            const int r = l + in(1, 60), b = t + in(1, 50);
            const int x3 = in(-10, w + 4), y3 = in(-10, h + 10), x4 = in(-10, w + 4),
                      y4 = in(-10, h + 10);
            const bool thin = figure == 5 && k.onePixelPolygons;
            const PenState pen{Colour(random.bounded(0x1000000u)), thin ? 1 : in(0, 2),
                               thin ? (in(0, 2) ? 5 : 0) : in(0, 7),
                               in(0, 2) ? PenMode::NotXor : PenMode::Copy};
            const BrushState brush{Colour(random.bounded(0x1000000u)), in(0, 8)};
            QPoint points[12];
            const int n = in(figure == 5 ? 3 : 2, 12);
            std::string where;
            for (int i = 0; i < n; ++i) {
                points[i] = QPoint(in(-k.reach, w + k.reach), in(-k.reach, h + k.reach));
                where += std::to_string(points[i].x()) + "," + std::to_string(points[i].y()) + " ";
            }
            const Draw figures[] = {
                [&](PainterCanvas& c) { c.rectangle(l, t, r, b); },
                [&](PainterCanvas& c) { c.ellipse(l, t, r, b); },
                [&](PainterCanvas& c) { c.roundRect(l, t, r, b, (r - l) / 2, (b - t) / 3); },
                [&](PainterCanvas& c) { c.chord(l, t, r, b, x3, y3, x4, y4); },
                [&](PainterCanvas& c) { c.arc(l, t, r, b, x3, y3, x4, y4); },
                [&](PainterCanvas& c) { c.polygon(points, n); },
                [&](PainterCanvas& c) { c.fillRect(l, t, r, b), c.whiteness(x3, y3, x4, y4); },
                [&](PainterCanvas& c) { c.line(points[0], points[1]), c.polyline(points, n); }};
            const Draw draw = [&](PainterCanvas& c) {
                c.setPen(pen);
                c.setBrush(brush);
                figures[figure](c);
            };
            QRect differ;
            ASSERT_EQ(qel::testing::differingPixels(paintOn(ground, true, draw),
                                                    paintOn(ground, false, draw), 0, &differ),
                      0)
                << k.name << " round " << round << " figure " << figure << " from (" << differ.x()
                << ", " << differ.y() << ") points " << where;
        }
    }
}
