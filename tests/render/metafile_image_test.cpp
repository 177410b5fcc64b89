// Metafiles read as pictures: the size they are kept at, and what they look like.

#include "render/metafile_image.h"
#include "render/metafile_player.h"
#include "support/pixels.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

using namespace qel;

namespace {

QString data(const QString& name) {
    return QStringLiteral(QEL_TEST_DATA "/metafiles/") + name;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

double inkCoverage(const QImage& image) {
    return double(qel::testing::countPixels(image, [](QRgb p) { return qGray(p) < 200; })) /
           (image.width() * image.height());
}

TEST(MetafileImage, PictureSizeFollowsThePictureRule) {
    const std::pair<QSize, QSize> cases[] = {
        {{200, 200}, {100, 100}}, {{145, 145}, {72, 72}},
        {{150, 140}, {150, 140}}, // exactly 21000: kept
        {{100, 100}, {100, 100}}, {{1000, 1000}, {125, 125}},
        {{375, 350}, {125, 116}}, // k: 2.5 rounds to 2, plus one
        {{4000, 10}, {2000, 5}},  {{1, 1}, {1, 1}}};
    for (const auto& [native, stored] : cases)
        EXPECT_EQ(pictureSizeFor(native), stored) << native.width() << "x" << native.height();
}

// Files written by another program look like that program's own rendering of them.
TEST(MetafileImage, FixturesLookLikeTheirReferenceRendering) {
    const std::pair<const char*, QSize> cases[] = {
        {"big.emf", {100, 100}},    {"big.wmf", {100, 100}}, {"shapes.emf", {163, 121}},
        {"shapes.wmf", {160, 120}}, {"text.emf", {200, 83}}, {"text.wmf", {200, 80}}};
    for (const auto& [name, stored] : cases) {
        SCOPED_TRACE(name);
        const RenderedMetafile rendered = renderMetafile(readFile(data(QString::fromLatin1(name))));
        ASSERT_TRUE(rendered.outcome.ok()) << qPrintable(rendered.outcome.message());
        const QImage image = rendered.image;
        EXPECT_EQ(image.size(), stored);
        // The reference rendering, flattened on white and brought to the same size.
        QImage expected(image.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter p(&expected);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(expected.rect(), QImage(data(QString::fromLatin1(name).section(u'.', 0, 0) +
                                                 QStringLiteral(".png"))));
        p.end();
        EXPECT_LT(qel::testing::meanDistance(image, expected), 20);
        EXPECT_NEAR(inkCoverage(image), inkCoverage(expected), 0.08);
    }
}

TEST(MetafileImage, UnreadableFilesNameTheFile) {
    const QString path = data(QStringLiteral("shapes.png"));
    const RenderedMetafile png = renderMetafileFile(path);
    EXPECT_FALSE(png.outcome.ok());
    EXPECT_EQ(png.outcome.message(), QStringLiteral("Image illisible : ") + path);
    EXPECT_FALSE(renderMetafileFile(data(QStringLiteral("missing.wmf"))).outcome.ok());
}

// Every file that once upset the reader or the player stays here and must still end cleanly.
TEST(MetafileImage, RegressionFilesEndCleanly) {
    const QDir dir(QStringLiteral(QEL_TEST_DATA "/metafiles/regressions"));
    for (const QString& name : dir.entryList(QDir::Files)) {
        const RenderedMetafile r = renderMetafile(readFile(dir.filePath(name)));
        if (r.outcome.ok())
            EXPECT_LE(qint64(r.image.width()) * r.image.height(), 21000) << qPrintable(name);
        else
            EXPECT_FALSE(r.outcome.message().isEmpty()) << qPrintable(name);
    }
}

} // namespace
