#include "render/drawingoutput.h"

#include "document/drawing.h"
#include "document/record.h"
#include "document/shapelist.h"
#include "platform/drawingio.h"
#include "platform/files.h"
#include "render/ecran.h"
#include "render/metafile_canvas.h"
#include "render/vectorexport.h"

namespace qel {

OutputFormat outputFormatFor(const QString& path) {
    const QString upper = path.toUpper();
    if (upper.contains(QLatin1String(".BMP"))) return OutputFormat::Bmp;
    if (upper.contains(QLatin1String(".JPG"))) return OutputFormat::Jpeg;
    if (upper.contains(QLatin1String(".GIF"))) return OutputFormat::Gif;
    if (upper.contains(QLatin1String(".PNG"))) return OutputFormat::Png;
    if (upper.contains(QLatin1String(".WMF"))) return OutputFormat::Wmf;
    if (upper.contains(QLatin1String(".EMF"))) return OutputFormat::Emf;
    if (upper.contains(QLatin1String(".PDF"))) return OutputFormat::Pdf;
    if (upper.contains(QLatin1String(".SVG"))) return OutputFormat::Svg;
    return OutputFormat::Native;
}

bool isBitmapFormat(OutputFormat format) {
    return format == OutputFormat::Bmp || format == OutputFormat::Jpeg ||
           format == OutputFormat::Gif || format == OutputFormat::Png;
}

namespace {

// CvtMeta: the page painted into a recording canvas, which completes the metafile.
Outcome writeMetafile(const QString& path, const QStringList& shapeList, QSize page,
                      int enlargement, MetafileFormat format, QSize frame) {
    TEcran renderer;
    renderer.Init3(page.width(), page.height(), enlargement, shapeList);
    MetafileCanvas metafile(format, frame.expandedTo(QSize(1, 1)));
    renderer.paint(metafile);
    return metafile.save(path);
}

} // namespace

Outcome writeDrawing(const QString& path, QStringList& shapeList, QSize page, int enlargement,
                     QSize largestExtent, int scale) {
    ensureHeaderAndBackground(shapeList, page.width(), page.height());
    const OutputFormat format = outputFormatFor(path);
    if (scale != 1 && !isBitmapFormat(format))
        return writeFailure(path,
                            QStringLiteral("l'échelle ne s'applique qu'aux images BMP, JPEG, GIF "
                                           "et PNG"));
    switch (format) {
    case OutputFormat::Bmp:
    case OutputFormat::Jpeg:
    case OutputFormat::Gif:
    case OutputFormat::Png:
        return exportPicture(shapeList, page.width(), page.height(), enlargement, path, nullptr,
                             scale);
    case OutputFormat::Wmf:
        return writeMetafile(path, shapeList, page, enlargement, MetafileFormat::Wmf, page);
    case OutputFormat::Emf:
        // An enhanced metafile is framed by the drawing's largest extent, not by the page.
        return writeMetafile(path, shapeList, page, enlargement, MetafileFormat::Emf,
                             largestExtent);
    case OutputFormat::Pdf:
        return writePdf(path, shapeList, page);
    case OutputFormat::Svg:
        return writeSvg(path, shapeList, page);
    case OutputFormat::Native:
        break;
    }
    shapeList[0] = headerLine(page.width(), page.height());
    return saveDrawingFile(path, shapeList);
}

QString nativeFileName(const QString& path) {
    return path.contains(u'.') ? path : path + QStringLiteral(".drf");
}

Outcome saveDrawing(Drawing& drawing, const QString& path, int enlargement, int scale) {
    // Files hold the drawing without selection marks.
    drawing.apply(clearSelectionMarks, Drawing::Effect::Selection);
    QStringList lines = drawing.lines();
    // Only an enhanced metafile needs the extent, which reads every record.
    const QSize extent =
        outputFormatFor(path) == OutputFormat::Emf ? largestExtentOf(lines) : QSize();
    const Outcome written = writeDrawing(path, lines, drawing.page(), enlargement, extent, scale);
    if (written.ok()) drawing.markSaved();
    return written;
}

} // namespace qel
