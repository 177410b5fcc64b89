#include "metafile/metafile_reader.h"
#include "render/metafile_canvas.h"
#include "render/metafile_image.h"
#include "render/metafile_player.h"
#include "render/painter_canvas.h"

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

// The reference rendering, flattened on white and brought to `size`.
QImage reference(const QString& png, QSize size) {
    QImage flat(size, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), QImage(png));
    return flat;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

double inkCoverage(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200) ++ink;
    return double(ink) / (image.width() * image.height());
}

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

} // namespace

struct SizeCase {
    QSize native;
    QSize stored;
};

class PictureSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PictureSize, FollowsThePictureRule) {
    EXPECT_EQ(pictureSizeFor(GetParam().native), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureSize,
    ::testing::Values(SizeCase{{200, 200}, {100, 100}}, SizeCase{{145, 145}, {72, 72}},
                      SizeCase{{150, 140}, {150, 140}}, // exactly 21000: kept
                      SizeCase{{100, 100}, {100, 100}}, SizeCase{{1000, 1000}, {125, 125}},
                      SizeCase{{375, 350}, {125, 116}}, // k: 2.5 rounds to 2, plus one
                      SizeCase{{4000, 10}, {2000, 5}}, SizeCase{{1, 1}, {1, 1}}));

struct FixtureCase {
    const char* name;
    QSize stored;
    double maxDifference; // mean per channel, 0..255
};

class MetafileFixtureImages : public ::testing::TestWithParam<FixtureCase> {};

// Files written by another program look like that program's own rendering of them.
TEST_P(MetafileFixtureImages, LookLikeTheirReferenceRendering) {
    const FixtureCase c = GetParam();
    const RenderedMetafile rendered = renderMetafile(readFile(data(QString::fromLatin1(c.name))));
    ASSERT_TRUE(rendered.outcome.ok()) << qPrintable(rendered.outcome.message());
    const std::optional<QImage> image = rendered.image;
    const QSize native = rendered.nativeSize;
    EXPECT_EQ(image->size(), c.stored);
    QString png = QString::fromLatin1(c.name);
    png.replace(png.lastIndexOf(QLatin1Char('.')), 4, QStringLiteral(".png"));
    const QImage expected = reference(data(png), image->size());
    EXPECT_LT(meanDifference(*image, expected), c.maxDifference) << c.name;
    EXPECT_NEAR(inkCoverage(*image), inkCoverage(expected), 0.08) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Files, MetafileFixtureImages,
                         ::testing::Values(FixtureCase{"big.emf", {100, 100}, 20},
                                           FixtureCase{"big.wmf", {100, 100}, 20},
                                           FixtureCase{"shapes.emf", {163, 121}, 20},
                                           FixtureCase{"shapes.wmf", {160, 120}, 20},
                                           FixtureCase{"text.emf", {200, 83}, 20},
                                           FixtureCase{"text.wmf", {200, 80}, 20}));

namespace {

void drawShapes(Canvas& c) {
    c.setPen(PenState{0x0000FF, 3, 0, PenMode::Copy});
    c.setBrush(BrushState{0x00FF00, 0});
    c.rectangle(10, 10, 110, 60);
    c.setBrush(BrushState{0xFF0000, 6});
    c.ellipse(120, 10, 220, 80);
    c.setPen(PenState{0x000000, 1, 0, PenMode::Copy});
    c.roundRect(230, 10, 330, 50, 50, 20);
    c.arc(10, 100, 90, 160, 10, 100, 90, 160);
    c.setBrush(BrushState{0x00FFFF, 0});
    c.chord(100, 100, 180, 160, 180, 160, 100, 100);
    const QPoint poly[] = {{200, 100}, {260, 120}, {240, 170}, {190, 150}};
    c.polygon(poly, 4);
    c.setBrush(BrushState{0xC0C0C0, 0});
    c.fillRect(70, 220, 120, 260);
    FontState f;
    f.colour = 0x0000C0;
    c.setFont(f);
    c.setBrush(BrushState{kWhite, 1});
    c.textOut(130, 220, QStringLiteral("Qel Draw"));
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    c.stretchDraw(300, 220, 340, 240, picture);
}

} // namespace

class MetafileExportPixels : public ::testing::TestWithParam<MetafileFormat> {};

// An exported drawing played back onto an image gives the picture painted directly.
TEST_P(MetafileExportPixels, MatchDirectPainting) {
    QImage direct(400, 300, QImage::Format_RGB32);
    direct.fill(Qt::white);
    {
        PainterCanvas canvas(direct);
        drawShapes(canvas);
    }
    MetafileCanvas recorder(GetParam(), QSize(400, 300));
    drawShapes(recorder);
    const auto file = readMetafile(recorder.bytes());
    ASSERT_TRUE(file);
    QImage played(400, 300, QImage::Format_RGB32);
    played.fill(Qt::white);
    {
        PainterCanvas canvas(played);
        playMetafile(*file, canvas, QRect(0, 0, 400, 300));
    }
    EXPECT_LT(differingPixels(direct, played), 400 * 300 / 100);
}

INSTANTIATE_TEST_SUITE_P(Formats, MetafileExportPixels,
                         ::testing::Values(MetafileFormat::Emf, MetafileFormat::Wmf));

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
