#include "render/drawingoutput.h"

#include "document/record.h"
#include "document/shapelist.h"

namespace qel {

OutputFormat outputFormatFor(const QString& path) {
    const QString upper = path.toUpper();
    if (upper.contains(QLatin1String(".BMP"))) return OutputFormat::Bmp;
    if (upper.contains(QLatin1String(".JPG"))) return OutputFormat::Jpeg;
    if (upper.contains(QLatin1String(".GIF"))) return OutputFormat::Gif;
    if (upper.contains(QLatin1String(".WMF"))) return OutputFormat::Wmf;
    if (upper.contains(QLatin1String(".EMF"))) return OutputFormat::Emf;
    return OutputFormat::Native;
}

FileResult writeDrawing(const QString& path, QStringList& shapeList, QSize page, int enlargement,
                        QSize largestExtent) {
    Q_UNUSED(enlargement);
    Q_UNUSED(largestExtent);
    switch (outputFormatFor(path)) {
    case OutputFormat::Native:
        break;
    default:
        return {false, fileErrorMessage(QStringLiteral("Impossible d'enregistrer"), path,
                                        QStringLiteral("format d'image non pris en charge"))};
    }
    ensureHeaderAndBackground(shapeList, page.width(), page.height());
    shapeList[0] = headerLine(page.width(), page.height());
    return saveDrawingFile(path, shapeList);
}

} // namespace qel
