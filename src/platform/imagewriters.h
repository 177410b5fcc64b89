#pragma once

// Picture files written from a painted page: 24-bit BMP, baseline JPEG at quality 90, GIF
// on a fixed 216-colour palette, and PNG with the BMP's pixels. Each writer encodes in memory, then
// replaces the file in one step, so a failure never destroys a file that was already there.

#include "platform/files.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qel {

Outcome writeBmp(const QImage& image, const QString& path);
Outcome writeJpeg(const QImage& image, const QString& path);
Outcome writeGif(const QImage& image, const QString& path);
Outcome writePng(const QImage& image, const QString& path);

// The encoders by themselves; a failure says why in French.
Outcome encodeBmp(const QImage& image, QByteArray& out);
Outcome encodeJpeg(const QImage& image, QByteArray& out);
Outcome encodeGif(const QImage& image, QByteArray& out);
Outcome encodePng(const QImage& image, QByteArray& out);

// The GIF palette index of a colour: each component becomes the level (c + 3) / 51, 0 to 5, and
// the index is 36 red + 6 green + blue levels; entry (r, g, b) of the palette is (51r, 51g, 51b).
inline int gifPaletteIndex(int red, int green, int blue) {
    return 36 * ((red + 3) / 51) + 6 * ((green + 3) / 51) + (blue + 3) / 51;
}

} // namespace qel
