#include "callcanvas.h"

#include "render/background.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

using test::CallCanvas;

QString styleField(int brushStyle = 0, Colour brush = kWhite, Colour pen = kBlack, int width = 1) {
    Style s;
    s.brushStyle = brushStyle;
    s.brushColour = brush;
    s.penWidth = width;
    s.penColour = pen;
    return formatStyle(s);
}

QStringList paintOne(const QString& record, const PaintOptions& options) {
    CallCanvas canvas;
    PaintState state;
    DessinForme(canvas, record, options, state);
    return canvas.calls;
}

struct KeywordCase {
    const char* record; // without its two leading characters and style
    const char* first;  // the first drawing call, or "" for none
};

class KeywordTest : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(KeywordTest, DrawsTheKeywordsFigure) {
    const KeywordCase& c = GetParam();
    const QStringList calls = paintOne(QString::fromLatin1(c.record) + kTab + styleField(),
                                       PaintOptions::screen({200, 150}));
    if (*c.first == 0)
        EXPECT_TRUE(calls.isEmpty()) << calls.join(u'|').toStdString();
    else
        ASSERT_FALSE(calls.isEmpty()) << c.record;
    if (!calls.isEmpty()) EXPECT_EQ(calls.first().toStdString(), c.first);
}

INSTANTIATE_TEST_SUITE_P(
    Records, KeywordTest,
    ::testing::Values(
        KeywordCase{"LINE 010010050050", "line 16,16 80,80"},
        KeywordCase{"LINEU 010010050050", "line 16,80 80,16"},
        KeywordCase{"RECT 010010050050", "rect 16,16,80,80"},
        KeywordCase{"RECT 050050010010", "rect 16,16,80,80"}, // resized past its corner
        KeywordCase{"ELLIPSE 010010050050", "ellipse 16,16,80,80"},
        KeywordCase{"ROUNDRECT 010010074038", "roundrect 16,16,116,56 50x20"},
        KeywordCase{"ROUNDRECT 010010015013", "roundrect 16,16,21,19 2x1"},
        KeywordCase{"ARCL 010010050050", "arc 16,16,80,80 16,16 80,80"},
        KeywordCase{"ARCH 010010050050", "arc 16,16,80,80 80,80 16,16"},
        KeywordCase{"ARCLU 010010050050", "arc 16,16,80,80 16,80 80,16"},
        KeywordCase{"ARCHU 010010050050", "arc 16,16,80,80 80,16 16,80"},
        KeywordCase{"CHORDL 010010050050", "chord 16,16,80,80 16,16 80,80"},
        KeywordCase{"CHORDH 010010050050", "chord 16,16,80,80 80,80 16,16"},
        KeywordCase{"CHORDLU 010010050050", "chord 16,16,80,80 16,80 80,16"},
        KeywordCase{"CHORDHU 010010050050", "chord 16,16,80,80 80,16 16,80"},
        KeywordCase{"POLYG 000000050050010020030040050060", "polygon 16,32 48,64 80,96"},
        KeywordCase{"POLYL 000000050050010020030040", "polyline 16,32 48,64"},
        KeywordCase{"DRAW 000000050050010020zzz040030040", "polyline 16,32 48,64"},
        KeywordCase{"POLYG 000000050050", ""},
        KeywordCase{"TEXT 010020050050Bonjour le monde", "text 16,32 Bonjour le monde"},
        KeywordCase{"BITMAP 010010050050002001"
                    "0000FFFF0000",
                    "picture 16,16,80,80 2x1"},
        // A block without pixel data is white all over: painted white, nothing decoded.
        KeywordCase{"META 010010050050001003", "white 16,16,80,80"},
        KeywordCase{"META 010010050050001003FF0000", "picture 16,16,80,80 1x3"},
        KeywordCase{"BITMAP 010010050050000000", ""},
        KeywordCase{"FILLRECT 000000068090", "fill 0,0,199,149"},
        KeywordCase{"MOSAIC 000000068090", ""},
        KeywordCase{"CHART 010010050050", "rect 16,16,80,80"}, // an empty chart: its frame
        KeywordCase{"line 010010050050", ""},                  // keywords are case-sensitive
        KeywordCase{"CIRCLE 010010050050", ""}, KeywordCase{"RECT", ""}));

TEST(RecordPainter, BadCoordinateSkipsOnlyThatRecord) {
    CallCanvas canvas;
    PaintState state;
    const PaintOptions options = PaintOptions::screen({200, 150});
    RecordPainter painter(canvas, options, state);
    const QStringList list{QStringLiteral("2801E0"), QStringLiteral(" 0BLANK"),
                           QStringLiteral(" 0RECT 01001G050050\t") + styleField(),
                           QStringLiteral(" 0ELLIPSE 01001") + kTab + styleField(),
                           QStringLiteral(" 0LINE 001002003004\t") + styleField()};
    EXPECT_EQ(painter.paintList(list), 2);
    EXPECT_EQ(canvas.calls, QStringList{QStringLiteral("line 1,2 3,4")});
}

TEST(RecordPainter, RecordWithoutTabKeepsThePreviousAttributes) {
    CallCanvas canvas;
    canvas.logAttributes = true;
    PaintState state;
    const PaintOptions options = PaintOptions::screen({200, 150});
    RecordPainter painter(canvas, options, state);
    painter.DessinForme(QStringLiteral("RECT 001001005005\t") +
                        styleField(0, 0xFF0000, 0x0000FF, 3));
    painter.DessinForme(QStringLiteral("RECT 010010020020"));
    ASSERT_EQ(canvas.calls.size(), 2);
    EXPECT_EQ(canvas.calls[1].toStdString(), "rect 16,16,32,32 |b0:ff0000 p0,3:0000ff copy");
}

TEST(RecordPainter, ArrowCodeChangesOnlyTheArrowhead) {
    const PaintOptions options = PaintOptions::screen({200, 150});
    const QString plain = QStringLiteral("LINE 010010050050\t") + styleField();
    const QString arrowed = QStringLiteral("LINE 010010050050\t>2") + styleField();
    const QStringList a = paintOne(plain, options);
    const QStringList b = paintOne(arrowed, options);
    ASSERT_EQ(a.size(), 1);
    ASSERT_EQ(b.size(), 2);
    EXPECT_EQ(a[0], b[0]);
    // An 8-pixel head whose tip is the line's end, pointing down-right.
    EXPECT_EQ(b[1].toStdString(), "polygon 80,80 72,77 77,72");
}

TEST(RecordPainter, ArrowheadsFollowTheArcAtBothEnds) {
    // ARCL on a circle runs counter-clockwise from the upper-left to the lower-right point.
    const QStringList calls =
        paintOne(QStringLiteral("ARCL 000000064064\t>3") + styleField(0, kWhite, kBlack, 4),
                 PaintOptions::page({200, 150}));
    ASSERT_EQ(calls.size(), 3);
    // 12-pixel heads (three times the pen width) on the circle of radius 50, along the
    // tangent: the start's points back up-right, the end's goes on up-right.
    EXPECT_EQ(calls[1].toStdString(), "polygon 15,15 10,27 3,20");
    EXPECT_EQ(calls[2].toStdString(), "polygon 85,85 80,97 73,90");
}

TEST(RecordPainter, ClearBrushPaintsUnfilled) {
    CallCanvas canvas;
    canvas.logAttributes = true;
    PaintState state;
    DessinForme(canvas, QStringLiteral("RECT 001001005005\t") + styleField(1, 0x00FF00),
                PaintOptions::page({200, 150}), state);
    EXPECT_TRUE(canvas.calls.value(0).contains(u"|b1:")) << canvas.calls.value(0).toStdString();
}

TEST(RecordPainter, TextIsTransparentOnScreenAndFollowsTheBrushOnThePage) {
    const QString record = QStringLiteral("TEXT 010010050050abc\t") + styleField(0, 0x00FFFF);
    for (const bool screen : {true, false}) {
        CallCanvas canvas;
        canvas.logAttributes = true;
        PaintState state;
        DessinForme(canvas, record,
                    screen ? PaintOptions::screen({200, 150}) : PaintOptions::page({200, 150}),
                    state);
        ASSERT_EQ(canvas.calls.size(), 1);
        EXPECT_EQ(canvas.calls[0].contains(u"|b1:"), screen) << canvas.calls[0].toStdString();
        EXPECT_EQ(state.ShapeText, screen ? QStringLiteral("abc") : QString());
    }
}

TEST(RecordPainter, ScreenPaintsInCopyModeAndReportsSizes) {
    for (const bool screen : {true, false}) {
        CallCanvas canvas;
        canvas.logAttributes = true;
        canvas.setPenMode(PenMode::NotXor);
        PaintState state;
        PaintOptions options =
            screen ? PaintOptions::screen({200, 150}) : PaintOptions::page({200, 150});
        QList<Box> reported;
        options.reportSize = [&](const Box& b) { reported << b; };
        DessinForme(canvas, QStringLiteral("LINE 001002003004\t") + styleField(), options, state);
        EXPECT_EQ(canvas.calls.value(0).endsWith(u"copy"), screen);
        EXPECT_EQ(state.DecodedRect, (Box{1, 2, 3, 4}));
        EXPECT_EQ(reported.size(), 1);
    }
}

TEST(RecordPainter, OutOfRangeStyleCodeKeepsThePreviousAttribute) {
    CallCanvas canvas;
    canvas.logAttributes = true;
    PaintState state;
    const PaintOptions options = PaintOptions::page({200, 150});
    RecordPainter painter(canvas, options, state);
    painter.DessinForme(QStringLiteral("RECT 001001005005\t") + styleField(3, 0x123456));
    QString field = styleField(0, 0x654321);
    field[0] = u'9';
    painter.DessinForme(QStringLiteral("RECT 001001005005\t") + field);
    EXPECT_TRUE(canvas.calls.value(1).contains(u"|b3:654321"))
        << canvas.calls.value(1).toStdString();
}

TEST(PictureCache, DecodesAnUnchangedPayloadOnce) {
    PictureCache cache;
    const QString payload = QStringLiteral("002001") + QStringLiteral("0000FFFF0000");
    const QImage first = cache.picture(payload).supplied;
    const QImage again = cache.picture(QString(payload)).supplied; // another string, same text
    EXPECT_EQ(first.cacheKey(), again.cacheKey());
    EXPECT_EQ(first.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(first.pixel(1, 0), qRgb(0, 0, 255));
    const QImage other =
        cache.picture(QStringLiteral("001001") + QStringLiteral("00FF00")).supplied;
    EXPECT_EQ(other.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(cache.count(), 2);
}

TEST(PictureCache, PictureLargerThanTheBoundIsStillPainted) {
    PictureCache cache(16);
    EXPECT_FALSE(cache.picture(QStringLiteral("001001FF0000")).supplied.isNull());
    EXPECT_EQ(cache.count(), 0);
}

} // namespace
} // namespace qel
