// PDF, SVG and metafile exports of a drawing, read back and compared with the BMP export of the
// same page.

#include "document/shapelist.h"
#include "metafile/metafile_reader.h"
#include "platform/drawingio.h"
#include "referencedrawings.h"
#include "render/drawingoutput.h"
#include "render/ecran.h"
#include "render/metafile_player.h"
#include "render/painter_canvas.h"
#include "render/vectorexport.h"
#include "support/pixels.h"

#include <QFile>
#include <QLoggingCategory>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qel {
namespace {

using testing::clearlyDifferent;

struct Demo {
    QStringList list;
    QSize page;
};

// The sample drawing, with a picture of four coloured quarters below its freehand line.
Demo demo() {
    LoadedDrawing loaded = loadDrawingFile(QStringLiteral(QEL_TEST_DATA "/../../samples/demo.drf"));
    EXPECT_TRUE(loaded.outcome.ok());
    loaded.lines << QStringLiteral(" 0BITMAP 00A1AE05A1DA002002") + QStringLiteral("0000FF00FF00") +
                        QStringLiteral("FF0000000000\t");
    return {loaded.lines, loaded.pageSize.value_or(QSize())};
}

// The picture's quarters: red and green on the left, blue and black on the right.
void expectPicture(const QImage& back) {
    EXPECT_EQ(back.pixel(20, 440), qRgb(255, 0, 0));
    EXPECT_EQ(back.pixel(20, 465), qRgb(0, 255, 0));
    EXPECT_EQ(back.pixel(80, 440), qRgb(0, 0, 255));
    EXPECT_EQ(back.pixel(80, 465), qRgb(0, 0, 0));
}

QImage bmpOf(const Demo& d) {
    TEcran renderer;
    renderer.Init3(d.page.width(), d.page.height(), 200, d.list);
    return renderer.renderPage();
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(VectorExport, PdfIsOnePageThatLooksLikeTheBmpAndKeepsItsText) {
    const Demo d = demo();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("demo.pdf"));
    QStringList list = d.list;
    ASSERT_TRUE(writeDrawing(path, list, d.page, 200, d.page).ok());
    const QImage back = testing::rasterisePdf(path, dir.filePath(QStringLiteral("back")));
    if (back.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is needed";
    EXPECT_LE(clearlyDifferent(back, bmpOf(d)), 0.03);
    expectPicture(back.convertToFormat(QImage::Format_RGB32));
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    EXPECT_TRUE(
        run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).contains(u"Qel Draw"));
}

TEST(VectorExport, SvgLooksLikeTheBmpAndKeepsItsText) {
    // Qt's renderer draws no hatch patterns and says so for each; the 3 % allows for them.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg=false"));
    const Demo d = demo();
    const QByteArray svg = svgOfDrawing(d.list, d.page);
    EXPECT_TRUE(svg.contains("<text"));
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    QImage back(d.page, QImage::Format_RGB32);
    back.fill(Qt::white);
    QPainter painter(&back);
    renderer.render(&painter);
    painter.end();
    EXPECT_LE(clearlyDifferent(back, bmpOf(d)), 0.03);
    expectPicture(back);

    // A viewer that smooths what it stretches still shows the picture's own colours only.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("demo.svg"));
    ASSERT_TRUE(writeSvg(path, d.list, d.page).ok());
    const QImage shown = testing::rasteriseSvg(path, dir.filePath(QStringLiteral("shown.png")));
    if (shown.isNull()) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is needed";
    const QList<QRgb> own = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    const int foreign = testing::countPixels(
        shown, [&](QRgb p) { return !own.contains(p | 0xFF000000u); }, QRect(10, 430, 80, 44));
    EXPECT_EQ(foreign, 0);
}

QImage playBack(const QString& path, QSize size) {
    QString error;
    const auto metafile = readMetafile(bytesOf(path), &error);
    if (!metafile) {
        ADD_FAILURE() << error.toStdString();
        return {};
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        PainterCanvas canvas(image);
        playMetafile(*metafile, canvas, QRect(QPoint(0, 0), size));
    }
    return image;
}

// Each drawing saved as WMF and EMF and played back onto an image is the BMP export's picture;
// the enhanced metafile is framed by the drawing's extent, not by the page.
TEST(MetafileExport, PlaysBackLikeTheBitmapExport) {
    const Demo drawings[] = {demo(),
                             {bench::mixedDrawing(400), bench::kReferencePage},
                             {bench::pictureDrawing(6), bench::kReferencePage},
                             {bench::textDrawing(150), bench::kReferencePage}};
    QTemporaryDir dir;
    for (const Demo& d : drawings) {
        const QImage page = bmpOf(d);
        const QSize extent = largestExtentOf(d.list).boundedTo(d.page);
        for (const auto& [name, frame] :
             {std::pair("a.wmf", QSize()), std::pair("a.emf", extent)}) {
            SCOPED_TRACE(std::string(name) + " of " + std::to_string(d.list.size()) + " lines");
            const QString path = dir.filePath(QString::fromLatin1(name));
            QStringList list = d.list;
            ASSERT_TRUE(writeDrawing(path, list, d.page, 200, frame).ok());
            const QRect shown({0, 0}, frame.isEmpty() ? d.page : frame);
            EXPECT_LT(clearlyDifferent(playBack(path, shown.size()), page.copy(shown), 64), 0.03);
        }
    }
}

} // namespace
} // namespace qel
