// Records from a damaged or hostile file are painted without crashing or hanging.

#include "document/record.h"
#include "render/painter_canvas.h"
#include "render/recordpainter.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace qel;

namespace {

const char* const kKeywords[] = {"LINE",   "LINEU",  "RECT",  "ELLIPSE",  "ROUNDRECT", "DRAW",
                                 "POLYG",  "POLYL",  "ARCH",  "ARCLU",    "CHORDL",    "CHORDHU",
                                 "TEXT",   "BITMAP", "META",  "FILLRECT", "SHAPE",     "COLOR",
                                 "COLORU", "MOSAIC", "CHART", "",         "UNKNOWN"};
const char* const kFragments[] = {
    "000000000000", "FFFFFFFFFFFF", "0C8064010020", "ZZZ", "\t", ">3", ">", "FFF", "0", " ",
    "1FF00000067",  "7FFFFFFF9",    "00200100",     "é€",  ""};

QString randomRecord(QRandomGenerator& random) {
    QString r = QString::fromLatin1(kKeywords[random.bounded(int(std::size(kKeywords)))]);
    r += u' ';
    const int parts = random.bounded(12);
    for (int i = 0; i < parts; ++i)
        r += QString::fromUtf8(kFragments[random.bounded(int(std::size(kFragments)))]);
    return r;
}

TEST(HostileRecords, RandomRecordsPaintWithoutHarm) {
    QRandomGenerator random(42);
    QImage image(120, 90, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    for (const PaintOptions& options :
         {PaintOptions::screen(image.size()), PaintOptions::page(image.size())}) {
        PaintState state;
        RecordPainter painter(canvas, options, state);
        for (int i = 0; i < 3000; ++i)
            painter.DessinForme(randomRecord(random));
    }
    SUCCEED();
}

TEST(HostileRecords, ExtremeButWellFormedRecords) {
    const QString style = QStringLiteral("\t0000000FF0FF000000FF00000000FF0Arial");
    QString manyPoints;
    for (int i = 0; i < 5000; ++i)
        manyPoints += QStringLiteral("FFF000");
    const QString records[] = {
        QStringLiteral("BITMAP 000000FFFFFFFFFFFF") + style,       // 4095 x 4095, no pixels
        QStringLiteral("POLYG 000000FFFFFF") + manyPoints + style, // far more than 300 points
        QStringLiteral("ROUNDRECT FFFFFF000000") + style,          // corners given backwards
        QStringLiteral("TEXT 000000001001") + QString(2000, u'W') + style,
        QStringLiteral("ELLIPSE 000000FFFFFF\t0000000FF6FF000000FF00000000FF0Arial"),
    };
    QImage image(64, 64, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    PaintState state;
    const PaintOptions options = PaintOptions::screen(image.size());
    RecordPainter painter(canvas, options, state);
    for (const QString& r : records)
        EXPECT_TRUE(painter.DessinForme(r)) << r.left(20).toStdString();
    EXPECT_EQ(state.Points.count(), 300);
}

// A block that declares a large picture and supplies one column paints that column, stretched,
// and white for the rest, without decoding the white part.
TEST(HostileRecords, ShortPixelBlocksPaintTheirColumnsAndWhite) {
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    PainterCanvas canvas(image);
    PaintState state;
    const PaintOptions options = PaintOptions::screen(image.size());
    RecordPainter painter(canvas, options, state);
    // 4 x 1 declared, only the first pixel (red) supplied, over a 40 x 10 box.
    ASSERT_TRUE(painter.DessinForme(QStringLiteral("BITMAP 00000002800A0040010000FF\t")));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(9, 9), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(10, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(39, 9), qRgb(255, 255, 255));

    const PixelBlock block = decodePixelBlock(u"FFFFFF0000FF");
    EXPECT_EQ(block.declared, QSize(4095, 4095));
    EXPECT_EQ(block.supplied.size(), QSize(1, 4095));
}

} // namespace
