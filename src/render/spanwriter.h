#pragma once

#include "render/outlinechain.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace qel {

// Writes spans into a 32-bit image, clipped to clip (which lies inside the image): solid runs,
// or only the pixels of an 8 x 8 hatch (see hatchRows), copied or not-xored. Not-xor with a
// hatch inverts the gaps as well, as Qt's raster operation does with a pattern's transparent
// pixels.
void writeSpans(QImage& image, const QRect& clip, const std::vector<Span>& spans, QRgb colour,
                const std::uint8_t* hatch, bool notXor);

// The same with a square hatch tile of any size (`tile` bytes a row, 1 where it draws; see
// hatchTile), anchored at the image's origin.
void writeTiledSpans(QImage& image, const QRect& clip, const std::vector<Span>& spans, QRgb colour,
                     const std::vector<std::uint8_t>& ink, int tile, bool notXor);

} // namespace qel
