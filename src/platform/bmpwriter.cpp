#include "platform/imagewriters.h"

#include <QtEndian>

namespace qel {

namespace {

void put16(char*& p, quint16 v) {
    qToLittleEndian(v, p);
    p += 2;
}

void put32(char*& p, quint32 v) {
    qToLittleEndian(v, p);
    p += 4;
}

} // namespace

Outcome encodeBmp(const QImage& image, QByteArray& out) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        return Outcome::failed(QStringLiteral("image vide"));
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const qint64 w = rgb.width(), h = rgb.height();
    const qint64 stride = (w * 3 + 3) / 4 * 4; // rows are padded to four bytes
    const qint64 headers = 14 + 40;
    const qint64 total = headers + stride * h;
    if (total > 0x7FFFFFFF) {
        return Outcome::failed(QStringLiteral("image trop grande pour le format BMP"));
    }
    out = QByteArray(total, '\0');
    char* p = out.data();
    *p++ = 'B';
    *p++ = 'M';
    put32(p, quint32(total));
    put32(p, 0);
    put32(p, quint32(headers));
    put32(p, 40);
    put32(p, quint32(w));
    put32(p, quint32(h)); // positive height: rows stored bottom-up
    put16(p, 1);
    put16(p, 24);
    put32(p, 0); // no compression
    put32(p, quint32(stride * h));
    put32(p, 3780); // 96 dpi
    put32(p, 3780);
    put32(p, 0);
    put32(p, 0);
    for (qint64 y = 0; y < h; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(h - 1 - y)));
        uchar* row = reinterpret_cast<uchar*>(out.data() + headers + y * stride);
        for (qint64 x = 0; x < w; ++x) {
            *row++ = uchar(qBlue(src[x]));
            *row++ = uchar(qGreen(src[x]));
            *row++ = uchar(qRed(src[x]));
        }
    }
    return Outcome::done();
}

Outcome writeBmp(const QImage& image, const QString& path) {
    QByteArray bytes;
    if (const Outcome encoded = encodeBmp(image, bytes); !encoded.ok())
        return writeFailure(path, encoded.message());
    return writeFileAtomically(path, bytes);
}

} // namespace qel
