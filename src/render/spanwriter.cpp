#include "render/spanwriter.h"

#include <algorithm>

namespace qel {

void writeSpans(QImage& image, const std::vector<Span>& spans, QRgb colour,
                const std::uint8_t* hatch, bool notXor) {
    const int w = image.width(), h = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const QRgb flip = ~colour; // not-xor: ~(colour ^ px) == px ^ ~colour
    for (const Span& s : spans) {
        if (s.y < 0 || s.y >= h) continue;
        const int x0 = std::max(s.x0, 0), x1 = std::min(s.x1, w - 1);
        if (x0 > x1) continue;
        QRgb* row = reinterpret_cast<QRgb*>(bits + s.y * stride);
        if (hatch) {
            const unsigned bitsOfRow = hatch[s.y & 7];
            if (notXor) // Qt's raster op inverts the gaps too, from a transparent source
                for (int x = x0; x <= x1; ++x)
                    row[x] ^= (bitsOfRow >> (x & 7) & 1u) ? flip : 0x00FFFFFFu;
            else
                for (int x = x0; x <= x1; ++x)
                    if (bitsOfRow >> (x & 7) & 1u) row[x] = colour;
        } else if (notXor) {
            for (int x = x0; x <= x1; ++x)
                row[x] ^= flip;
        } else {
            std::fill(row + x0, row + x1 + 1, colour);
        }
    }
}

} // namespace qel
