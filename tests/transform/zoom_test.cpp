// Zoom rewrites the records; coming back to the initial size gives them back exactly.

#include "document/drawing.h"
#include "transform/placement.h"
#include "transform/zoom.h"

#include "support/records.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

using testing::drawingOf;

const QString& S = testing::kPlainStyle;

struct Loaded : Drawing {
    explicit Loaded(std::initializer_list<QString> shapes, QSize page = {640, 480})
        : Drawing(page) {
        load(QStringList({headerLine(page.width(), page.height()), kBlankBackground}) << shapes,
             page);
    }
};

TEST(Zoom, StepsRewriteTheRecordsAndComeBackExactly) {
    Loaded d({"*0RECT 005007064032" + S, " 0TEXT 010010030020ab" + S.left(29) + "09" + S.mid(31)});
    const QStringList initial = d.lines();
    Zoom zoom;
    ASSERT_TRUE(zoom.ZoomAv(d));
    EXPECT_EQ(d.line(2), "*0RECT 00A00E0C8064" + S);
    EXPECT_EQ(d.surface(), QSize(1280, 960));
    EXPECT_TRUE(zoom.ZInit(d));
    EXPECT_EQ(d.lines(), initial);
    ASSERT_TRUE(zoom.ZoomAr(d));
    EXPECT_EQ(d.line(2), "*0RECT 002004032019" + S);
    EXPECT_TRUE(d.line(3).endsWith(S.left(29) + "04" + S.mid(31))) << "size 9 halves to 4";
    ASSERT_TRUE(zoom.ZoomAr(d));
    ASSERT_TRUE(zoom.ZInit(d));
    EXPECT_EQ(d.lines(), initial) << "odd values come back too";
    EXPECT_FALSE(d.isModified()) << "zoom is a view";
    EXPECT_FALSE(zoom.ZInit(d)) << "at the initial size there is nothing to do";
    EXPECT_EQ(Echelle(" 0POLYL 001002003004001002003004F" + S, 2.0).line,
              " 0POLYL 002004006008002004006008" + S)
        << "every coordinate of a point list, a broken last point dropped";
    EXPECT_EQ(Echelle(" 0TEXT 001001002002a" + S.left(29) + "0C0", 2.0).line,
              " 0TEXT 002002004004a" + S.left(29) + "180")
        << "a style field without a font name still holds a size";
}

TEST(Zoom, RecordsEditedWhileZoomedComeBackAtTheInitialSize) {
    Loaded d({" 0RECT 005007064032" + S});
    Zoom zoom;
    ASSERT_TRUE(zoom.ZoomAv(d));
    d.apply([](QStringList& l) {
        l[2][0] = u'*';
        l << " 0RECT 014014028028" + S;
    });
    ASSERT_TRUE(zoom.ZInit(d));
    EXPECT_EQ(d.lines().mid(2), QStringList({"*0RECT 005007064032" + S, " 0RECT 00A00A014014" + S}))
        << "a selected record exactly as it was, a new one halved";
}

TEST(Zoom, AStepThatWouldOverflowIsRefusedWhole) {
    Loaded d({"*0RECT 000000BB800A" + S}, QSize(3100, 100));
    const QStringList before = d.lines();
    Zoom zoom;
    EXPECT_FALSE(zoom.ZoomAv(d));
    EXPECT_EQ(d.lines(), before);
    EXPECT_EQ(zoom.factor(), 1.0);
    EXPECT_EQ(d.surface(), QSize(3100, 100));

    Loaded small({}, QSize(64, 64));
    EXPECT_TRUE(zoom.ZoomAr(small)) << "64 pixels wide may still be halved";
    EXPECT_FALSE(zoom.ZoomAr(small)) << "32 may not";
}

TEST(Zoom, TheHistoryFollowsTheZoom) {
    Loaded d({});
    d.apply([](QStringList& l) { l << " 0RECT 00A00A01401E" + S; });
    Zoom zoom;
    zoom.ZoomAv(d);
    d.apply([](QStringList& l) { l << " 0RECT 000000002002" + S; });
    d.undo();
    EXPECT_EQ(d.lines().last(), " 0RECT 01401402803C" + S);
    d.undo();
    EXPECT_EQ(d.size(), 2);
    zoom.ZInit(d);
    d.redo();
    EXPECT_EQ(d.lines().last(), " 0RECT 00A00A01401E" + S);
}

TEST(Zoom, TheClipboardIsAtTheInitialSize) {
    Loaded d({"*0RECT 00500703301B" + S});
    Zoom zoom;
    zoom.ZoomAv(d);
    EXPECT_EQ(zoom.atInitialSize({d.line(2)}), QStringList{"*0RECT 00500703301B" + S});
    EXPECT_EQ(zoom.atCurrentSize({" 0RECT 001001002002" + S}),
              QStringList{" 0RECT 002002004004" + S});
}

TEST(Placement, PositionSizeAndGrid) {
    QStringList lines = drawingOf({"*0RECT 02801E08C05A" + S});
    ASSERT_TRUE(moveSelection(lines, 60, 70));
    EXPECT_EQ(lines[2], "*0RECT 0640640C80A0" + S);
    EXPECT_FALSE(moveSelection(lines, -101, 0)) << "past the left edge: nothing moves";
    EXPECT_EQ(lines[2], "*0RECT 0640640C80A0" + S);

    QStringList aligned = drawingOf({"*0RECT 01101503903D" + S, "*0RECT 12C01012C020" + S});
    EXPECT_EQ(alignToGrid(aligned, 8), 0);
    EXPECT_EQ(aligned[2], "*0RECT 010018038040" + S);
    EXPECT_EQ(aligned[3], "*0RECT 130010130020" + S) << "x = 300 is aligned too";
    const struct {
        int v, step, offset;
    } grid[] = {{17, 8, -1}, {21, 8, 3}, {20, 8, 4}, {16, 8, 0}, {4094, 8, -6}, {3, 24, -3}};
    for (const auto& g : grid)
        EXPECT_EQ(gridOffset(g.v, g.step), g.offset) << g.v << " step " << g.step;
}

} // namespace
} // namespace qel
