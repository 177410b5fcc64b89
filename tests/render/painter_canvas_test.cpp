// The pixels the canvas writes for each figure, pen and brush.

#include "render/painter_canvas.h"
#include "support/pixels.h"
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace qel;

namespace {

constexpr Colour kRed = rgbColour(255, 0, 0);
constexpr Colour kBlue = rgbColour(0, 0, 255);

using PixelSet = std::set<std::pair<int, int>>;

PixelSet pixelsOf(const QImage& image, Colour c) {
    PixelSet out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (fromQColor(QColor(image.pixel(x, y))) == c) out.insert({x, y});
    return out;
}

QRect boxOf(const QImage& image, Colour c) {
    return qel::testing::boxOf(image, [c](QRgb p) { return fromQColor(QColor(p)) == c; });
}

using Draw = std::function<void(PainterCanvas&)>;

// Draws with a black one-pixel pen and no fill unless the caller changes it.
QImage paint(int w, int h, const Draw& draw, Colour ground = kWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toQColor(ground));
    {
        PainterCanvas canvas(image);
        canvas.setPenColour(kBlack);
        canvas.setBrushStyle(1);
        draw(canvas);
    }
    return image;
}

} // namespace

// Where each colour lands, under a red brush: the right and bottom edges of a box are left out,
// as are a line's last pixel, a clear pen's outline and an inside-frame pen's outer half.
TEST(PainterCanvas, FiguresCoverTheirBoxButNotItsRightAndBottomEdges) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    struct Expected {
        Colour colour;
        QRect box;
        int count; // -1: any
    };
    const struct {
        const char* name;
        Draw draw;
        std::vector<Expected> expected;
    } cases[] = {
        {"rectangle",
         [](PainterCanvas& c) { c.rectangle(2, 2, 12, 8); },
         {{kBlack, QRect(2, 2, 10, 6), 28}, {kRed, QRect(3, 3, 8, 4), 32}}},
        {"fill rect and whiteness",
         [](PainterCanvas& c) {
             c.fillRect(0, 0, 11, 11);
             c.whiteness(2, 2, 4, 4);
         },
         {{kRed, QRect(0, 0, 11, 11), 11 * 11 - 4}}},
        {"line of width 0",
         [](PainterCanvas& c) {
             c.setPenWidth(0);
             c.line({2, 3}, {12, 3});
         },
         {{kBlack, QRect(2, 3, 10, 1), 10}}},
        {"lines of no length, dashed",
         [](PainterCanvas& c) {
             const QPoint same[] = {{5, 5}, {5, 5}, {5, 5}};
             c.setPenStyle(2);
             c.line({5, 5}, {5, 5});
             c.polyline(same, 3);
         },
         {{kBlack, QRect(), 0}}},
        {"inside frame pen",
         [](PainterCanvas& c) {
             c.setPen({kBlack, 5, 6, PenMode::Copy});
             c.rectangle(10, 10, 30, 30);
             c.ellipse(10, 10, 30, 30);
         },
         {{kBlack, QRect(10, 10, 20, 20), -1}}},
        {"clear pen",
         [](PainterCanvas& c) {
             c.setPenStyle(5);
             c.rectangle(2, 2, 18, 18);
             c.ellipse(2, 2, 18, 18);
             c.chord(2, 2, 18, 18, 2, 2, 18, 18);
             c.line({0, 0}, {19, 19});
             c.arc(0, 0, 20, 20, 0, 0, 20, 20);
         },
         {{kBlack, QRect(), 0}, {kRed, QRect(2, 2, 16, 16), 16 * 16}}},
        {"picture, nearest neighbour, always copied",
         [&](PainterCanvas& c) {
             c.setPenMode(PenMode::NotXor);
             c.stretchDraw(10, 10, 30, 20, picture);
         },
         {{kRed, QRect(10, 10, 10, 10), 100}, {kBlue, QRect(20, 10, 10, 10), 100}}},
    };
    for (const auto& k : cases) {
        const QImage image = paint(40, 40, [&](PainterCanvas& c) {
            c.setBrushColour(kRed);
            k.draw(c);
        });
        for (const Expected& e : k.expected) {
            const PixelSet got = pixelsOf(image, e.colour);
            EXPECT_EQ(boxOf(image, e.colour), e.box) << k.name;
            if (e.count >= 0) EXPECT_EQ(int(got.size()), e.count) << k.name;
        }
    }
}

// Ellipses odd, even, tall, flat, of one pixel and big, and round rectangles.
TEST(PainterCanvas, ClosedFiguresStayInsideTheirBoxAndAreSymmetric) {
    const struct {
        int w, h;
        bool round;
    } cases[] = {{15, 11, false}, {16, 12, false},   {5, 30, false}, {40, 3, false},
                 {1, 1, false},   {201, 120, false}, {30, 20, true}, {5, 4, true}};
    for (const auto& k : cases) {
        const QRect box(3, 4, k.w, k.h);
        const QImage image = paint(k.w + 8, k.h + 8, [&](PainterCanvas& c) {
            k.round ? c.roundRect(3, 4, 3 + k.w, 4 + k.h, 8, 6) : c.ellipse(3, 4, 3 + k.w, 4 + k.h);
        });
        EXPECT_EQ(boxOf(image, kBlack), box) << k.w << "x" << k.h;
        const QImage inner = image.copy(box);
        EXPECT_EQ(inner, inner.mirrored(true, false)) << k.w << "x" << k.h;
        EXPECT_EQ(inner, inner.mirrored(false, true)) << k.w << "x" << k.h;
    }
}

TEST(PainterCanvas, RoundRectCornersAreQuarterEllipsesOfTheGivenSize) {
    // A 100 x 40 box with 50 x 20 corners: straight edges only between the corner ellipses.
    const QImage image =
        paint(110, 50, [](PainterCanvas& c) { c.roundRect(5, 5, 105, 45, 50, 20); });
    const struct {
        int x, y;
        Colour c;
    } probes[] = {{5, 5, kWhite},  {30, 5, kBlack}, {79, 5, kBlack},   {17, 5, kWhite},
                  {5, 15, kBlack}, {5, 8, kWhite},  {104, 25, kBlack}, {50, 44, kBlack}};
    for (const auto& p : probes)
        EXPECT_EQ(fromQColor(QColor(image.pixel(p.x, p.y))), p.c) << p.x << "," << p.y;
}

// Opposite arcs (and chords, filled) on one box make the whole ellipse without overlap, the arc
// from top-left to bottom-right being the lower-left half; an arc whose ends meet is the ellipse.
TEST(PainterCanvas, OppositeArcsAndChordsMakeTheWholeEllipse) {
    // Odd, even, circle, thin.
    for (const QRect& k :
         {QRect(2, 2, 31, 21), QRect(2, 2, 30, 20), QRect(2, 2, 25, 25), QRect(2, 2, 40, 4)}) {
        const int l = k.left(), t = k.top(), r = l + k.width(), b = t + k.height();
        const auto draw = [&](Colour colour, const Draw& f) {
            return pixelsOf(paint(r + 4, b + 4,
                                  [&](PainterCanvas& c) {
                                      c.setPenColour(colour);
                                      c.setBrushColour(colour);
                                      f(c);
                                  }),
                            colour);
        };
        for (const bool chords : {false, true}) {
            const Colour ink = chords ? kRed : kBlack;
            const PixelSet whole = draw(ink, [&](PainterCanvas& c) {
                if (!chords) c.setBrushStyle(1);
                c.ellipse(l, t, r, b);
            });
            // The keywords' corner pairs (down-going diagonal, up-going one), and points off the
            // box.
            const QPoint pairs[][2] = {
                {{l, t}, {r, b}}, {{l, b}, {r, t}}, {{r, t / 2}, {l, b + 7}}};
            for (const auto& pair : pairs) {
                const auto half = [&](QPoint p, QPoint q) {
                    return draw(ink, [&](PainterCanvas& c) {
                        if (chords)
                            c.chord(l, t, r, b, p.x(), p.y(), q.x(), q.y());
                        else
                            c.arc(l, t, r, b, p.x(), p.y(), q.x(), q.y());
                    });
                };
                const PixelSet one = half(pair[0], pair[1]), other = half(pair[1], pair[0]);
                // From top-left to bottom-right: the lower-left half, on or below the diagonal.
                if (!chords && pair[0] == QPoint(l, t)) {
                    ASSERT_FALSE(one.empty());
                    for (auto [x, y] : one)
                        EXPECT_LE(double(x - l) * (b - 1 - t) - double(y - t) * (r - 1 - l), 0)
                            << k.width() << " pixel " << x << "," << y;
                    EXPECT_EQ(one.begin()->first, l) << k.width();
                }
                PixelSet both = one;
                both.insert(other.begin(), other.end());
                EXPECT_EQ(both, whole) << k.width() << (chords ? " chords" : " arcs");
                if (!chords)
                    EXPECT_EQ(both.size(), one.size() + other.size()) << "the halves overlap";
            }
            if (!chords)
                EXPECT_EQ(draw(ink, [&](PainterCanvas& c) { c.arc(l, t, r, b, r, t, r, t); }),
                          whole);
        }
    }
    // The same ends give a chord filled on the same side.
    const QImage lower = paint(44, 34, [](PainterCanvas& c) {
        c.setBrushColour(kRed);
        c.chord(2, 2, 42, 32, 2, 2, 42, 32);
    });
    EXPECT_EQ(lower.pixel(10, 24), 0xFFFF0000u);
    EXPECT_EQ(lower.pixel(32, 8), 0xFFFFFFFFu);
}

TEST(PainterCanvas, NotXorDrawnTwiceRestoresEveryPixel) {
    QRandomGenerator random(7);
    const QImage ground = qel::testing::noise({64, 48}, random);

    const QPoint poly[] = {{5, 5}, {50, 10}, {30, 40}, {8, 30}, {55, 44}};
    const std::pair<const char*, Draw> figures[] = {
        {"line", [](PainterCanvas& c) { c.line(QPoint(3, 40), QPoint(60, 4)); }},
        {"polyline", [&](PainterCanvas& c) { c.polyline(poly, 5); }},
        {"polygon", [&](PainterCanvas& c) { c.polygon(poly, 5); }},
        {"rectangle", [](PainterCanvas& c) { c.rectangle(4, 4, 60, 44); }},
        {"ellipse", [](PainterCanvas& c) { c.ellipse(4, 4, 60, 44); }},
        {"roundrect", [](PainterCanvas& c) { c.roundRect(4, 4, 60, 44, 20, 12); }},
        {"arc", [](PainterCanvas& c) { c.arc(4, 4, 60, 44, 4, 44, 60, 4); }},
        {"chord", [](PainterCanvas& c) { c.chord(4, 4, 60, 44, 60, 4, 4, 44); }},
    };
    const int styles[][3] = {{1, 0, 0}, {0, 2, 4}, {4, 0, 0}, {3, 6, 7}, {1, 5, 0}};
    for (const auto& [name, draw] : figures)
        for (const auto& [width, penStyle, brushStyle] : styles) {
            QImage image = ground;
            QImage once;
            {
                PainterCanvas canvas(image);
                canvas.setPen({kRed, width, penStyle, PenMode::NotXor});
                canvas.setBrush({kBlue, brushStyle});
                draw(canvas);
                once = image.copy();
                draw(canvas);
            }
            if (penStyle != 5) EXPECT_NE(once, ground) << name << " drew nothing";
            EXPECT_EQ(image, ground) << name << " width " << width << " style " << penStyle;
        }
}
