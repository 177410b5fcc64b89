// The printed page: where a drawing lands on an A4 sheet painted at 96 pixels per inch, which
// is what the printer and the preview both get.

#include "document/record.h"
#include "render/ecran.h"
#include "support/pixels.h"
#include <QPageLayout>
#include <gtest/gtest.h>

namespace qel {
namespace {

constexpr QRgb kBlackRgb = 0xFF000000;
constexpr QRgb kWhiteRgb = 0xFFFFFFFF;

// A clear brush and a one-pixel black pen.
QString style(int fontSize = 0) {
    return formatStyle({.fontSize = fontSize});
}

QStringList drawing(const QStringList& records) {
    QStringList list{QStringLiteral("200200"), kBlankBackground};
    list += records;
    return list;
}

QImage sheet(const QStringList& list, int margin, int enlargement, int* skipped = nullptr,
             const Paper& paper = Paper::a4()) {
    TEcran renderer;
    renderer.Init2(margin, margin, margin, margin, enlargement, list, paper);
    QImage page = renderer.renderPage();
    if (skipped) *skipped = renderer.skippedRecords();
    return page;
}

// The box (left, top, right, bottom) holding every non-white pixel of a region.
QRect ink(const QImage& image, QRect region = {}) {
    return testing::boxOf(
        image, [](QRgb p) { return p != kWhiteRgb; }, region);
}

const QString kRect = QStringLiteral("*0RECT 064032096050") + kTab + style();

// An unusable paper counts as A4; an unreadable record is skipped and counted.
TEST(Page, RectangleLandsWhereMarginsAndEnlargementPutIt) {
    const QString bad = QStringLiteral(" 0RECT 0Z0032096050") + kTab + style();
    const QRect large(QPoint(427, 289), QPoint(526, 348)), small(QPoint(138, 69), QPoint(187, 98));
    const struct {
        int margin, enlargement;
        Paper paper;
        QStringList records;
        int skipped;
        QRect outline; // first and last pixels of the outline
    } cases[] = {      // 227 = R(793 / 210 * 30 * 2), 189 = R(1123 / 297 * 25 * 2)
                 {20, 200, Paper::a4(), {kRect}, 0, large},
                 {20, 200, Paper{QSize(793, 1123), QSizeF(0, 0)}, {kRect}, 0, large},
                 {0, 100, Paper::a4(), {kRect}, 0, small},
                 {0, 100, Paper::a4(), {bad, kRect}, 1, small}};
    for (const auto& c : cases) {
        int skipped = -1;
        const QImage page = sheet(drawing(c.records), c.margin, c.enlargement, &skipped, c.paper);
        ASSERT_EQ(page.size(), QSize(793, 1123));
        EXPECT_EQ(ink(page), c.outline);
        EXPECT_EQ(page.pixel(c.outline.topLeft()), kBlackRgb);
        EXPECT_EQ(page.pixel(c.outline.bottomRight()), kBlackRgb);
        EXPECT_EQ(skipped, c.skipped);
    }
}

TEST(Page, PaperIsTheWholeSheetInItsOrientation) {
    const Paper landscape = paperOf(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(9, 9, 9, 9)));
    EXPECT_EQ(landscape.pixels, QSize(1123, 793));
    EXPECT_EQ(landscape.millimetres, QSizeF(297, 210));
    EXPECT_EQ(paperOf(QPageLayout()).pixels, Paper::a4().pixels);
}

TEST(Page, TextKeepsItsPointSizeWhileShapesGrow) {
    const QStringList list = drawing({QStringLiteral(" 0TEXT 014014000000Hg") + kTab + style(24),
                                      QStringLiteral(" 0RECT 064014078028") + kTab + style()});
    const QImage normal = sheet(list, 0, 100), doubled = sheet(list, 0, 200);
    // At 100 % the text starts at paper x 58 and the rectangle at 138; at 200 %, 116 and 276.
    const QRect textAt100 = ink(normal, QRect(50, 0, 80, 300));
    const QRect textAt200 = ink(doubled, QRect(100, 0, 150, 300));
    ASSERT_FALSE(textAt100.isEmpty());
    EXPECT_NEAR(textAt200.height(), textAt100.height(), 1);
    const QRect rectAt100 = ink(normal, QRect(130, 0, 60, 300));
    const QRect rectAt200 = ink(doubled, QRect(260, 0, 100, 300));
    EXPECT_EQ(rectAt100.width(), 20);
    EXPECT_EQ(rectAt200.width(), 40);
}

} // namespace
} // namespace qel
