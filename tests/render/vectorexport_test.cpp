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
#include "support/pixels.h"
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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
    loaded.lines << QStringLiteral(" 0BITMAP 00A1AE05A1DA0020020000FF00FF00FF0000000000\t");
    return {loaded.lines, loaded.pageSize.value_or(QSize())};
}

QImage bmpOf(const Demo& d) {
    TEcran renderer;
    renderer.Init3(d.page.width(), d.page.height(), 200, d.list);
    return renderer.renderPage();
}

// A file's text (Latin-1: byte for byte).
QString bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

QString run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Rasterised by other programs, they look like the BMP export, show the picture's own colours
// only (a viewer may smooth what is left to it to stretch) and keep their text as text.
TEST(VectorExport, PdfAndSvgLookLikeTheBmpAndKeepTheirText) {
    const Demo d = demo();
    QTemporaryDir dir;
    for (const bool pdf : {true, false}) {
        const QString path = dir.filePath(pdf ? QStringLiteral("a.pdf") : QStringLiteral("a.svg"));
        SCOPED_TRACE(path.toStdString());
        QStringList list = d.list;
        ASSERT_TRUE(writeDrawing(path, list, d.page, 200, d.page).ok());
        const QImage back =
            pdf ? testing::rasterisePdf(path, dir.filePath(QStringLiteral("pdf")))
                      .convertToFormat(QImage::Format_RGB32)
                : testing::rasteriseSvg(path, dir.filePath(QStringLiteral("svg.png")));
        if (back.isNull()) GTEST_SKIP() << "pdftoppm and rsvg-convert are needed";
        EXPECT_LE(clearlyDifferent(back, bmpOf(d)), 0.03);
        // The picture's quarters: red and green on the left, blue and black on the right.
        EXPECT_EQ(back.pixel(20, 440), qRgb(255, 0, 0));
        EXPECT_EQ(back.pixel(20, 465), qRgb(0, 255, 0));
        EXPECT_EQ(back.pixel(80, 440), qRgb(0, 0, 255));
        EXPECT_EQ(back.pixel(80, 465), qRgb(0, 0, 0));
        const QList<QRgb> own = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
        EXPECT_EQ(testing::countPixels(
                      back, [&](QRgb p) { return !own.contains(p); }, QRect(10, 430, 80, 44)),
                  0);
        if (pdf)
            EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {path})
                            .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        const QString text =
            pdf ? run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}) : bytesOf(path);
        EXPECT_TRUE(text.contains(u"Qel Draw"));
    }
}

QImage playBack(const QString& path, QSize size) {
    QString error;
    QFile file(path);
    const auto metafile =
        readMetafile(file.open(QIODevice::ReadOnly) ? file.readAll() : "", &error);
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
