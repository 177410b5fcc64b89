#include "edit/pictureinsert.h"
#include "platform/imagewriters.h"

#include "support/pixels.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qel;

namespace {

const QString kData = QStringLiteral(QEL_TEST_DATA "/metafiles/");

TEST(PictureInsert, MetafilesFromElsewhereBecomeMetaPictures) {
    struct Case {
        const char* file;
        QSize size;
    } cases[] = {{"big.wmf", {100, 100}}, {"big.emf", {100, 100}}};
    for (const Case& c : cases) {
        const LoadedPicture loaded = loadPicture(kData + QString::fromLatin1(c.file));
        ASSERT_TRUE(loaded.outcome.ok()) << c.file << " " << loaded.outcome.message().toStdString();
        const InsertedPicture* picture = &loaded.picture;
        EXPECT_EQ(picture->kind, 2);
        EXPECT_EQ(picture->image.size(), c.size) << c.file;
        EXPECT_TRUE(fitsInRecord(picture->image));
    }
    for (const char* file : {"shapes.emf", "shapes.wmf", "text.emf"}) {
        const LoadedPicture loaded = loadPicture(kData + QString::fromLatin1(file));
        ASSERT_TRUE(loaded.outcome.ok()) << file << " " << loaded.outcome.message().toStdString();
        const InsertedPicture* picture = &loaded.picture;
        EXPECT_TRUE(fitsInRecord(picture->image)) << file;
        // Something was drawn: not every pixel is white.
        EXPECT_LT(qel::testing::countColour(picture->image, qRgb(255, 255, 255)),
                  picture->image.width() * picture->image.height())
            << file;
    }
}

TEST(PictureInsert, UnreadableFilesNameThemselves) {
    QTemporaryDir dir;
    for (const char* name : {"broken.emf", "broken.wmf", "broken.bmp", "broken.ico"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x01\x00\x00\x00garbage that is no picture at all");
        f.close();
        const Outcome outcome = loadPicture(path).outcome;
        const QString error = outcome.message();
        EXPECT_FALSE(outcome.ok()) << name;
        EXPECT_TRUE(error.startsWith(QStringLiteral("Image illisible"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromLatin1(name))) << error.toStdString();
    }
}

TEST(PictureInsert, BitmapsKeepTheirPixelsAndBigOnesDoNotFit) {
    QTemporaryDir dir;
    QImage small(3, 2, QImage::Format_RGB32);
    small.fill(qRgb(10, 20, 30));
    const QString path = dir.filePath(QStringLiteral("small.bmp"));
    ASSERT_TRUE(small.save(path, "BMP"));
    const LoadedPicture loaded = loadPicture(path);
    ASSERT_TRUE(loaded.outcome.ok());
    const InsertedPicture* picture = &loaded.picture;
    EXPECT_EQ(picture->kind, 1);
    EXPECT_EQ(picture->image.pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_EQ(picture->upperCaseName, path.toUpper());

    EXPECT_FALSE(fitsInRecord(QImage(150, 150, QImage::Format_RGB32)));
    EXPECT_TRUE(fitsInRecord(QImage(148, 147, QImage::Format_RGB32)));
    EXPECT_FALSE(fitsInRecord(QImage(4096, 2, QImage::Format_RGB32)));
}

TEST(PictureInsert, CommonPicturesLoadWhateverTheFolderIsCalled) {
    QTemporaryDir dir;
    // A folder name that looks like an icon or a metafile does not decide how a file is read.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("images.ico.emf")));
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    for (const char* name : {"p.png", "p.jpg", "p.gif", "p.bmp"}) {
        const QString path = dir.filePath(QStringLiteral("images.ico.emf/") + name);
        // Qt reads GIF but does not write it: our own encoder does.
        ASSERT_TRUE(QString::fromLatin1(name).endsWith(QLatin1String(".gif"))
                        ? writeGif(image, path).ok()
                        : image.save(path))
            << name;
        const LoadedPicture loaded = loadPicture(path);
        ASSERT_TRUE(loaded.outcome.ok()) << name << loaded.outcome.message().toStdString();
        EXPECT_EQ(loaded.picture.kind, 1) << name;
        EXPECT_EQ(loaded.picture.image.size(), QSize(5, 4)) << name;
    }
}

} // namespace
