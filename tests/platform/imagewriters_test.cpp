#include "platform/imagewriters.h"

#include "support/files.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <jpeglib.h>

using namespace qel;

namespace {

using qel::testing::readFile;

// A picture with flat areas, a gradient and odd sizes, so that row padding and colour
// reduction both show.
QImage testPicture(int w = 37, int h = 23) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           x < w / 2 ? qRgb(255, 0, 0) : qRgb(x * 7 % 256, y * 11 % 256, 200));
    return image;
}

quint32 le32(const QByteArray& b, int at) {
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 |
           quint32(uchar(b[at + 2])) << 16 | quint32(uchar(b[at + 3])) << 24;
}

using Writer = std::function<Outcome(const QImage&, const QString&)>;

struct Format {
    const char* name;
    const char* extension;
    Writer write;
};

const Format kFormats[] = {
    {"bmp", "bmp", writeBmp},
    {"jpeg", "jpg", writeJpeg},
    {"gif", "gif", writeGif},
};

} // namespace

TEST(ImageWriters, BmpIs24BitBottomUpWithPaddedRowsAndReadsBackExactly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.bmp");
    const QImage picture = testPicture();
    const Outcome result = writeBmp(picture, path);
    ASSERT_TRUE(result.ok()) << result.message().toStdString();

    const QByteArray bytes = readFile(path);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(bytes, 2), quint32(bytes.size()));
    EXPECT_EQ(le32(bytes, 18), 37u);
    EXPECT_EQ(le32(bytes, 22), 23u); // positive: bottom-up
    EXPECT_EQ(uchar(bytes[28]), 24);
    const int stride = (37 * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 54 + stride * 23);
    // The first stored row is the picture's bottom row; its first pixel is red, stored B, G, R.
    EXPECT_EQ(bytes.mid(54, 3), QByteArray("\x00\x00\xFF", 3));

    const QImage back(path);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(ImageWriters, JpegIsBaselineAtQualityNinetyAndCloseToThePicture) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.jpg");
    const QImage picture = testPicture(64, 48);
    const Outcome result = writeJpeg(picture, path);
    ASSERT_TRUE(result.ok()) << result.message().toStdString();

    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2))) << "no baseline frame";
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2))) << "progressive frame";

    // The quantisation tables are libjpeg's standard tables scaled for quality 90.
    jpeg_compress_struct reference;
    jpeg_error_mgr referenceErrors;
    reference.err = jpeg_std_error(&referenceErrors);
    jpeg_create_compress(&reference);
    reference.in_color_space = JCS_RGB;
    jpeg_set_defaults(&reference);
    jpeg_set_quality(&reference, 90, TRUE);

    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    EXPECT_FALSE(info.progressive_mode);
    EXPECT_EQ(info.num_components, 3);
    EXPECT_EQ(info.jpeg_color_space, JCS_YCbCr);
    for (int t = 0; t < 2; ++t) {
        ASSERT_NE(info.quant_tbl_ptrs[t], nullptr);
        for (int i = 0; i < DCTSIZE2; ++i)
            EXPECT_EQ(info.quant_tbl_ptrs[t]->quantval[i], reference.quant_tbl_ptrs[t]->quantval[i])
                << "table " << t << " entry " << i;
    }
    jpeg_destroy_decompress(&info);
    jpeg_destroy_compress(&reference);

    const QImage back = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), picture.size());
    QRgb inside = back.pixel(8, 24); // well inside the flat red half
    EXPECT_NEAR(qRed(inside), 255, 6);
    EXPECT_NEAR(qGreen(inside), 0, 6);
    EXPECT_NEAR(qBlue(inside), 0, 6);
}

TEST(ImageWriters, GifUsesTheFixedPaletteAndTheLevelRule) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.gif");
    QImage picture(256, 3, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x) {
        picture.setPixel(x, 0, qRgb(x, 0, 0));
        picture.setPixel(x, 1, qRgb(0, x, 255 - x));
        picture.setPixel(x, 2, qRgb(x, x, x));
    }
    const Outcome result = writeGif(picture, path);
    ASSERT_TRUE(result.ok()) << result.message().toStdString();

    const QByteArray bytes = readFile(path);
    ASSERT_GE(bytes.size(), 13 + 768);
    EXPECT_TRUE(bytes.startsWith("GIF8"));
    EXPECT_EQ(uchar(bytes[10]) & 0x87, 0x87) << "a global table of 256 colours";
    EXPECT_FALSE(bytes.contains(QByteArray("\x21\xF9", 2))) << "no transparency extension";
    for (int i = 0; i < 256; ++i) {
        const int expected[3] = {i < 216 ? 51 * (i / 36) : 0, i < 216 ? 51 * (i / 6 % 6) : 0,
                                 i < 216 ? 51 * (i % 6) : 0};
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(uchar(bytes[13 + 3 * i + c]), expected[c]) << "entry " << i;
    }

    const QImage back = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), picture.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb in = picture.pixel(x, y), out = back.pixel(x, y);
            const int level[3] = {(qRed(in) + 3) / 51, (qGreen(in) + 3) / 51, (qBlue(in) + 3) / 51};
            ASSERT_EQ(out, qRgb(51 * level[0], 51 * level[1], 51 * level[2])) << x << "," << y;
        }
    EXPECT_EQ(gifPaletteIndex(255, 255, 255), 215);
    EXPECT_EQ(gifPaletteIndex(47, 48, 0), 6);
}

// Every writer goes through the one atomic writer (its permissions and leftovers are tested
// there); here each says which file failed and writes nothing for an empty picture.
TEST(ImageWriters, AFailedWriteNamesTheFileAndAnEmptyPictureWritesNothing) {
    QTemporaryDir dir;
    for (const Format& f : kFormats) {
        const QString missing = dir.filePath(QStringLiteral("absent/page.") + f.extension);
        const Outcome intoMissing = f.write(testPicture(), missing);
        EXPECT_FALSE(intoMissing.ok()) << f.name;
        EXPECT_EQ(intoMissing.message(), QStringLiteral("Impossible d'écrire « %1 » : Aucun "
                                                        "fichier ou dossier de ce type")
                                             .arg(QDir::toNativeSeparators(missing)))
            << intoMissing.message().toStdString();

        const QString empty = dir.filePath(QStringLiteral("empty.") + f.extension);
        EXPECT_FALSE(f.write(QImage(), empty).ok()) << f.name;
        EXPECT_FALSE(QFile::exists(empty));
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}
