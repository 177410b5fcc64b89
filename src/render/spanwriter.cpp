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
            // Per pixel: kept bits (keep) and the value xored into the rest (put), by x & 7.
            // The pattern repeats every 8 pixels, so aligned groups of 8 run without a branch.
            const unsigned bitsOfRow = hatch[s.y & 7];
            QRgb keep[8], put[8];
            for (int k = 0; k < 8; ++k) {
                const bool on = bitsOfRow >> k & 1u;
                if (notXor) { // Qt's raster op inverts the gaps too, from a transparent source
                    keep[k] = ~0u;
                    put[k] = on ? flip : 0x00FFFFFFu;
                } else {
                    keep[k] = on ? 0u : ~0u;
                    put[k] = on ? colour : 0u;
                }
            }
            auto one = [&](int x) { row[x] = (row[x] & keep[x & 7]) ^ put[x & 7]; };
            int x = x0;
            for (; x <= x1 && (x & 7); ++x)
                one(x);
            for (; x + 7 <= x1; x += 8)
                for (int k = 0; k < 8; ++k)
                    row[x + k] = (row[x + k] & keep[k]) ^ put[k];
            for (; x <= x1; ++x)
                one(x);
        } else if (notXor) {
            for (int x = x0; x <= x1; ++x)
                row[x] ^= flip;
        } else {
            std::fill(row + x0, row + x1 + 1, colour);
        }
    }
}

} // namespace qel
