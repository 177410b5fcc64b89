// Records as the window and the exports paint them: the calls each keyword asks of the canvas,
// and the pixels the canvas then writes.

#include "callcanvas.h"
#include "render/grid.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"
#include "support/pixels.h"
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

namespace qel {
namespace {

using test::CallCanvas;
using testing::countColour;

constexpr QRgb kWhiteRgb = 0xFFFFFFFF, kBlackRgb = 0xFF000000;
constexpr QRgb kRedRgb = 0xFFFF0000, kGreenRgb = 0xFF00FF00, kBlueRgb = 0xFF0000FF;

QString style(int brushStyle = 0, Colour brush = kWhite, Colour pen = kBlack, int width = 1) {
    return formatStyle(
        {.brushStyle = brushStyle, .brushColour = brush, .penWidth = width, .penColour = pen});
}

QString rec(const char* body, const QString& field = style()) {
    return QString::fromLatin1(body) + kTab + field;
}

// What one record asks of the canvas; "+" at the end of the expected calls: more follow.
TEST(RecordPainter, EachKeywordDrawsItsFigure) {
    const struct {
        const char* body;
        const char* calls;
        const char* arrow = "";
        int penWidth = 1;
    } cases[] = {
        {"LINE 010010050050", "line 16,16 80,80"},
        {"LINEU 010010050050", "line 16,80 80,16"},
        {"RECT 010010050050", "rect 16,16,80,80"},
        {"RECT 050050010010", "rect 16,16,80,80"}, // resized past its corner
        {"ELLIPSE 010010050050", "ellipse 16,16,80,80"},
        {"ROUNDRECT 010010074038", "roundrect 16,16,116,56 50x20"},
        {"ROUNDRECT 010010015013", "roundrect 16,16,21,19 2x1"},
        {"ARCL 010010050050", "arc 16,16,80,80 16,16 80,80"},
        {"ARCH 010010050050", "arc 16,16,80,80 80,80 16,16"},
        {"ARCLU 010010050050", "arc 16,16,80,80 16,80 80,16"},
        {"ARCHU 010010050050", "arc 16,16,80,80 80,16 16,80"},
        {"CHORDL 010010050050", "chord 16,16,80,80 16,16 80,80"},
        {"CHORDH 010010050050", "chord 16,16,80,80 80,80 16,16"},
        {"CHORDLU 010010050050", "chord 16,16,80,80 16,80 80,16"},
        {"CHORDHU 010010050050", "chord 16,16,80,80 80,16 16,80"},
        {"POLYG 000000050050010020030040050060", "polygon 16,32 48,64 80,96"},
        {"POLYL 000000050050010020030040", "polyline 16,32 48,64"},
        {"DRAW 000000050050010020zzz040030040", "polyline 16,32 48,64"},
        {"POLYG 000000050050", ""},
        {"TEXT 010020050050Bonjour le monde", "text 16,32 Bonjour le monde"},
        {"BITMAP 0100100500500020010000FFFF0000", "picture 16,16,80,80 2x1"},
        // A block without pixel data is white all over: painted white, nothing decoded.
        {"META 010010050050001003", "white 16,16,80,80"},
        {"META 010010050050001003FF0000", "picture 16,16,80,80 1x3"},
        {"BITMAP 010010050050000000", ""},
        // 4 x 1 declared, one pixel supplied: that column stretched, white for the rest.
        {"BITMAP 00000002800A0040010000FF", "picture 0,0,10,10 1x1|white 10,0,40,10"},
        {"FILLRECT 000000068090", "fill 0,0,199,149"},
        {"MOSAIC 000000068090", ""},
        {"CHART 010010050050", "rect 16,16,80,80+"}, // an empty chart: its frame
        {"line 010010050050", ""},                   // keywords are case-sensitive
        {"CIRCLE 010010050050", ""},
        {"RECT", ""},
        // An 8-pixel head whose tip is the line's end, pointing down-right; only the end's.
        {"LINE 010010050050", "line 16,16 80,80|polygon 80,80 72,77 77,72", ">2"},
        {"LINE 010010050050", "line 16,16 80,80|polygon 16,16 24,19 19,24", ">1"},
        // ARCL on a circle runs counter-clockwise from the upper-left to the lower-right point;
        // 12-pixel heads (three pen widths) along the tangent at both ends.
        {"ARCL 000000064064",
         "arc 0,0,100,100 0,0 100,100|polygon 15,15 10,27 3,20|polygon 85,85 80,97 73,90", ">3", 4},
        {"CHORDL 000000064064", "chord 0,0,100,100 0,0 100,100", ">3", 4}, // chords have none
        {"ARCL 010010010050", "arc 16,16,16,80 16,16 16,80", ">3"}         // no width: no heads
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.body) + c.arrow);
        CallCanvas canvas;
        PaintState state;
        DessinForme(canvas,
                    QString::fromLatin1(c.body) + kTab + QString::fromLatin1(c.arrow) +
                        style(0, kWhite, kBlack, c.penWidth),
                    PaintOptions::screen({200, 150}), state);
        QString expected = QString::fromLatin1(c.calls);
        const QString got = canvas.calls.join(u'|');
        if (expected.endsWith(u'+'))
            EXPECT_TRUE(got.startsWith(expected.chopped(1))) << got.toStdString();
        else
            EXPECT_EQ(got.toStdString(), c.calls);
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
        DessinForme(canvas, rec("LINE 001002003004"), options, state);
        EXPECT_EQ(canvas.calls.value(0).endsWith(u"copy"), screen);
        EXPECT_EQ(state.DecodedRect, (Box{1, 2, 3, 4}));
        EXPECT_EQ(reported, QList<Box>{(Box{1, 2, 3, 4})});
    }
}

// A repaint as the window does it (the page's as an export does it): white, the grid when
// asked, then the records.
QImage paintRecords(const QStringList& records, bool screen = true, int grid = 0,
                    int* failed = nullptr) {
    const QSize size(200, 150);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    PainterCanvas canvas(image);
    if (grid) Grille(canvas, size, grid);
    const PaintOptions options = screen ? PaintOptions::screen(size) : PaintOptions::page(size);
    PaintState state;
    QStringList list{QStringLiteral("0C8096")};
    for (const QString& r : records)
        list << QStringLiteral(" 0") + r;
    const int n = RecordPainter(canvas, options, state).paintList(list);
    if (failed) *failed = n;
    return image;
}

struct Probe {
    QRect area; // null: the whole page
    QRgb colour;
    bool present;
};

Probe at(int x, int y, QRgb colour) {
    return {QRect(x, y, 1, 1), colour, true};
}

TEST(RecordPixels, RecordsPaintWithTheirOwnOrTheInheritedStyle) {
    QString outOfRange = style(0, 0x654321);
    outOfRange[0] = u'9'; // keeps the brush style the canvas holds
    const QString redText = formatStyle({.fontColour = 0x0000FF, .fontSize = 16});
    const QString blueText = formatStyle({.fontColour = 0xFF0000, .fontSize = 16});
    const QRgb yellow = qRgb(255, 255, 0), hatch = qRgb(0x21, 0x43, 0x65);
    const struct {
        const char* name;
        QStringList records;
        std::vector<Probe> probes;
        struct {
            int grid = 0;
            bool screen = true;
            int failed = 0;
        } setup = {};
    } cases[] = {
        {"a bad coordinate skips that record only",
         {rec("RECT 0100X0050050", style(0, 0x0000FF)),
          rec("RECT 060060080080", style(0, 0x00FF00))},
         {at(40, 40, kWhiteRgb), at(110, 110, kGreenRgb)},
         {0, true, 1}},
        {"a record without a tab takes the previous attributes",
         {rec("RECT 001001005005", style(0, 0x0000FF, 0xFF0000)),
          QStringLiteral("RECT 010010050050")},
         {at(16, 30, kBlueRgb), at(40, 40, kRedRgb)}},
        {"a clear brush leaves the inside",
         {rec("RECT 010010050050", style(1, 0x00FF00))},
         {at(16, 40, kBlackRgb), at(40, 40, kWhiteRgb)}},
        // Kept from whichever brush the canvas holds each time, so never kept decoded.
        {"a style code out of range keeps the canvas's",
         {rec("RECT 001001005005", style(3, 0x123456)), rec("RECT 010010050050", outOfRange),
          rec("RECT 060001064005", style(0, 0x123456)), rec("RECT 060010080050", outOfRange)},
         {{QRect(20, 20, 56, 56), hatch, true},
          {QRect(20, 20, 56, 56), kWhiteRgb, true},
          {QRect(100, 20, 24, 56), kWhiteRgb, false}}},
        {"text is transparent on screen",
         {rec("FILLRECT 000000068090", style(0, 0x0000FF)),
          rec("TEXT 010010050050MMMM", style(0, 0x00FFFF))},
         {{QRect(), yellow, false}, {QRect(), kBlackRgb, true}}},
        {"text is opaque on a solid brush in exports",
         {rec("FILLRECT 000000068090", style(0, 0x0000FF)),
          rec("TEXT 010010050050MMMM", style(0, 0x00FFFF))},
         {{QRect(16, 16, 60, 30), yellow, true},
          {QRect(16, 16, 60, 30), kBlackRgb, true},
          {QRect(100, 60, 90, 80), yellow, false}},
         {0, false}},
        {"texts one after the other each in its colour",
         {rec("TEXT 002002000000MMMM", redText), rec("TEXT 002040000000MMMM", blueText)},
         {{QRect(0, 0, 200, 50), kRedRgb, true},
          {QRect(0, 0, 200, 50), kBlueRgb, false},
          {QRect(0, 60, 200, 90), kBlueRgb, true},
          {QRect(0, 60, 200, 90), kRedRgb, false}}},
        {"the grid shows on a blank page",
         {QStringLiteral("BLANK")},
         {at(8, 8, kBlackRgb), at(192, 144, kBlackRgb), at(9, 8, kWhiteRgb)},
         {8}},
        {"a background hides the grid",
         {rec("FILLRECT 000000068090", style(0, kWhite))},
         {{QRect(), kBlackRgb, false}},
         {8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int failed = -1;
        const QImage image = paintRecords(c.records, c.setup.screen, c.setup.grid, &failed);
        EXPECT_EQ(failed, c.setup.failed);
        for (const Probe& p : c.probes)
            EXPECT_EQ(countColour(image, p.colour, p.area) > 0, p.present)
                << p.area.x() << "," << p.area.y() << " " << std::hex << p.colour;
    }
}

// A run of records of one style is decoded once; whatever the caller drew in between must not
// leave its pen, brush or font on the next records.
TEST(RecordPixels, ACanvasChangedBetweenRecordsOfOneStyleGetsTheStyleBack) {
    const QString field = formatStyle({.brushStyle = 0,
                                       .brushColour = 0x00FF00,
                                       .penWidth = 2,
                                       .penColour = 0xFF0000,
                                       .fontColour = 0x0000FF,
                                       .fontSize = 16});
    const Colour other = 0x00FFFF; // yellow
    const std::pair<const char*, std::function<void(Canvas&)>> changes[] = {
        {"font colour", [&](Canvas& c) { c.setFontColour(other); }},
        {"pen colour", [&](Canvas& c) { c.setPenColour(other); }},
        {"brush colour", [&](Canvas& c) { c.setBrushColour(other); }},
        {"pen width", [&](Canvas& c) { c.setPenWidth(6); }},
        {"pen style", [&](Canvas& c) { c.setPenStyle(5); }},
        {"font size", [&](Canvas& c) { c.setFontSize(40); }},
    };
    QImage expected;
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        QImage image(200, 150, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            PainterCanvas canvas(image);
            PaintState state;
            const PaintOptions options = PaintOptions::screen(image.size());
            RecordPainter painter(canvas, options, state);
            painter.DessinForme(QStringLiteral("RECT 001001004004\t") + field);
            change(canvas);
            painter.DessinForme(QStringLiteral("RECT 008008030030\t") + field);
            painter.DessinForme(QStringLiteral("TEXT 008040000000MMMM\t") + field);
        }
        EXPECT_EQ(countColour(image, qRgb(255, 255, 0)), 0);
        EXPECT_GT(countColour(image, kRedRgb, QRect(0, 60, 200, 90)), 0);   // the text
        EXPECT_GT(countColour(image, kBlueRgb, QRect(12, 12, 40, 40)), 0);  // the outline
        EXPECT_GT(countColour(image, kGreenRgb, QRect(12, 12, 40, 40)), 0); // the fill
        if (expected.isNull()) expected = image;
        EXPECT_EQ(testing::differingPixels(image, expected), 0);
    }
}

TEST(PictureCache, DecodesAnUnchangedPayloadOnceAndPaintsPicturesLargerThanItsBound) {
    PictureCache cache;
    const QImage first = cache.picture(u"0020010000FFFF0000").supplied;
    EXPECT_EQ(first.cacheKey(), cache.picture(u"0020010000FFFF0000").supplied.cacheKey());
    EXPECT_EQ(first.pixel(0, 0), kRedRgb);
    EXPECT_EQ(first.pixel(1, 0), kBlueRgb);
    EXPECT_EQ(cache.picture(QStringLiteral("00100100FF00")).supplied.pixel(0, 0), kGreenRgb);
    EXPECT_EQ(cache.count(), 2);
    PictureCache small(16);
    EXPECT_FALSE(small.picture(QStringLiteral("001001FF0000")).supplied.isNull());
    EXPECT_EQ(small.count(), 0);
}

// Records from a damaged or hostile file are painted without crashing or hanging.
const char* const kKeywords[] = {"LINE",   "LINEU",  "RECT",  "ELLIPSE",  "ROUNDRECT", "DRAW",
                                 "POLYG",  "POLYL",  "ARCH",  "ARCLU",    "CHORDL",    "CHORDHU",
                                 "TEXT",   "BITMAP", "META",  "FILLRECT", "SHAPE",     "COLOR",
                                 "COLORU", "MOSAIC", "CHART", "",         "UNKNOWN"};
const char* const kFragments[] = {
    "000000000000", "FFFFFFFFFFFF", "0C8064010020", "ZZZ", "\t", ">3", ">", "FFF", "0", " ",
    "1FF00000067",  "7FFFFFFF9",    "00200100",     "é€",  ""};

// Random records of keywords and fragments, and extreme but well-formed ones.
TEST(HostileRecords, PaintWithoutHarm) {
    QRandomGenerator random(42);
    QImage image(120, 90, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    for (const PaintOptions& options :
         {PaintOptions::screen(image.size()), PaintOptions::page(image.size())}) {
        PaintState state;
        RecordPainter painter(canvas, options, state);
        for (int i = 0; i < 3000; ++i) {
            QString r = QString::fromLatin1(kKeywords[random.bounded(int(std::size(kKeywords)))]);
            r += u' ';
            for (int part = random.bounded(12); part > 0; --part)
                r += QString::fromUtf8(kFragments[random.bounded(int(std::size(kFragments)))]);
            painter.DessinForme(r);
        }
    }

    const QString style = QStringLiteral("\t0000000FF0FF000000FF00000000FF0Arial");
    const QString records[] = {
        QStringLiteral("BITMAP 000000FFFFFFFFFFFF") + style, // 4095 x 4095, no pixels
        QStringLiteral("POLYG 000000FFFFFF") + QStringLiteral("FFF000").repeated(5000) +
            style,                                        // far more than 300 points
        QStringLiteral("ROUNDRECT FFFFFF000000") + style, // corners given backwards
        QStringLiteral("TEXT 000000001001") + QString(2000, u'W') + style,
        QStringLiteral("ELLIPSE 000000FFFFFF\t0000000FF6FF000000FF00000000FF0Arial"),
    };
    PaintState state;
    const PaintOptions options = PaintOptions::screen(image.size());
    RecordPainter painter(canvas, options, state);
    for (const QString& r : records)
        EXPECT_TRUE(painter.DessinForme(r)) << r.left(20).toStdString();
    EXPECT_EQ(state.Points.count(), 300);
    // A block declaring the largest picture with one pixel: one column, the rest left white.
    const PixelBlock block = decodePixelBlock(u"FFFFFF0000FF");
    EXPECT_EQ(block.declared, QSize(4095, 4095));
    EXPECT_EQ(block.supplied.size(), QSize(1, 4095));
}

} // namespace
} // namespace qel
