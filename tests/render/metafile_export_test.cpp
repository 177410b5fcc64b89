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
#include "support/pixels.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qel;

namespace {

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
        EXPECT_LT(qel::testing::clearlyDifferent(playBack(wmf, d.page), page, 64), 0.03);

        // The enhanced metafile is framed by the drawing's extent, not by the page.
        const QSize extent = largestExtentOf(d.shapes).boundedTo(d.page);
        const QString emf = dir.filePath(QString::fromLatin1(d.name) + QStringLiteral(".emf"));
        ASSERT_TRUE(writeDrawing(emf, d.shapes, d.page, 200, extent).ok());
        EXPECT_LT(qel::testing::clearlyDifferent(playBack(emf, extent),
                                                 page.copy(QRect({0, 0}, extent)), 64),
                  0.03);
    }
}

} // namespace
