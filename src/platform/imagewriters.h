#pragma once

// Picture files written from a painted page: 24-bit BMP, baseline JPEG at quality 90, and GIF
// on a fixed 216-colour palette. Each writer encodes in memory, then replaces the file in one
// step, so a failure never destroys a file that was already there.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qel {

struct WriteResult {
    bool ok = false;
    QString
        error; // French, names the file and the reason, e.g. "Impossible d'écrire « a.bmp » : …"
};

WriteResult writeBmp(const QImage& image, const QString& path);
WriteResult writeJpeg(const QImage& image, const QString& path);
WriteResult writeGif(const QImage& image, const QString& path);

// The encoders by themselves; on failure they return false and say why in French.
bool encodeBmp(const QImage& image, QByteArray& out, QString& reason);
bool encodeJpeg(const QImage& image, QByteArray& out, QString& reason);
bool encodeGif(const QImage& image, QByteArray& out, QString& reason);

// The GIF palette index of a colour: each component becomes the level (c + 3) / 51, 0 to 5, and
// the index is 36 red + 6 green + blue levels; entry (r, g, b) of the palette is (51r, 51g, 51b).
inline int gifPaletteIndex(int red, int green, int blue) {
    return 36 * ((red + 3) / 51) + 6 * ((green + 3) / 51) + (blue + 3) / 51;
}

// Replaces the file at path with bytes through a temporary file in the same folder. A file that
// exists and is read-only is left alone and reported.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// The failure for a file whose content could not be made.
WriteResult writeFailure(const QString& path, const QString& reason);

} // namespace qel
