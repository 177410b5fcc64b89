#include "document/shapewriter.h"

#include <gtest/gtest.h>

using namespace qel;

namespace {

QString bodyOf(const WrittenShape& w) {
    const qsizetype tab = w.record.indexOf(u'\t');
    return w.record.mid(2, tab - 2);
}

ShapeDraft drag(Tool tool, QPoint from, QPoint to, bool concave = false) {
    ShapeDraft d;
    d.tool = tool;
    d.start = from;
    d.end = to;
    d.concave = concave;
    d.style = QStringLiteral("STYLE");
    return d;
}

TEST(ShapeWriter, KeywordAndBlockFollowTheDrag) {
    struct Case {
        Tool tool;
        QPoint from, to;
        bool concave;
        const char* body;
    } cases[] = {
        {Tool::Rect, {200, 100}, {16, 32}, false, "RECT 0100200C8064"},
        {Tool::Line, {10, 90}, {60, 20}, false, "LINEU 00A01403C05A"},
        {Tool::Line, {60, 20}, {10, 90}, false, "LINEU 00A01403C05A"},
        {Tool::Line, {10, 20}, {60, 90}, false, "LINE 00A01403C05A"},
        {Tool::Line, {60, 90}, {10, 20}, false, "LINE 00A01403C05A"},
        {Tool::Line, {10, 20}, {60, 20}, false, "LINE 00A01403C014"},
        {Tool::Arc, {60, 20}, {10, 90}, true, "ARCHU 00A01403C05A"},
        {Tool::Arc, {60, 20}, {10, 90}, false, "ARCLU 00A01403C05A"},
        {Tool::Arc, {10, 20}, {60, 90}, true, "ARCL 00A01403C05A"},
        {Tool::Arc, {10, 20}, {60, 90}, false, "ARCH 00A01403C05A"},
        {Tool::Chord, {10, 90}, {60, 20}, false, "CHORDHU 00A01403C05A"},
        {Tool::Chord, {60, 90}, {10, 20}, false, "CHORDL 00A01403C05A"},
        {Tool::Ellipse, {0, 0}, {3, 2}, false, "ELLIPSE 000000003002"},
        {Tool::RoundRect, {5, 5}, {50, 50}, false, "ROUNDRECT 005005032032"},
    };
    for (const Case& c : cases) {
        const WrittenShape w = writeShape(drag(c.tool, c.from, c.to, c.concave));
        EXPECT_FALSE(w.refused);
        EXPECT_EQ(bodyOf(w), QString::fromLatin1(c.body)) << c.body;
        EXPECT_TRUE(w.record.startsWith(QStringLiteral(" 0")));
        EXPECT_TRUE(w.record.endsWith(QStringLiteral("\tSTYLE")));
    }
}

TEST(ShapeWriter, ShortDragsAreRefused) {
    EXPECT_TRUE(writeShape(drag(Tool::Line, {10, 10}, {14, 10})).refused);
    EXPECT_FALSE(writeShape(drag(Tool::Line, {10, 10}, {15, 10})).refused);
    EXPECT_TRUE(writeShape(drag(Tool::Rect, {10, 10}, {10, 10})).refused);
    EXPECT_FALSE(writeShape(drag(Tool::Rect, {10, 10}, {13, 12})).refused);
}

TEST(ShapeWriter, PointShapesWidenTheBoxAndLowerTheStart) {
    PointBuffer pts;
    const QPoint vertices[] = {{30, 40}, {5, 60}, {90, 8}, {50, 50}};
    for (const QPoint& p : vertices)
        pts.points[++pts.last] = p;
    ShapeDraft d = drag(Tool::Polygon, {30, 40}, {50, 50});
    d.multiClick = true;
    d.points = &pts;
    const WrittenShape w = writeShape(d);
    EXPECT_EQ(bodyOf(w), QStringLiteral("POLYG 00500805A03C01E02800503C05A008032032"));
    EXPECT_EQ(w.start, QPoint(5, 8));

    // A polygon finished at once keeps its single vertex even though the "drag" is empty.
    PointBuffer one;
    one.points[++one.last] = QPoint(7, 7);
    ShapeDraft single = drag(Tool::Polyline, {7, 7}, {7, 7});
    single.multiClick = true;
    single.points = &one;
    EXPECT_EQ(bodyOf(writeShape(single)), QStringLiteral("POLYL 007007007007007007"));
}

TEST(ShapeWriter, TextPictureAndBodiesTooShortToKeep) {
    ShapeDraft text = drag(Tool::Text, {10, 10}, {60, 25});
    text.text = QStringLiteral("a\tb");
    EXPECT_EQ(bodyOf(writeShape(text)), QStringLiteral("TEXT 00A00A03C019a b"));

    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    ShapeDraft pict = drag(Tool::Picture, {0, 0}, {2, 1});
    pict.picture = &picture;
    pict.pictureKind = 1;
    EXPECT_TRUE(writeShape(pict).refused); // 2 x 1 is shorter than the minimum drag
    pict.end = {20, 10};
    EXPECT_EQ(bodyOf(writeShape(pict)), QStringLiteral("BITMAP 00000001400A0020010000FFFF0000"));
    pict.pictureKind = 2;
    EXPECT_TRUE(bodyOf(writeShape(pict)).startsWith(QStringLiteral("META ")));
    pict.pictureKind = 0; // no picture kind: nothing is stored, the drag was not refused
    const WrittenShape none = writeShape(pict);
    EXPECT_FALSE(none.refused);
    EXPECT_TRUE(none.record.isEmpty());

    const WrittenShape pointer = writeShape(drag(Tool::Pointer, {0, 0}, {50, 50}));
    EXPECT_FALSE(pointer.refused);
    EXPECT_TRUE(pointer.record.isEmpty());
}

TEST(ShapeWriter, CoordinatesOutsideTheFieldRangeAreClamped) {
    const WrittenShape w = writeShape(drag(Tool::Rect, {-20, 5000}, {100, 100}));
    EXPECT_EQ(bodyOf(w), QStringLiteral("RECT 000064064FFF"));
}

} // namespace
