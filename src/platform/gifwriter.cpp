#include "platform/imagewriters.h"

#include <array>
#include <gif_lib.h>
#include <vector>

namespace qel {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
    return count;
}

QString gifReason(int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("échec de l'encodage GIF (%1)")
        .arg(text ? QString::fromLatin1(text) : QString::number(code));
}

} // namespace

Outcome encodeGif(const QImage& image, QByteArray& out) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        return Outcome::failed(QStringLiteral("image vide"));
    }
    if (image.width() > 0xFFFF || image.height() > 0xFFFF) {
        return Outcome::failed(QStringLiteral("image trop grande pour le format GIF"));
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::array<int, 256> level{};
    for (int c = 0; c < 256; ++c)
        level[c] = (c + 3) / 51;

    // 216 colours, padded with black to the 256 entries of an 8-bit colour map.
    std::array<GifColorType, 256> colours{};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours[36 * r + 6 * g + b] = {GifByteType(51 * r), GifByteType(51 * g),
                                               GifByteType(51 * b)};

    out.clear();
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    if (!gif) {
        return Outcome::failed(gifReason(error));
    }
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, rgb.width(), rgb.height(), 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(std::size_t(rgb.width()));
    for (int y = 0; ok && y < rgb.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            row[std::size_t(x)] = GifPixelType(36 * level[qRed(src[x])] +
                                               6 * level[qGreen(src[x])] + level[qBlue(src[x])]);
        ok = EGifPutLine(gif, row.data(), rgb.width()) == GIF_OK;
    }
    if (!ok) error = gif->Error;
    GifFreeMapObject(map);
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        ok = false;
        error = closeError;
    }
    return ok ? Outcome::done() : Outcome::failed(gifReason(error));
}

Outcome writeGif(const QImage& image, const QString& path) {
    QByteArray bytes;
    if (const Outcome encoded = encodeGif(image, bytes); !encoded.ok())
        return writeFailure(path, encoded.message());
    // A picture of a drawing can be made again: no wait for the disk.
    return writeFileAtomically(path, bytes, QStringLiteral("Impossible d'écrire"),
                               Durability::Cached);
}

} // namespace qel
