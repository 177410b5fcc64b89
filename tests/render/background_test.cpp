#include "callcanvas.h"
#include "render/background.h"
#include "render/grid.h"
#include "render/painter_canvas.h"
#include "render/rubberband.h"
#include "support/pixels.h"
#include <gtest/gtest.h>

namespace qel {
namespace {

using test::CallCanvas;

TEST(Background, GradientColourOnlyMovesRedAndStopsAtItsEnds) {
    const struct {
        Colour start;
        int step, band;
        Colour expected;
    } cases[] = {{0xFF0000, 5, 49, 0xFF00F5},    // blue: red rises to 245
                 {0x0000FF, 5, 1, 0x0000FF},     // red stays red: no carry
                 {0x0000FA, 5, 7, 0x0000FF},     // stops at 255
                 {0x000100, -5, 1, 0x000100},    // no borrow from green
                 {0x804020, -5, 3, 0x804011},    // green and blue stay
                 {0x000000, -5, 3, 0x000000},    // below black stays black
                 {0x80000010, -5, 1, 0x00000B}}; // system tag dropped
    for (const auto& c : cases)
        EXPECT_EQ(gradientColour(c.start, c.step, c.band), c.expected) << std::hex << c.start;
}

// Fifty bands, five steps of red apart: a fiftieth of the height high on screen, counted from the
// last row on the page; blue reddens (COLOR), red darkens (COLORU).
TEST(Background, GradientBandsOnScreenAndOnThePage) {
    for (const bool screen : {true, false}) {
        QImage image(120, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            PainterCanvas canvas(image);
            const Colour start = screen ? rgbColour(0, 0, 255) : rgbColour(255, 0, 0);
            canvas.setPenColour(start);
            canvas.setBrush({start, 0});
            paintBackground(canvas, screen ? u"COLOR" : u"COLORU", image.size(),
                            screen ? BandHeight::FromHeight : BandHeight::FromLastRow);
        }
        const int rows[] = {0, 5, 6, 293, 294, 298};
        const int bands[2][6] = {{0, 1, 1, 49, 49, 49}, {0, 0, 1, 48, 49, 49}};
        for (int i = 0; i < 6; ++i) {
            const int band = bands[screen][i];
            EXPECT_EQ(image.pixel(60, rows[i]),
                      screen ? qRgb(5 * band, 0, 255) : qRgb(255 - 5 * band, 0, 0))
                << rows[i];
        }
    }
}

// A pattern fills the page in the pen colour, then outlines it with the brush; blank and mosaic
// pages paint nothing.
TEST(Background, PatternBlankAndMosaic) {
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"SHAPE", "fill 0,0,99,79 |b5:000000 p0,1:000000 copy|"
                   "rect 0,0,99,79 |b5:0000ff p0,1:000000 copy"},
        {u"BLANK", ""},
        {u"MOSAIC", ""}};
    for (const auto& [keyword, calls] : cases) {
        CallCanvas canvas({100, 80});
        canvas.logAttributes = true;
        canvas.setBrush({0x0000FF, 5});
        paintBackground(canvas, QStringView(keyword), {100, 80});
        EXPECT_EQ(canvas.calls.join(u'|').toStdString(), calls);
    }
}

// No step, no grid.
TEST(Grid, DotsAtEveryMultipleOfTheStepInsideTheSurface) {
    CallCanvas canvas;
    for (const int step : {8, 0, -4})
        Grille(canvas, {20, 17}, step);
    EXPECT_EQ(canvas.calls.join(u'|'), u"pixel 8,8|pixel 8,16|pixel 16,8|pixel 16,16");
}

TEST(RubberBand, ToolsDrawTheirFigureInTheGivenMode) {
    struct Case {
        Tool tool;
        bool concave;
        const char* expected;
    };
    const Case cases[] = {
        {Tool::Line, false, "line 60,20 10,50 |b0:ffffff p0,1:000000 notxor"},
        {Tool::Rect, false, "rect 10,20,60,50 |b0:ffffff p0,1:000000 notxor"},
        {Tool::Pointer, false, "rect 10,20,60,50 |b0:ffffff p0,1:000000 notxor"},
        {Tool::Ellipse, false, "ellipse 10,20,60,50 |b0:ffffff p0,1:000000 notxor"},
        {Tool::RoundRect, false, "roundrect 10,20,60,50 25x15 |b0:ffffff p0,1:000000 notxor"},
        {Tool::Arc, true, "arc 10,20,60,50 60,20 10,50 |b0:ffffff p0,1:000000 notxor"},
        {Tool::Arc, false, "arc 10,20,60,50 10,50 60,20 |b0:ffffff p0,1:000000 notxor"},
        {Tool::Chord, true, "chord 10,20,60,50 60,20 10,50 |b0:ffffff p0,1:000000 notxor"},
        {Tool::Text, false, ""},
        {Tool::Picture, false, ""},
        {Tool::Chart, false, ""},
    };
    for (const Case& c : cases) {
        CallCanvas canvas;
        canvas.logAttributes = true;
        PointBuffer points;
        RubberBandState state{c.tool, c.concave, {60, 20}, {10, 50}, &points};
        DrawShape(canvas, state, {60, 20}, {10, 50}, PenMode::NotXor);
        EXPECT_EQ(canvas.calls.join(u'|').toStdString(), c.expected) << "tool " << int(c.tool);
    }
}

} // namespace
} // namespace qel
