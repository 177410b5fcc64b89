// Metafile exports hold the same picture as the bitmap export: each drawing is saved as WMF and
// EMF, played back onto an image and compared with the page the BMP export paints.

#include "document/shapelist.h"
#include "metafile/metafile_reader.h"
#include "platform/drawingio.h"
#include "referencedrawings.h"
#include "render/drawingoutput.h"
#include "render/ecran.h"
#include "render/metafile_player.h"
#include "render/painter_canvas.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qel;

namespace {

// Share of pixels whose colour differs clearly between the two images.
double differingShare(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int d = std::max({std::abs(qRed(p[col]) - qRed(q[col])),
                                    std::abs(qGreen(p[col]) - qGreen(q[col])),
                                    std::abs(qBlue(p[col]) - qBlue(q[col]))});
            differing += d > 64;
        }
    }
    return double(differing) / (double(x.width()) * x.height());
}

QImage playBack(const QString& path, QSize size) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString error;
    const auto metafile = readMetafile(f.readAll(), &error);
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

struct Drawing {
    const char* name;
    QStringList shapes;
    QSize page;
};

std::vector<Drawing> drawings() {
    std::vector<Drawing> out;
    const LoadedDrawing demo =
        loadDrawingFile(QStringLiteral(QEL_TEST_DATA "/../../samples/demo.drf"));
    out.push_back({"demo", demo.lines, demo.pageSize.value_or(QSize(640, 480))});
    out.push_back({"mixed", bench::mixedDrawing(400), bench::kReferencePage});
    out.push_back({"pictures", bench::pictureDrawing(6), bench::kReferencePage});
    out.push_back({"text", bench::textDrawing(150), bench::kReferencePage});
    return out;
}

TEST(MetafileExport, PlaysBackLikeTheBitmapExport) {
    QTemporaryDir dir;
    for (Drawing& d : drawings()) {
        SCOPED_TRACE(d.name);
        ASSERT_GE(d.shapes.size(), 2);
        TEcran renderer;
        renderer.Init3(d.page.width(), d.page.height(), 200, d.shapes);
        const QImage page = renderer.renderPage();

        const QString wmf = dir.filePath(QString::fromLatin1(d.name) + QStringLiteral(".wmf"));
        ASSERT_TRUE(writeDrawing(wmf, d.shapes, d.page, 200, {}).ok());
        EXPECT_LT(differingShare(playBack(wmf, d.page), page), 0.03);

        // The enhanced metafile is framed by the drawing's extent, not by the page.
        const QSize extent = largestExtentOf(d.shapes).boundedTo(d.page);
        const QString emf = dir.filePath(QString::fromLatin1(d.name) + QStringLiteral(".emf"));
        ASSERT_TRUE(writeDrawing(emf, d.shapes, d.page, 200, extent).ok());
        EXPECT_LT(differingShare(playBack(emf, extent), page.copy(QRect(QPoint(0, 0), extent))),
                  0.03);
    }
}

} // namespace
