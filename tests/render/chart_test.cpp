// Charts as the window and the exports paint them.

#include "callcanvas.h"
#include "document/record.h"
#include "render/chart.h"
#include "render/ecran.h"
#include "support/pixels.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace qel {
namespace {

using test::CallCanvas;

QString chartPayload(const QStringList& legends, const QList<QList<int>>& values) {
    QString p = QString::number(values.size());
    for (qsizetype k = 0; k < values.size(); ++k) {
        p += legends.value(k).leftJustified(10, u' ', true);
        for (int v : values[k])
            p += hexField(v, 6);
        p += QChar(0x01);
    }
    return p + QChar(0x02) + QStringLiteral("Jan       Fev").leftJustified(320);
}

TEST(Chart, WhatIsDrawnForOddData) {
    struct Case {
        const char* name;
        QString payload;
        int bars;
        bool text;
        int height = 160;
    };
    const QString hostile =
        QStringLiteral("9") +
        (QStringLiteral("Serie     ") + hexField(7, 6).repeated(40) + QChar(0x01)).repeated(9);
    const Case cases[] = {
        {"all zeros", chartPayload({QStringLiteral("A")}, {{0, 0, 0}}), 0, true},
        {"no series", QStringLiteral("0") + QChar(0x02), 0, false},
        {"empty payload", QString(), 0, false},
        {"zero values stand nowhere", chartPayload({}, {{5, 0}, {0, 5}}), 2, true},
        {"9 series of 40 claimed", hostile, 4 * 32, true},
        {"unreadable value", QStringLiteral("2A         00000AZZ") + QChar(0x01), 1, true},
        {"too small for text", chartPayload({QStringLiteral("A")}, {{3, 4}}), 2, false, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CallCanvas canvas({400, 300});
        DrawChart(canvas, 20, 20, 380, 20 + c.height, c.payload);
        // The frame, then as many rectangles as bars.
        EXPECT_EQ(canvas.calls.value(0), QStringLiteral("rect 20,20,380,%1").arg(20 + c.height));
        EXPECT_EQ(canvas.calls.filter(QRegularExpression(QStringLiteral("^rect"))).size() - 1,
                  c.bars);
        EXPECT_EQ(canvas.calls.filter(QRegularExpression(QStringLiteral("^text"))).isEmpty(),
                  !c.text);
    }
}

QImage exported(const QString& payload) {
    TEcran renderer;
    renderer.Init3(
        240, 200, 100,
        {headerLine(240, 200), kBlankBackground,
         QStringLiteral(" 0CHART 0140140DC0B4") + payload + kTab + formatStyle({.brushStyle = 0})});
    EXPECT_EQ(renderer.skippedRecords(), 0);
    return renderer.renderPage();
}

TEST(Chart, ExportedPage) {
    const QRgb blue = qRgb(0, 0, 255), black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    const QImage image = exported(chartPayload({QStringLiteral("Ventes")}, {{10, 20}}));
    ASSERT_EQ(image.size(), QSize(240, 200));
    const struct {
        int x, y;
        QRgb colour;
    } probes[] = {
        {20, 100, black},  {120, 20, black},                                    // frame
        {150, 160, black}, {40, 120, black},                                    // the axes
        {70, 130, blue},   {70, 100, white},                                    // bar of 10
        {190, 158, blue},  {190, 52, black}, {190, 53, blue}, {190, 51, white}, // bar of 20
    };
    for (const auto& p : probes)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    EXPECT_EQ(testing::countColour(image, blue, QRect(41, 161, 178, 18)), 0); // nothing hangs below
    EXPECT_GT(testing::countColour(image, blue, QRect(100, 22, 119, 16)), 0); // legend square
    // Box 200 x 160: the scale's top and middle at the left of the value axis, the categories
    // under the horizontal one, the legend at the top right.
    for (const QRect& text : {QRect(21, 50, 18, 10), QRect(21, 104, 18, 10), QRect(40, 161, 60, 14),
                              QRect(172, 22, 46, 14)})
        EXPECT_GT(testing::countColour(image, black, text), 0) << text.x() << "," << text.y();

    const QImage zeros = exported(chartPayload({}, {{0, 0}}));
    EXPECT_EQ(zeros.pixel(150, 160), black);
    EXPECT_EQ(testing::countColour(zeros, blue, QRect(21, 21, 198, 139)), 0);
}

// A chart out of sight passes on exactly the pen, brush and font that painting it leaves.
TEST(Chart, LeavesTheCanvasAsPaintingItWould) {
    const QString payloads[] = {chartPayload({"Nord", "Sud"}, {{10, 0, 30}, {5, 8, 1}}),
                                chartPayload({"", ""}, {{0, 0}, {0, 0}}),
                                chartPayload({"Tres longue legende"}, {{7}})};
    const QRect boxes[] = {
        {10, 10, 300, 200}, {50, 40, 20, 8}, {0, 0, 2, 2}, {300, 200, -200, -150}};
    for (const QString& payload : payloads)
        for (const QRect& b : boxes) {
            CallCanvas painted({400, 300}), passed({400, 300});
            for (Canvas* c : {static_cast<Canvas*>(&painted), static_cast<Canvas*>(&passed)}) {
                c->setPen({rgbColour(1, 2, 3), 3, 2, PenMode::Copy});
                c->setBrush({rgbColour(9, 9, 9), 5});
                c->setFont({QStringLiteral("Courier New"), 14, false, true, false, false, 77});
            }
            DrawChart(painted, b.left(), b.top(), b.right(), b.bottom(), payload);
            chartLeavesCanvas(passed, b.left(), b.top(), b.right(), b.bottom());
            EXPECT_TRUE(painted.style() == passed.style()) << b.x() << "," << b.y();
        }
}

} // namespace
} // namespace qel
