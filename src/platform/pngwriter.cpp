#include "platform/imagewriters.h"

#include <QBuffer>
#include <QImageWriter>

namespace qel {

Outcome encodePng(const QImage& image, QByteArray& out) {
    out.clear();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return Outcome::failed(QStringLiteral("image vide"));
    // Opaque 8-bit channels, as the BMP holds them: the same pixels, no alpha channel.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(rgb)) {
        out.clear();
        return Outcome::failed(
            QStringLiteral("échec de l'encodage PNG (%1)").arg(writer.errorString()));
    }
    return Outcome::done();
}

Outcome writePng(const QImage& image, const QString& path) {
    QByteArray bytes;
    if (const Outcome encoded = encodePng(image, bytes); !encoded.ok())
        return writeFailure(path, encoded.message());
    // A picture of a drawing can be made again: no wait for the disk.
    return writeFileAtomically(path, bytes, QStringLiteral("Impossible d'écrire"),
                               Durability::Cached);
}

} // namespace qel
