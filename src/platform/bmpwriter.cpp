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

constexpr qint64 kHeaders = 14 + 40;

qint64 rowBytes(const QImage& image) {
    return (qint64(image.width()) * 3 + 3) / 4 * 4; // rows are padded to four bytes
}

// Why the picture cannot be a BMP file; empty when it can.
QString bmpProblem(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return QStringLiteral("image vide");
    if (kHeaders + rowBytes(image) * image.height() > 0x7FFFFFFF)
        return QStringLiteral("image trop grande pour le format BMP");
    return {};
}

// The 24-bit picture piece by piece: the headers, then rows bottom-up, a few hundred
// kilobytes at a time, so that a page-sized picture is never held twice in memory.
bool streamBmp(const QImage& image, const ByteSink& sink) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const qint64 w = rgb.width(), h = rgb.height();
    const qint64 stride = rowBytes(rgb);
    const qint64 headers = kHeaders;
    const qint64 total = headers + stride * h;
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
    if (!sink(QByteArrayView(head, headers))) return false;

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
        if (!sink(QByteArrayView(piece.constData(), rows * stride))) return false;
    }
    return true;
}

} // namespace

Outcome encodeBmp(const QImage& image, QByteArray& out) {
    out.clear();
    if (const QString problem = bmpProblem(image); !problem.isEmpty())
        return Outcome::failed(problem);
    streamBmp(image, [&](QByteArrayView bytes) {
        out.append(bytes);
        return true;
    });
    return Outcome::done();
}

Outcome writeBmp(const QImage& image, const QString& path) {
    if (const QString problem = bmpProblem(image); !problem.isEmpty())
        return writeFailure(path, problem);
    // A picture of a drawing can be made again: no wait for the disk.
    return writeFileAtomically(
        path, [&](const ByteSink& sink) { return streamBmp(image, sink); },
        QStringLiteral("Impossible d'écrire"), Durability::Cached);
}

} // namespace qel
