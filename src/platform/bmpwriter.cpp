#include "platform/imagewriters.h"

#include <QtEndian>
#include <algorithm>

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

// The 24-bit picture piece by piece: the headers, then rows bottom-up, a few hundred
// kilobytes at a time, so that a page-sized picture is never held twice in memory.
bool streamBmp(const QImage& image, const ByteSink& sink, QString& failure) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        failure = QStringLiteral("image vide");
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const qint64 w = rgb.width(), h = rgb.height();
    const qint64 stride = (w * 3 + 3) / 4 * 4; // rows are padded to four bytes
    const qint64 headers = 14 + 40;
    const qint64 total = headers + stride * h;
    if (total > 0x7FFFFFFF) {
        failure = QStringLiteral("image trop grande pour le format BMP");
        return false;
    }
    char head[headers] = {};
    char* p = head;
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
    if (!sink(head, headers)) return true; // the sink knows why

    const qint64 rowsPerPiece = std::max<qint64>(1, (qint64(256) << 10) / stride);
    QByteArray piece(rowsPerPiece * stride, '\0'); // the padding stays zero
    for (qint64 y = 0; y < h;) {
        const qint64 rows = std::min(rowsPerPiece, h - y);
        for (qint64 r = 0; r < rows; ++r, ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(h - 1 - y)));
            uchar* row = reinterpret_cast<uchar*>(piece.data() + r * stride);
            for (qint64 x = 0; x < w; ++x) {
                *row++ = uchar(qBlue(src[x]));
                *row++ = uchar(qGreen(src[x]));
                *row++ = uchar(qRed(src[x]));
            }
        }
        if (!sink(piece.constData(), rows * stride)) return true;
    }
    return true;
}

} // namespace

Outcome encodeBmp(const QImage& image, QByteArray& out) {
    out.clear();
    QString failure;
    const bool made = streamBmp(
        image,
        [&](const char* data, qint64 size) {
            out.append(data, size);
            return true;
        },
        failure);
    return made ? Outcome::done() : Outcome::failed(failure);
}

Outcome writeBmp(const QImage& image, const QString& path) {
    // A picture of a drawing can be made again: no wait for the disk.
    return writeFileAtomically(
        path,
        [&](const ByteSink& sink, QString& failure) { return streamBmp(image, sink, failure); },
        QStringLiteral("Impossible d'écrire"), Durability::Cached);
}

} // namespace qel
