// Picture exports: the files a user gets from "Enregistrer sous" with a picture name.

#include "document/record.h"
#include "platform/drawingio.h"
#include "render/drawingoutput.h"
#include "render/ecran.h"
#include "support/pixels.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qel {
namespace {

QStringList drawing() {
    return {QStringLiteral("0A0050"), kBlankBackground,
            QStringLiteral(" 0RECT 004004024014\t") +
                formatStyle({.brushStyle = 0, .brushColour = 0x0000FF, .penColour = 0x0000FF})};
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The name chooses the format, in a fixed order; a picture holds the page without its grid.
TEST(Export, NameChoosesTheFormatAndPicturesHoldThePage) {
    const struct {
        const char* name;
        QByteArray magic;
        int tolerance; // JPEG is lossy; -1: not a picture
    } cases[] = {{"page.bmp", "BM", 0},   {"page.JPG", "\xFF\xD8\xFF", 24},
                 {"page.gif", "GIF8", 0}, {"page.png", "\x89PNG", 0},
                 {"x.jpg.bmp", "BM", 0},  {"x", "0A0050\r\n", -1}};
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QStringList list = drawing();
        const Outcome r = writeDrawing(path, list, QSize(160, 80), 200, QSize(160, 80));
        ASSERT_TRUE(r.ok()) << r.message().toStdString();
        EXPECT_TRUE(bytesOf(path).startsWith(c.magic));
        if (c.tolerance < 0) continue;
        const QImage image(path);
        ASSERT_EQ(image.size(), QSize(160, 80));
        EXPECT_LE(testing::channelDistance(image.pixel(10, 10), qRgb(255, 0, 0)), c.tolerance);
        EXPECT_LE(testing::channelDistance(image.pixel(8, 40), qRgb(255, 255, 255)), c.tolerance);
        EXPECT_LE(testing::channelDistance(image.pixel(120, 60), qRgb(255, 255, 255)), c.tolerance);
    }
}

// The sample drawing as PNG and at scale 2, and the scales and sizes refused: a refusal names the
// file and the limit, and leaves the file there as it was.
TEST(Export, PngHoldsTheBmpPixelsAndScaledPicturesAreThePageAtMorePixels) {
    const LoadedDrawing demo =
        loadDrawingFile(QStringLiteral(QEL_TEST_DATA "/../../samples/demo.drf"));
    ASSERT_TRUE(demo.outcome.ok() && demo.pageSize);
    const QSize page = *demo.pageSize;
    // A hatched polygon outlined by a pen too wide to stamp, and a dashed ellipse.
    const QString wide = formatStyle(
        {.brushStyle = 6, .brushColour = 0xC03000, .penWidth = 40, .penColour = 0x205020});
    const QStringList shapes = {headerLine(200, 150), kBlankBackground,
                                QStringLiteral(" 0POLYG 0140140B40820140140B403C05A082\t") + wide,
                                QStringLiteral(" 0ELLIPSE 01E05A0A0096\t") +
                                    formatStyle({.penStyle = 1})};
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
                 {"g.svg", 2, page, "images BMP, JPEG, GIF et PNG"},
                 {"h.bmp", 1, QSize(0, 80), "h.bmp"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (QFile kept(path); !kept.open(QIODevice::WriteOnly) || kept.write("kept") != 4) FAIL();
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

    const auto read = [&](const char* name) {
        return QImage(dir.filePath(QString::fromLatin1(name)))
            .convertToFormat(QImage::Format_RGB32);
    };
    ASSERT_EQ(read("a.bmp").size(), page);
    EXPECT_TRUE(read("a.png") == read("a.bmp"));
    // Each 2 x 2 block averaged is the page pixel, but where an edge crosses it.
    for (const auto& [one, two] :
         {std::pair("a.bmp", "b.png"), std::pair("shapes.bmp", "shapes2.bmp")}) {
        const QImage once = read(one), twice = read(two);
        ASSERT_EQ(twice.size(), once.size() * 2) << two;
        const QImage halved =
            twice.scaled(once.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const int differ = testing::differingPixels(halved, once, 32);
        EXPECT_LT(differ, once.width() * once.height() * 3 / 100) << two;
    }
}

} // namespace
} // namespace qel
