#include "render/metafile_image.h"

#include "metafile/metafile_reader.h"
#include "render/metafile_player.h"
#include "render/painter_canvas.h"

#include <QFile>

namespace qel {

RenderedMetafile renderMetafile(const QByteArray& bytes) {
    RenderedMetafile out;
    QString error;
    const std::optional<Metafile> file = readMetafile(bytes, &error);
    if (!file) {
        out.outcome = Outcome::failed(error);
        return out;
    }
    const QSize native = metafileNativeSize(*file);
    const QSize size = pictureSizeFor(native);
    if (size.isEmpty()) {
        out.outcome = Outcome::failed(QStringLiteral("picture too thin to show"));
        return out;
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        out.outcome = Outcome::failed(QStringLiteral("out of memory"));
        return out;
    }
    image.fill(Qt::white);
    {
        PainterCanvas canvas(image);
        playMetafile(*file, canvas, QRect(QPoint(0, 0), size));
    }
    out.image = std::move(image);
    out.nativeSize = native;
    return out;
}

RenderedMetafile renderMetafileFile(const QString& path) {
    MetafileLimits limits;
    QFile f(path);
    RenderedMetafile out;
    if (f.open(QIODevice::ReadOnly) && f.size() <= qint64(limits.maxBytes))
        out = renderMetafile(f.readAll());
    if (out.image.isNull()) out.outcome = Outcome::failed(unreadablePictureMessage(path));
    return out;
}

QString unreadablePictureMessage(const QString& fileName) {
    return QStringLiteral("Image illisible : %1").arg(fileName);
}

} // namespace qel
