#include "render/spanwriter.h"

#include <algorithm>

namespace qel {

void writeSpans(QImage& image, const QRect& clip, const std::vector<Span>& spans, QRgb colour,
                const std::uint8_t* hatch, bool notXor) {
    const QRect area = clip & image.rect();
    if (area.isEmpty()) return;
    const int top = area.top(), bottom = area.bottom(), left = area.left(), right = area.right();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const QRgb flip = ~colour; // not-xor: ~(colour ^ px) == px ^ ~colour
    for (const Span& s : spans) {
        if (s.y < top || s.y > bottom) continue;
        const int x0 = std::max(s.x0, left), x1 = std::min(s.x1, right);
        if (x0 > x1) continue;
        QRgb* row = reinterpret_cast<QRgb*>(bits + s.y * stride);
        if (hatch && !notXor) {
            // Only the pattern's pixels are stored, column class by column class: no reads and
            // no branch per pixel.
            const unsigned bitsOfRow = hatch[s.y & 7] & 0xFFu;
            if (bitsOfRow == 0xFFu) {
                std::fill(row + x0, row + x1 + 1, colour);
                continue;
            }
            for (unsigned b = bitsOfRow; b; b &= b - 1) {
                const int k = __builtin_ctz(b);
                for (int x = x0 + ((k - x0) & 7); x <= x1; x += 8)
                    row[x] = colour;
            }
        } else if (hatch) {
            // Qt's raster op inverts the gaps too, from a transparent source. The pattern
            // repeats every 8 pixels, so aligned groups of 8 run without a branch.
            const unsigned bitsOfRow = hatch[s.y & 7];
            QRgb put[8];
            for (int k = 0; k < 8; ++k)
                put[k] = (bitsOfRow >> k & 1u) ? flip : 0x00FFFFFFu;
            int x = x0;
            for (; x <= x1 && (x & 7); ++x)
                row[x] ^= put[x & 7];
            for (; x + 7 <= x1; x += 8)
                for (int k = 0; k < 8; ++k)
                    row[x + k] ^= put[k];
            for (; x <= x1; ++x)
                row[x] ^= put[x & 7];
        } else if (notXor) {
            for (int x = x0; x <= x1; ++x)
                row[x] ^= flip;
        } else {
            std::fill(row + x0, row + x1 + 1, colour);
        }
    }
}

void writeTiledSpans(QImage& image, const QRect& clip, const std::vector<Span>& spans, QRgb colour,
                     const std::vector<std::uint8_t>& ink, int tile, bool notXor) {
    const QRect area = clip & image.rect();
    if (area.isEmpty() || tile <= 0) return;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const QRgb flip = ~colour;
    for (const Span& s : spans) {
        if (s.y < area.top() || s.y > area.bottom()) continue;
        const int x0 = std::max(s.x0, area.left()), x1 = std::min(s.x1, area.right());
        if (x0 > x1) continue;
        QRgb* row = reinterpret_cast<QRgb*>(bits + s.y * stride);
        const std::uint8_t* pattern = ink.data() + std::size_t(s.y % tile) * std::size_t(tile);
        if (notXor) {
            int k = x0 % tile;
            for (int x = x0; x <= x1; ++x) {
                row[x] ^= pattern[k] ? flip : 0x00FFFFFFu; // the gaps invert too, as Qt's do
                if (++k == tile) k = 0;
            }
            continue;
        }
        // Only the pattern's pixels are stored, column class by column class; most rows of a
        // hatch hold a pixel or two of each tile, some none, some all.
        const std::uint8_t* end = pattern + tile;
        if (std::find(pattern, end, 1) == end) continue;
        if (std::find(pattern, end, 0) == end) {
            std::fill(row + x0, row + x1 + 1, colour);
            continue;
        }
        for (int k = 0; k < tile; ++k) {
            if (!pattern[k]) continue;
            for (int x = x0 + ((k - x0 % tile) + tile) % tile; x <= x1; x += tile)
                row[x] = colour;
        }
    }
}

} // namespace qel
