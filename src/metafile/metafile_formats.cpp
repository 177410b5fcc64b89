#include "metafile/metafile_formats.h"

#include <cmath>

namespace qel {

GdiPen gdiPen(std::uint32_t style, double width, Colour colour) {
    GdiPen p;
    const std::uint32_t kind = style & 0x0F;
    p.style = kind <= 6 ? int(kind) : 2; // user and alternate styles look dotted
    p.width = std::abs(width);
    p.cosmetic = width == 0;
    p.colour = colour & 0x00FFFFFF;
    return p;
}

GdiBrush gdiBrush(std::uint32_t style, Colour colour, std::uint32_t hatch) {
    switch (style) {
    case 1:
        return GdiBrush{1, kWhite};
    case 2:
        if (hatch <= 5) return GdiBrush{int(2 + hatch), colour & 0x00FFFFFF};
        return GdiBrush{0, colour & 0x00FFFFFF};
    case 0:
        return GdiBrush{0, colour & 0x00FFFFFF};
    default:
        return GdiBrush{0, 0x808080}; // pattern brushes without their pattern
    }
}

QImage sourcePart(const QImage& image, int x, int y, int w, int h, bool fromBottom) {
    if (image.isNull()) return {};
    if (w == 0 || h == 0) return image;
    // Wide arithmetic: the numbers come straight from the file.
    const std::int64_t width = std::abs(std::int64_t(w)), height = std::abs(std::int64_t(h));
    std::int64_t top = y;
    if (fromBottom) top = std::int64_t(image.height()) - y - height;
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t(x) + width, image.width());
    const std::int64_t first = std::max<std::int64_t>(top, 0);
    const std::int64_t last = std::min<std::int64_t>(top + height, image.height());
    if (left >= right || first >= last) return {};
    const QRect part(int(left), int(first), int(right - left), int(last - first));
    if (part == image.rect()) return image;
    return image.copy(part);
}

} // namespace qel
