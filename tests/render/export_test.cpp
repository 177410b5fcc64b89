// Picture exports: the files a user gets from "Enregistrer sous" with a picture name.

#include "document/record.h"
#include "platform/drawingio.h"
#include "render/drawingoutput.h"
#include "render/ecran.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qel {
namespace {

QStringList drawing() {
    Style red;
    red.brushStyle = 0;
    red.brushColour = 0x0000FF;
    red.penColour = 0x0000FF;
    return {QStringLiteral("0A0050"), kBlankBackground,
            QStringLiteral(" 0RECT 004004024014\t") + formatStyle(red)};
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct FormatCase {
    const char* name;
    const char* magic;
    int tolerance; // JPEG is lossy
};

class ExportFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ExportFormatTest, WritesAPageSizedPictureWithoutGrid) {
    const FormatCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(c.name));
    const Outcome r = exportPicture(drawing(), 160, 80, 200, path);
    ASSERT_TRUE(r.ok()) << r.message().toStdString();
    EXPECT_TRUE(bytesOf(path).startsWith(c.magic));

    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(160, 80));
    const auto near = [&](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= c.tolerance &&
               std::abs(qGreen(a) - qGreen(b)) <= c.tolerance &&
               std::abs(qBlue(a) - qBlue(b)) <= c.tolerance;
    };
    EXPECT_TRUE(near(image.pixel(10, 10), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(image.pixel(8, 40), qRgb(255, 255, 255))); // no grid dot
    EXPECT_TRUE(near(image.pixel(120, 60), qRgb(255, 255, 255)));
}

INSTANTIATE_TEST_SUITE_P(Pictures, ExportFormatTest,
                         ::testing::Values(FormatCase{"page.bmp", "BM", 0},
                                           FormatCase{"page.JPG", "\xFF\xD8\xFF", 24},
                                           FormatCase{"page.gif", "GIF8", 0},
                                           FormatCase{"page.png", "\x89PNG", 0}));

TEST(Export, BmpIsTwentyFourBits) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bmp"));
    ASSERT_TRUE(exportPicture(drawing(), 160, 80, 100, path).ok());
    const QByteArray b = bytesOf(path);
    ASSERT_GT(b.size(), 30);
    EXPECT_EQ(quint8(b[28]) | (quint8(b[29]) << 8), 24);
    // Rows of 160 * 3 bytes, already a multiple of four, after a 54-byte header.
    EXPECT_EQ(b.size(), 54 + 160 * 3 * 80);
}

TEST(Export, JpegIsBaselineNotProgressive) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.jpg"));
    ASSERT_TRUE(exportPicture(drawing(), 160, 80, 100, path).ok());
    const QByteArray b = bytesOf(path);
    EXPECT_TRUE(b.contains(QByteArray("\xFF\xC0", 2)));
    EXPECT_FALSE(b.contains(QByteArray("\xFF\xC2", 2)));
}

TEST(Export, EveryGifPixelIsOneOfTheFixedPaletteColours) {
    QStringList list = drawing();
    Style gradient;
    gradient.brushStyle = 0;
    gradient.penColour = 0x203040;
    list[1] = QStringLiteral(" 0COLOR 000000068090\t") + formatStyle(gradient);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.gif"));
    ASSERT_TRUE(exportPicture(list, 160, 120, 100, path).ok());
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(160, 120));
    int offPalette = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            offPalette += qRed(p) % 51 || qGreen(p) % 51 || qBlue(p) % 51;
        }
    EXPECT_EQ(offPalette, 0);
    // Band 0 is 0x203040: red 0x40 -> level 1, green 0x30 -> 1, blue 0x20 -> 0.
    EXPECT_EQ(image.pixel(80, 0), qRgb(51, 51, 0));
}

TEST(Export, NameChoosesTheFormatInAFixedOrder) {
    QTemporaryDir dir;
    const QString both = dir.filePath(QStringLiteral("x.jpg.bmp"));
    QStringList list = drawing();
    ASSERT_TRUE(writeDrawing(both, list, QSize(160, 80), 100, QSize(160, 80)).ok());
    EXPECT_TRUE(bytesOf(both).startsWith("BM"));
    const struct {
        const char* name;
        QByteArray magic;
    } cases[] = {{"x.wmf", QByteArray::fromHex("d7cdc69a")},
                 {"x.emf", QByteArray::fromHex("01000000")},
                 {"x.drf", "0A0050\r\n"},
                 {"x", "0A0050\r\n"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(writeDrawing(path, list, QSize(160, 80), 100, QSize(160, 80)).ok()) << c.name;
        EXPECT_TRUE(bytesOf(path).startsWith(c.magic)) << c.name;
    }
}

// Every format, pictures and metafiles alike, names the file it could not write.
TEST(Export, FailureNamesTheFileAndCountsSkippedRecords) {
    QTemporaryDir dir;
    for (const char* name : {"a.gif", "a.bmp", "a.jpg", "a.wmf", "a.emf", "a.drf"}) {
        QStringList list = drawing();
        const QString missing = dir.filePath(QStringLiteral("no/such/folder/") + name);
        const Outcome failed = writeDrawing(missing, list, QSize(160, 80), 100, QSize(160, 80));
        EXPECT_FALSE(failed.ok()) << name;
        EXPECT_TRUE(failed.message().contains(QString::fromLatin1(name)) &&
                    failed.message().startsWith(QStringLiteral("Impossible d")))
            << failed.message().toStdString();
    }

    QStringList list = drawing();
    list << QStringLiteral(" 0ELLIPSE 0040Z4024014\t") + list[2].mid(list[2].indexOf(kTab) + 1);
    int skipped = 0;
    EXPECT_TRUE(
        exportPicture(list, 160, 80, 100, dir.filePath(QStringLiteral("b.bmp")), &skipped).ok());
    EXPECT_EQ(skipped, 1);
    EXPECT_FALSE(exportPicture(list, 0, 80, 100, dir.filePath(QStringLiteral("c.bmp"))).ok());
}

// The sample drawing as PNG and at scale 2, and the scales and sizes refused: a refusal names the
// file and the limit, and leaves the file there as it was.
TEST(Export, PngHoldsTheBmpPixelsAndScaledPicturesAreThePageAtMorePixels) {
    const LoadedDrawing demo =
        loadDrawingFile(QStringLiteral(QEL_TEST_DATA "/../../samples/demo.drf"));
    ASSERT_TRUE(demo.outcome.ok() && demo.pageSize);
    const QSize page = *demo.pageSize;
    // A polygon outlined by a pen too wide to stamp (one pixel wide on the page), over a hatch,
    // and a dashed ellipse.
    Style wide;
    wide.penWidth = 40;
    wide.penColour = 0x205020;
    wide.brushStyle = 6;
    wide.brushColour = 0xC03000;
    Style dashed;
    dashed.penStyle = 1;
    const QStringList shapes = {headerLine(200, 150), kBlankBackground,
                                QStringLiteral(" 0POLYG 0140140B40820140140B403C05A082\t") +
                                    formatStyle(wide),
                                QStringLiteral(" 0ELLIPSE 01E05A0A0096\t") + formatStyle(dashed)};
    QTemporaryDir dir;
    const struct {
        const char* name;
        int scale;
        QSize page;
        const char* refusal; // nullptr: written
    } cases[] = {{"a.bmp", 1, page, nullptr},
                 {"a.png", 1, page, nullptr},
                 {"b.png", 2, page, nullptr},
                 {"shapes.bmp", 1, QSize(200, 150), nullptr},
                 {"shapes2.bmp", 2, QSize(200, 150), nullptr},
                 {"c.png", 9, page, "l'échelle 9"},
                 {"d.bmp", 0, page, "l'échelle 0"},
                 {"e.png", 5, QSize(4000, 300), "16384 pixels de côté"},
                 {"f.jpg", 8, QSize(2000, 2010), "256 millions"},
                 {"g.svg", 2, page, "images BMP, JPEG, GIF et PNG"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile kept(path);
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
        kept.close();
        QStringList lines = c.page == QSize(200, 150) ? shapes : demo.lines;
        const Outcome r = writeDrawing(path, lines, c.page, 200, c.page, c.scale);
        if (!c.refusal) {
            EXPECT_TRUE(r.ok()) << c.name << r.message().toStdString();
            continue;
        }
        EXPECT_FALSE(r.ok()) << c.name;
        EXPECT_TRUE(r.message().contains(QString::fromUtf8(c.refusal)) &&
                    r.message().contains(path))
            << r.message().toStdString();
        EXPECT_EQ(bytesOf(path), QByteArray("kept")) << c.name;
    }

    const QImage bmp =
        QImage(dir.filePath(QStringLiteral("a.bmp"))).convertToFormat(QImage::Format_RGB32);
    const QImage png =
        QImage(dir.filePath(QStringLiteral("a.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bmp.size(), page);
    EXPECT_TRUE(png == bmp);
    // Each 2 x 2 block averaged is the page pixel, but where an edge crosses it.
    for (const auto& [one, two] :
         {std::pair("a.bmp", "b.png"), std::pair("shapes.bmp", "shapes2.bmp")}) {
        const QImage once =
            QImage(dir.filePath(QString::fromLatin1(one))).convertToFormat(QImage::Format_RGB32);
        const QImage twice =
            QImage(dir.filePath(QString::fromLatin1(two))).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(twice.size(), once.size() * 2) << two;
        int differ = 0;
        for (int y = 0; y < once.height(); ++y)
            for (int x = 0; x < once.width(); ++x) {
                const QRgb q[] = {twice.pixel(2 * x, 2 * y), twice.pixel(2 * x + 1, 2 * y),
                                  twice.pixel(2 * x, 2 * y + 1), twice.pixel(2 * x + 1, 2 * y + 1)};
                const QRgb p = once.pixel(x, y);
                int red = 0, green = 0, blue = 0;
                for (QRgb v : q)
                    red += qRed(v), green += qGreen(v), blue += qBlue(v);
                differ += std::abs(red / 4 - qRed(p)) > 32 ||
                          std::abs(green / 4 - qGreen(p)) > 32 ||
                          std::abs(blue / 4 - qBlue(p)) > 32;
            }
        EXPECT_LT(differ, once.width() * once.height() * 3 / 100) << two;
    }
}

} // namespace
} // namespace qel
