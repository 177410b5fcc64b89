// Pixels of painted records, through the same canvas the drawing window and the exports use.

#include "render/ecran.h"
#include "render/grid.h"
#include "render/painter_canvas.h"
#include "render/recordpainter.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFF;
constexpr QRgb kBlackRgb = 0xFF000000;

QString style(int brushStyle = 1, Colour brush = kWhite, Colour pen = kBlack, int width = 1) {
    Style s;
    s.brushStyle = brushStyle;
    s.brushColour = brush;
    s.penWidth = width;
    s.penColour = pen;
    return formatStyle(s);
}

// A repaint as the window does it: white, grid when asked, then the records from index 1.
QImage repaint(const QStringList& records, QSize size = {200, 150}, int grid = 0,
               int* failed = nullptr, bool screen = true) {
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

QString rec(const char* body, const QString& styleField = style()) {
    return QString::fromLatin1(body) + kTab + styleField;
}

int countDifferences(const QImage& a, const QImage& b, QRect* where = nullptr) {
    int n = 0;
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++n;
                box |= QRect(x, y, 1, 1);
            }
    if (where) *where = box;
    return n;
}

TEST(RecordPixels, LinesRunBetweenTheCornersOfTheirBlock) {
    const QImage down = repaint({rec("LINE 010010050050")});
    for (int i : {16, 40, 79})
        EXPECT_EQ(down.pixel(i, i), kBlackRgb) << i;
    EXPECT_EQ(down.pixel(16, 79), kWhiteRgb);

    const QImage up = repaint({rec("LINEU 010010050050")});
    for (int i : {0, 24, 63})
        EXPECT_EQ(up.pixel(16 + i, 80 - i), kBlackRgb) << i;
    EXPECT_EQ(up.pixel(48, 48), kBlackRgb);
    EXPECT_EQ(up.pixel(17, 17), kWhiteRgb);
}

TEST(RecordPixels, TwoHalfArcsMakeTheWholeEllipseOutline) {
    const QImage ellipse = repaint({rec("ELLIPSE 010010070050")});
    EXPECT_EQ(
        countDifferences(repaint({rec("ARCL 010010070050"), rec("ARCH 010010070050")}), ellipse),
        0);
    EXPECT_EQ(
        countDifferences(repaint({rec("ARCLU 010010070050"), rec("ARCHU 010010070050")}), ellipse),
        0);
}

TEST(RecordPixels, TwoChordsFillTheWholeEllipse) {
    const QString red = style(0, 0x0000FF, 0x0000FF);
    const QImage ellipse = repaint({rec("ELLIPSE 010010070050", red)});
    const QImage chords =
        repaint({rec("CHORDL 010010070050", red), rec("CHORDH 010010070050", red)});
    EXPECT_EQ(countDifferences(chords, ellipse), 0);
    EXPECT_EQ(chords.pixel(64, 48), qRgb(255, 0, 0));
}

TEST(RecordPixels, RoundRectCornersAreHalfTheBox) {
    // 100 x 40 from (16, 16): corner ellipses 50 x 20, so the straight top edge starts at
    // x = 41 and the straight left edge at y = 26.
    const QImage image = repaint({rec("ROUNDRECT 010010074038")});
    EXPECT_EQ(image.pixel(41, 16), kBlackRgb);
    EXPECT_EQ(image.pixel(90, 16), kBlackRgb);
    EXPECT_EQ(image.pixel(16, 26), kBlackRgb);
    EXPECT_EQ(image.pixel(26, 16), kWhiteRgb);
    EXPECT_EQ(image.pixel(16, 19), kWhiteRgb);
}

TEST(RecordPixels, BitmapIsStretchedOntoItsBox) {
    const QImage image = repaint({rec("BITMAP 010010050050002001"
                                      "0000FFFF0000")});
    EXPECT_EQ(image.pixel(20, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(47, 79), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(49, 16), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(79, 40), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(80, 40), kWhiteRgb);
}

TEST(RecordPixels, ShortPixelBlockLeavesTheRestWhite) {
    const QImage image = repaint({rec("BITMAP 010010050050002001"
                                      "0000FF")});
    EXPECT_EQ(image.pixel(20, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(70, 40), kWhiteRgb);
}

TEST(RecordPixels, FillRectLeavesTheLastColumnAndRowWhite) {
    const QImage image = repaint({rec("FILLRECT 000000068090", style(0, 0x00FF00, 0x00FF00))});
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(198, 148), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(199, 70), kWhiteRgb);
    EXPECT_EQ(image.pixel(100, 149), kWhiteRgb);
}

TEST(RecordPixels, GradientOnAThreeHundredPixelPageHasSixPixelBands) {
    const QImage image =
        repaint({rec("COLOR 000000068090", style(0, 0xFF0000, 0xFF0000))}, {120, 300});
    const auto at = [&](int y) { return image.pixel(50, y); };
    EXPECT_EQ(at(0), qRgb(0, 0, 255));
    EXPECT_EQ(at(5), qRgb(0, 0, 255));
    EXPECT_EQ(at(6), qRgb(5, 0, 255));
    EXPECT_EQ(at(293), qRgb(240, 0, 255));
    EXPECT_EQ(at(294), qRgb(245, 0, 255)); // the 50th band: rows 294..298
    EXPECT_EQ(at(298), qRgb(245, 0, 255));
    EXPECT_EQ(at(299), kWhiteRgb);
}

TEST(RecordPixels, GridShowsOnBlankAndHidesUnderABackground) {
    const QImage blank = repaint({QStringLiteral("BLANK")}, {200, 150}, 8);
    EXPECT_EQ(blank.pixel(8, 8), kBlackRgb);
    EXPECT_EQ(blank.pixel(192, 144), kBlackRgb);
    EXPECT_EQ(blank.pixel(9, 8), kWhiteRgb);
    const QImage filled = repaint({rec("FILLRECT 000000068090", style(0, kWhite))}, {200, 150}, 8);
    EXPECT_EQ(filled.pixel(8, 8), kWhiteRgb);
}

TEST(RecordPixels, BadCoordinateSkipsThatRecordOnly) {
    int failed = 0;
    const QImage image = repaint({rec("RECT 0100X0050050", style(0, 0x0000FF)),
                                  rec("RECT 060060080080", style(0, 0x00FF00))},
                                 {200, 150}, 0, &failed);
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(image.pixel(40, 40), kWhiteRgb);
    EXPECT_EQ(image.pixel(110, 110), qRgb(0, 255, 0));
}

TEST(RecordPixels, RecordWithoutTabUsesThePreviousAttributes) {
    const QImage image = repaint({rec("RECT 001001005005", style(0, 0x0000FF, 0xFF0000)),
                                  QStringLiteral("RECT 010010050050")});
    EXPECT_EQ(image.pixel(16, 30), qRgb(0, 0, 255)); // outline in the pen colour
    EXPECT_EQ(image.pixel(40, 40), qRgb(255, 0, 0)); // filled with the brush
}

TEST(RecordPixels, ArrowCodeAddsOnlyTheArrowhead) {
    for (const char* body : {"LINE 010010050050", "ARCH 010010070050"}) {
        const QImage plain = repaint({rec(body)});
        const QImage arrowed =
            repaint({QString::fromLatin1(body) + kTab + QStringLiteral(">2") + style()});
        QRect where;
        EXPECT_GT(countDifferences(plain, arrowed, &where), 10) << body;
        // The head lies at the curve's end: (80, 80) for the line; for ARCH, where the ray
        // from the centre (64, 48) to the corner (16, 16) meets the ellipse.
        const QPoint end =
            QString::fromLatin1(body).startsWith(u"LINE") ? QPoint(80, 80) : QPoint(30, 25);
        EXPECT_TRUE(where.adjusted(-2, -2, 2, 2).contains(end))
            << body << " " << where.x() << "," << where.y() << " " << where.width() << "x"
            << where.height();
        EXPECT_LE(where.width(), 12) << body;
        EXPECT_LE(where.height(), 12) << body;
    }
}

TEST(RecordPixels, ClearBrushPaintsUnfilled) {
    const QImage image = repaint({rec("RECT 010010050050", style(1, 0x00FF00))});
    EXPECT_EQ(image.pixel(16, 40), kBlackRgb);
    EXPECT_EQ(image.pixel(40, 40), kWhiteRgb);
}

TEST(RecordPixels, TextIsTransparentOnScreenAndOpaqueOnASolidBrushInExports) {
    const QStringList records{rec("FILLRECT 000000068090", style(0, 0x0000FF)),
                              rec("TEXT 010010050050MMMM", style(0, 0x00FFFF))};
    const auto yellowPixels = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(255, 255, 0);
        return n;
    };
    EXPECT_EQ(yellowPixels(repaint(records, {200, 150}, 0, nullptr, true)), 0);
    EXPECT_GT(yellowPixels(repaint(records, {200, 150}, 0, nullptr, false)), 50);
}

TEST(Ecran, ExportIsExactlyThePageWithoutGrid) {
    TEcran ecran;
    ecran.Init3(123, 77, 200,
                {QStringLiteral("07B04D"), kBlankBackground,
                 QStringLiteral(" 0RECT 004004014014\t") + style(0, 0x0000FF)});
    const QImage page = ecran.renderPage();
    EXPECT_EQ(page.size(), QSize(123, 77));
    EXPECT_EQ(page.pixel(8, 8), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(40, 40), kWhiteRgb);
    EXPECT_EQ(page.pixel(32, 8), kWhiteRgb); // a grid dot on screen, nothing here
}

} // namespace
} // namespace qel
