// Metafiles: what the metafile canvas records plays back as the drawing, and files written by
// other programs read as pictures of the right size and look.

#include "callcanvas.h"
#include "metafile/metafile_reader.h"
#include "render/metafile_canvas.h"
#include "render/metafile_image.h"
#include "render/metafile_player.h"
#include "support/files.h"
#include "support/pixels.h"
#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

using namespace qel;

namespace {

using qel::testing::readFile;

// A little of everything a drawing can hold, with attributes changing between shapes.
void drawScene(Canvas& c) {
    c.whiteness(0, 0, 400, 300);
    c.setPen(PenState{0x0000FF, 3, 0, PenMode::Copy});
    c.setBrush(BrushState{0x00FF00, 0});
    c.rectangle(10, 10, 110, 60);
    c.setBrush(BrushState{0xFF0000, 4});
    c.ellipse(120, 10, 220, 80);
    c.setPen(PenState{0x000000, 1, 1, PenMode::Copy});
    c.setBrush(BrushState{kWhite, 1});
    c.roundRect(230, 10, 330, 50, 50, 20);
    c.setPen(PenState{0x808000, 2, 0, PenMode::Copy});
    c.arc(10, 100, 90, 160, 10, 100, 90, 160);
    c.setBrush(BrushState{0x00FFFF, 0});
    c.chord(100, 100, 180, 160, 180, 160, 100, 100);
    const QPoint poly[] = {{200, 100}, {260, 120}, {240, 170}, {190, 150}};
    c.polygon(poly, 4);
    c.setPen(PenState{0x800080, 4, 0, PenMode::Copy});
    const QPoint line[] = {{280, 100}, {300, 160}, {320, 100}, {340, 160}};
    c.polyline(line, 4);
    c.line(QPoint(10, 200), QPoint(390, 210));
    c.setPen(PenState{0x000000, 1, 0, PenMode::NotXor});
    c.rectangle(20, 220, 60, 260);
    c.setPen(PenState{0x000000, 1, 0, PenMode::Copy});
    c.setBrush(BrushState{0xC0C0C0, 0});
    c.fillRect(70, 220, 120, 260);
    c.setFont({QStringLiteral("Arial"), 12, true, false, false, false, 0x0000C0});
    c.setBrush(BrushState{kWhite, 1});
    c.textOut(130, 220, QStringLiteral("Été à Noël"));
    c.setFont({QStringLiteral("Arial"), 10, false, false, false, false, 0x0000C0});
    c.setBrush(BrushState{0x00FFFF, 0});
    c.textOut(130, 250, QStringLiteral("opaque"));
    c.setPixel(5, 290, 0x123456);
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    c.stretchDraw(300, 220, 340, 240, picture);
}

// The calls as the canvas gets them; fills, texts, pixels and pictures take no pen.
std::string shown(const test::CallCanvas& canvas) {
    static const QRegularExpression pen(
        QStringLiteral("^((fill|white|text|pixel|picture) .*) p\\S+ \\S+$"));
    QStringList out;
    for (QString call : canvas.calls)
        out << call.replace(pen, QStringLiteral("\\1"));
    return out.join(u'\n').toStdString();
}

// Playing back what the metafile canvas recorded asks the target canvas for exactly what
// drawing on it directly asks for; each kind of shape keeps its own record, and every object
// created is deleted.
TEST(MetafileRoundTrip, PlaybackRepeatsTheDrawingFromItsOwnRecords) {
    const struct {
        MetafileFormat format;
        std::uint32_t objects[5]; // the three kinds created, the deletion, the font
        std::uint32_t shapes[14];
    } cases[] = {{MetafileFormat::Emf,
                  {38, 39, 82, 40, 82},
                  {43, 42, 44, 45, 46, 3, 4, 54, 84, 81, 15, 20, 76, 82}},
                 {MetafileFormat::Wmf,
                  {0x02FA, 0x02FC, 0x02FB, 0x01F0, 0x02FB},
                  {0x041B, 0x0418, 0x061C, 0x0817, 0x0830, 0x0324, 0x0325, 0x0213, 0x0521, 0x0F43,
                   0x041F, 0x0104, 0x061D, 0x02FB}}};
    for (const auto& c : cases) {
        const bool emf = c.format == MetafileFormat::Emf;
        SCOPED_TRACE(emf ? "emf" : "wmf");
        test::CallCanvas direct({400, 300});
        direct.logAttributes = true;
        drawScene(direct);

        MetafileCanvas recorder(c.format, QSize(400, 300));
        drawScene(recorder);
        QString error;
        const auto file = readMetafile(recorder.bytes(), &error);
        ASSERT_TRUE(file) << qPrintable(error);
        EXPECT_EQ(file->kind, emf ? MetafileKind::Emf : MetafileKind::Wmf);
        EXPECT_EQ(metafileNativeSize(*file), QSize(400, 300));

        test::CallCanvas played({400, 300});
        played.logAttributes = true;
        playMetafile(*file, played, QRect(0, 0, 400, 300));
        EXPECT_EQ(shown(played), shown(direct));

        std::map<std::uint32_t, int> counts;
        for (const MetaRecord& r : file->records)
            ++counts[r.type];
        for (const std::uint32_t type : c.shapes)
            EXPECT_GT(counts[type], 0) << type;
        const auto& o = c.objects;
        EXPECT_EQ(counts[o[0]] + counts[o[1]] + counts[o[2]], counts[o[3]]);
        EXPECT_GE(counts[o[4]], 2); // two fonts
    }
}

QString data(const QString& name) {
    return QStringLiteral(QEL_TEST_DATA "/metafiles/") + name;
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
