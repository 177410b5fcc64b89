#include "render/metafile_image.h"

#include "platform/metafile_reader.h"
#include "render/metafile_player.h"
#include "render/painter_canvas.h"

#include <QFile>

namespace qel {

std::optional<QImage> renderMetafile(const QByteArray& bytes, QSize* nativeSize, QString* error) {
    const std::optional<Metafile> file = readMetafile(bytes, error);
    if (!file) return std::nullopt;
    const QSize native = metafileNativeSize(*file);
    const QSize size = pictureSizeFor(native);
    if (size.isEmpty()) {
        if (error) *error = QStringLiteral("picture too thin to show");
        return std::nullopt;
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        if (error) *error = QStringLiteral("out of memory");
        return std::nullopt;
    }
    image.fill(Qt::white);
    {
        PainterCanvas canvas(image);
        playMetafile(*file, canvas, QRect(QPoint(0, 0), size));
    }
    if (nativeSize) *nativeSize = native;
    return image;
}

std::optional<QImage> renderMetafileFile(const QString& path, QSize* nativeSize, QString* message) {
    MetafileLimits limits;
    QFile f(path);
    std::optional<QImage> image;
    if (f.open(QIODevice::ReadOnly) && f.size() <= qint64(limits.maxBytes))
        image = renderMetafile(f.readAll(), nativeSize);
    if (!image && message) *message = unreadablePictureMessage(path);
    return image;
}

} // namespace qel
