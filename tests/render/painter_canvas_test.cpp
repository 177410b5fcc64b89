#include "render/painter_canvas.h"

#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace qel;

namespace {

constexpr Colour kRed = rgbColour(255, 0, 0);
constexpr Colour kBlue = rgbColour(0, 0, 255);
constexpr Colour kGreen = rgbColour(0, 255, 0);
constexpr Colour kYellow = rgbColour(255, 255, 0);

QImage blank(int w, int h, Colour c = kWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toQColor(c));
    return image;
}

Colour at(const QImage& image, int x, int y) {
    return fromQColor(QColor(image.pixel(x, y)));
}

using PixelSet = std::set<std::pair<int, int>>;

PixelSet pixelsOf(const QImage& image, Colour c) {
    PixelSet out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == c) out.insert({x, y});
    return out;
}

QRect bounds(const PixelSet& pixels) {
    QRect r;
    for (auto [x, y] : pixels)
        r |= QRect(x, y, 1, 1);
    return r;
}

// Shows a failing picture in the test log.
std::string ascii(const QImage& image) {
    std::string s = "\n";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Colour c = at(image, x, y);
            s += c == kWhite ? '.' : c == kBlack ? '#' : c == kRed ? 'R' : c == kBlue ? 'B' : '?';
        }
        s += '\n';
    }
    return s;
}

// Draws with a black one-pixel pen and no fill unless the caller changes it.
QImage paint(int w, int h, const std::function<void(PainterCanvas&)>& draw,
             Colour ground = kWhite) {
    QImage image = blank(w, h, ground);
    {
        PainterCanvas canvas(image);
        canvas.setPenColour(kBlack);
        canvas.setBrushStyle(1);
        draw(canvas);
    }
    return image;
}

} // namespace

TEST(PainterCanvas, RectangleCoversLeftTopButNotRightBottom) {
    const QImage image = paint(16, 12, [](PainterCanvas& c) {
        c.setBrushColour(kRed);
        c.rectangle(2, 2, 12, 8);
    });
    EXPECT_EQ(bounds(pixelsOf(image, kBlack)), QRect(2, 2, 10, 6)) << ascii(image);
    EXPECT_EQ(bounds(pixelsOf(image, kRed)), QRect(3, 3, 8, 4)) << ascii(image);
    EXPECT_EQ(at(image, 12, 4), kWhite);
    EXPECT_EQ(at(image, 5, 8), kWhite);
}

TEST(PainterCanvas, FillRectAndWhitenessExcludeRightBottom) {
    const QImage image = paint(12, 12, [](PainterCanvas& c) {
        c.setBrushColour(kRed);
        c.fillRect(0, 0, 11, 11);
        c.setPenColour(kBlue);
        c.whiteness(2, 2, 4, 4);
    });
    EXPECT_EQ(bounds(pixelsOf(image, kRed)), QRect(0, 0, 11, 11)) << ascii(image);
    EXPECT_EQ(pixelsOf(image, kWhite).size(), 11u + 12u + 4u) << ascii(image);
}

TEST(PainterCanvas, ClosedFiguresStayInsideTheirBoxAndAreSymmetric) {
    struct Case {
        const char* name;
        int w, h;
        std::function<void(PainterCanvas&, QRect)> draw;
    };
    const auto ellipse = [](PainterCanvas& c, QRect b) {
        c.ellipse(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
    };
    const auto round = [](PainterCanvas& c, QRect b) {
        c.roundRect(b.left(), b.top(), b.left() + b.width(), b.top() + b.height(), 8, 6);
    };
    const Case cases[] = {
        {"ellipse odd", 15, 11, ellipse}, {"ellipse even", 16, 12, ellipse},
        {"ellipse tall", 5, 30, ellipse}, {"ellipse flat", 40, 3, ellipse},
        {"ellipse dot", 1, 1, ellipse},   {"ellipse big", 201, 120, ellipse},
        {"roundrect", 30, 20, round},     {"roundrect small", 5, 4, round},
    };
    for (const Case& k : cases) {
        const QRect box(3, 4, k.w, k.h);
        const QImage image = paint(k.w + 8, k.h + 8, [&](PainterCanvas& c) { k.draw(c, box); });
        EXPECT_EQ(bounds(pixelsOf(image, kBlack)), box) << k.name << ascii(image);
        const QImage inner = image.copy(box);
        EXPECT_EQ(inner, inner.mirrored(true, false)) << k.name << ascii(image);
        EXPECT_EQ(inner, inner.mirrored(false, true)) << k.name << ascii(image);
    }
}

TEST(PainterCanvas, RoundRectCornersAreQuarterEllipsesOfTheGivenSize) {
    // A 100 x 40 box with 50 x 20 corners: straight edges only between the corner ellipses.
    const QImage image =
        paint(110, 50, [](PainterCanvas& c) { c.roundRect(5, 5, 105, 45, 50, 20); });
    EXPECT_EQ(at(image, 5, 5), kWhite);
    EXPECT_EQ(at(image, 5 + 25, 5), kBlack) << ascii(image);
    EXPECT_EQ(at(image, 5 + 74, 5), kBlack);
    EXPECT_EQ(at(image, 5 + 12, 5), kWhite);
    EXPECT_EQ(at(image, 5, 5 + 10), kBlack);
    EXPECT_EQ(at(image, 5, 5 + 3), kWhite);
    EXPECT_EQ(at(image, 104, 25), kBlack);
    EXPECT_EQ(at(image, 50, 44), kBlack);
}

namespace {

struct ArcCase {
    const char* name;
    QRect box; // pixels left..right-1, top..bottom-1
};

const ArcCase kArcBoxes[] = {
    {"odd", QRect(2, 2, 31, 21)},
    {"even", QRect(2, 2, 30, 20)},
    {"circle", QRect(2, 2, 25, 25)},
    {"thin", QRect(2, 2, 40, 4)},
};

} // namespace

TEST(PainterCanvas, ArcFromTopLeftToBottomRightIsTheLowerLeftHalf) {
    for (const ArcCase& k : kArcBoxes) {
        const int l = k.box.left(), t = k.box.top();
        const int r = l + k.box.width(), b = t + k.box.height();
        const QImage image =
            paint(r + 4, b + 4, [&](PainterCanvas& c) { c.arc(l, t, r, b, l, t, r, b); });
        const PixelSet arc = pixelsOf(image, kBlack);
        ASSERT_FALSE(arc.empty()) << k.name;
        // Every pixel lies on or below the box diagonal from top-left to bottom-right.
        for (auto [x, y] : arc) {
            const double side = double(x - l) * (b - 1 - t) - double(y - t) * (r - 1 - l);
            EXPECT_LE(side, 0) << k.name << " pixel " << x << "," << y << ascii(image);
        }
        EXPECT_EQ(bounds(arc).left(), l) << k.name;
        EXPECT_EQ(bounds(arc).bottom(), b - 1) << k.name;
    }
}

TEST(PainterCanvas, OppositeArcsOnOneBoxMakeTheWholeOutlineWithoutOverlap) {
    for (const ArcCase& k : kArcBoxes) {
        const int l = k.box.left(), t = k.box.top();
        const int r = l + k.box.width(), b = t + k.box.height();
        const auto draw = [&](std::function<void(PainterCanvas&)> f) {
            return pixelsOf(paint(r + 4, b + 4, f), kBlack);
        };
        const PixelSet whole = draw([&](PainterCanvas& c) { c.ellipse(l, t, r, b); });
        // Corner pairs of the arc keywords: down-going diagonal, then up-going diagonal.
        const QPoint pairs[][2] = {{{l, t}, {r, b}}, {{l, b}, {r, t}}, {{r, t / 2}, {l, b + 7}}};
        for (const auto& pair : pairs) {
            const PixelSet one = draw([&](PainterCanvas& c) {
                c.arc(l, t, r, b, pair[0].x(), pair[0].y(), pair[1].x(), pair[1].y());
            });
            const PixelSet other = draw([&](PainterCanvas& c) {
                c.arc(l, t, r, b, pair[1].x(), pair[1].y(), pair[0].x(), pair[0].y());
            });
            PixelSet both = one;
            both.insert(other.begin(), other.end());
            EXPECT_EQ(both, whole) << k.name;
            EXPECT_EQ(both.size(), one.size() + other.size()) << k.name << ": the halves overlap";
        }
    }
}

TEST(PainterCanvas, ArcWithEqualEndsIsTheWholeEllipse) {
    const auto arc = paint(30, 20, [](PainterCanvas& c) { c.arc(2, 2, 28, 18, 28, 10, 28, 10); });
    const auto ellipse = paint(30, 20, [](PainterCanvas& c) { c.ellipse(2, 2, 28, 18); });
    EXPECT_EQ(arc, ellipse) << ascii(arc);
}

TEST(PainterCanvas, ChordsFillTheirSideAndTogetherTheEllipse) {
    const auto chord = [](int x3, int y3, int x4, int y4) {
        return paint(44, 34, [=](PainterCanvas& c) {
            c.setBrushColour(kRed);
            c.setPenColour(kRed);
            c.chord(2, 2, 42, 32, x3, y3, x4, y4);
        });
    };
    const QImage lower = chord(2, 2, 42, 32);
    const QImage upper = chord(42, 32, 2, 2);
    EXPECT_EQ(at(lower, 10, 24), kRed) << ascii(lower);
    EXPECT_EQ(at(lower, 32, 8), kWhite) << ascii(lower);
    EXPECT_EQ(at(upper, 32, 8), kRed) << ascii(upper);
    EXPECT_EQ(at(upper, 10, 24), kWhite) << ascii(upper);

    const QImage ellipse = paint(44, 34, [](PainterCanvas& c) {
        c.setBrushColour(kRed);
        c.setPenColour(kRed);
        c.ellipse(2, 2, 42, 32);
    });
    PixelSet both = pixelsOf(lower, kRed);
    const PixelSet second = pixelsOf(upper, kRed);
    both.insert(second.begin(), second.end());
    EXPECT_EQ(both, pixelsOf(ellipse, kRed));
}

TEST(PainterCanvas, HatchedBrushesDrawOnlyTheirLinesInTheBrushColour) {
    for (int style = 2; style <= 7; ++style) {
        const QImage image = paint(
            40, 40,
            [&](PainterCanvas& c) {
                c.setPenStyle(5);
                c.setBrushStyle(style);
                c.setBrushColour(kRed);
                c.setBrushStyle(style); // the colour made it solid
                c.rectangle(4, 4, 36, 36);
            },
            kGreen);
        const auto red = pixelsOf(image, kRed).size(), green = pixelsOf(image, kGreen).size();
        EXPECT_GT(red, 32u) << "style " << style;
        EXPECT_GT(green, 40u * 40u - 32u * 32u) << "style " << style << ": gaps were painted";
        EXPECT_EQ(red + green, 40u * 40u) << "style " << style;
    }
}

TEST(PainterCanvas, ClearBrushAndClearPenLeaveTheGround) {
    const QImage noFill = paint(
        20, 20, [](PainterCanvas& c) { c.rectangle(2, 2, 18, 18); }, kGreen);
    EXPECT_EQ(at(noFill, 10, 10), kGreen);
    EXPECT_EQ(at(noFill, 2, 10), kBlack);

    const QImage noOutline = paint(
        20, 20,
        [](PainterCanvas& c) {
            c.setBrushColour(kRed);
            c.setPenStyle(5);
            c.rectangle(2, 2, 18, 18);
            c.ellipse(2, 2, 18, 18);
            c.chord(2, 2, 18, 18, 2, 2, 18, 18);
            c.line({0, 0}, {19, 19});
            c.arc(0, 0, 20, 20, 0, 0, 20, 20);
        },
        kGreen);
    EXPECT_TRUE(pixelsOf(noOutline, kBlack).empty()) << ascii(noOutline);
    EXPECT_EQ(bounds(pixelsOf(noOutline, kRed)), QRect(2, 2, 16, 16));
}

TEST(PainterCanvas, NotXorDrawnTwiceRestoresEveryPixel) {
    QImage ground(64, 48, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < ground.height(); ++y)
        for (int x = 0; x < ground.width(); ++x)
            ground.setPixel(x, y, 0xFF000000u | random.bounded(0x1000000u));

    const QPoint poly[] = {{5, 5}, {50, 10}, {30, 40}, {8, 30}, {55, 44}};
    const std::pair<const char*, std::function<void(PainterCanvas&)>> figures[] = {
        {"line",
         [](PainterCanvas& c) {
             c.line({3, 40}, {60, 4});
         }},
        {"polyline", [&](PainterCanvas& c) { c.polyline(poly, 5); }},
        {"polygon", [&](PainterCanvas& c) { c.polygon(poly, 5); }},
        {"rectangle", [](PainterCanvas& c) { c.rectangle(4, 4, 60, 44); }},
        {"ellipse", [](PainterCanvas& c) { c.ellipse(4, 4, 60, 44); }},
        {"roundrect", [](PainterCanvas& c) { c.roundRect(4, 4, 60, 44, 20, 12); }},
        {"arc", [](PainterCanvas& c) { c.arc(4, 4, 60, 44, 4, 44, 60, 4); }},
        {"chord", [](PainterCanvas& c) { c.chord(4, 4, 60, 44, 60, 4, 4, 44); }},
    };
    struct Style {
        int penWidth, penStyle, brushStyle;
    };
    const Style styles[] = {{1, 0, 0}, {0, 2, 4}, {4, 0, 0}, {3, 6, 7}, {1, 5, 0}};
    for (const auto& [name, draw] : figures) {
        for (const Style& s : styles) {
            QImage image = ground;
            QImage once;
            {
                PainterCanvas canvas(image);
                canvas.setPen({kRed, s.penWidth, s.penStyle, PenMode::NotXor});
                canvas.setBrush({kBlue, s.brushStyle});
                draw(canvas);
                once = image.copy();
                draw(canvas);
            }
            if (s.penStyle != 5) {
                EXPECT_NE(once, ground) << name << " drew nothing";
            }
            EXPECT_EQ(image, ground) << name << " width " << s.penWidth << " style " << s.penStyle;
        }
    }
}

TEST(PainterCanvas, LinesLeaveOutTheirLastPixelAndWidthZeroIsOnePixel) {
    const QImage image = paint(20, 10, [](PainterCanvas& c) {
        c.setPenWidth(0);
        c.line({2, 3}, {12, 3});
    });
    EXPECT_EQ(
        pixelsOf(image, kBlack),
        (PixelSet{
            {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}, {10, 3}, {11, 3}}));
}

TEST(PainterCanvas, LinesOfNoLengthDrawNothing) {
    const QPoint same[] = {{5, 5}, {5, 5}, {5, 5}};
    for (const int style : {0, 2}) {
        const QImage image = paint(20, 10, [&](PainterCanvas& c) {
            c.setPenStyle(style);
            c.line({5, 5}, {5, 5});
            c.polyline(same, 3);
        });
        EXPECT_EQ(image, blank(20, 10)) << style << ascii(image);
    }
}

TEST(PainterCanvas, DashedPensLeaveGapsOnLinesAndCurves) {
    for (int style = 1; style <= 4; ++style) {
        const QImage image = paint(120, 60, [&](PainterCanvas& c) {
            c.setPenStyle(style);
            c.line({0, 2}, {119, 2});
            c.ellipse(0, 5, 120, 60);
        });
        int onRow = 0;
        for (int x = 0; x < 119; ++x)
            onRow += at(image, x, 2) == kBlack;
        EXPECT_GT(onRow, 20) << style;
        EXPECT_LT(onRow, 110) << style;
        const QImage solid = paint(120, 60, [](PainterCanvas& c) { c.ellipse(0, 5, 120, 60); });
        EXPECT_LT(pixelsOf(image, kBlack).size() - onRow, pixelsOf(solid, kBlack).size()) << style;
    }
}

TEST(PainterCanvas, InsideFramePenStaysInsideTheBox) {
    const QImage image = paint(40, 40, [](PainterCanvas& c) {
        c.setPenWidth(5);
        c.setPenStyle(6);
        c.rectangle(10, 10, 30, 30);
        c.ellipse(10, 10, 30, 30);
    });
    EXPECT_EQ(bounds(pixelsOf(image, kBlack)), QRect(10, 10, 20, 20)) << ascii(image);
}

TEST(PainterCanvas, TextIsOpaqueWithASolidBrushAndTransparentOtherwise) {
    for (const bool solid : {true, false}) {
        QSize extent;
        const QImage image = paint(
            200, 60,
            [&](PainterCanvas& c) {
                c.setBrushColour(kYellow);
                if (!solid) c.setBrushStyle(2);
                c.setFontColour(kBlack);
                c.setFontName("Arial");
                c.setFontSize(14);
                c.textOut(10, 12, "Bonjour");
                extent = c.textExtent("Bonjour");
            },
            kGreen);
        const PixelSet ink = pixelsOf(image, kBlack);
        ASSERT_FALSE(ink.empty());
        EXPECT_TRUE(QRect(QPoint(10, 12), extent).contains(bounds(ink))) << ascii(image);
        EXPECT_EQ(pixelsOf(image, kYellow).empty(), !solid);
        if (solid) {
            EXPECT_EQ(pixelsOf(image, kYellow).size() + ink.size(),
                      size_t(extent.width() * extent.height()));
        }
    }
}

TEST(PainterCanvas, TextExtentFollowsFontAndText) {
    QImage image = blank(10, 10);
    PainterCanvas c(image);
    c.setFontName("Arial");
    c.setFontSize(12);
    const QSize twelve = c.textExtent("Bonjour");
    EXPECT_GE(twelve.height(), 15);
    EXPECT_LE(twelve.height(), 22);
    EXPECT_GT(twelve.width(), 40);
    EXPECT_LT(twelve.width(), 80);
    EXPECT_GT(c.textExtent("MMMM").width(), c.textExtent("iiii").width());
    c.setFontSize(24);
    EXPECT_GT(c.textExtent("Bonjour").width(), twelve.width() * 3 / 2);
    c.setBold(true);
    EXPECT_GE(c.textExtent("Bonjour").width(), twelve.width() * 2);
}

TEST(PainterCanvas, StretchDrawMapsPixelsNearestNeighbour) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    const QImage image = paint(40, 30, [&](PainterCanvas& c) {
        c.setPenMode(PenMode::NotXor); // pictures always copy
        c.stretchDraw(10, 10, 30, 20, picture);
    });
    EXPECT_EQ(bounds(pixelsOf(image, kRed)), QRect(10, 10, 10, 10)) << ascii(image);
    EXPECT_EQ(bounds(pixelsOf(image, kBlue)), QRect(20, 10, 10, 10));
}

TEST(PainterCanvas, PixelsReadBackWhatWasWritten) {
    QImage image = blank(8, 8);
    PainterCanvas c(image);
    c.setPixel(3, 4, kBlue);
    c.setPixel(-1, 4, kBlue); // ignored
    EXPECT_EQ(c.pixel(3, 4), kBlue);
    EXPECT_EQ(c.pixel(4, 4), kWhite);
    EXPECT_EQ(c.pixel(50, 4), kWhite);
    c.ellipse(0, 0, 8, 8);
    EXPECT_EQ(c.pixel(0, 3), kBlack);
}
