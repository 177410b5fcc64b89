#include "render/background.h"

#include <algorithm>

namespace qel {

Colour gradientColour(Colour start, int step, int band) {
    const long long red = (long long)redOf(start) + (long long)step * band;
    return (start & 0xFFFF00u) | Colour(std::clamp(red, 0LL, 255LL));
}

namespace {

void gradient(Canvas& canvas, QSize surface, int step, BandHeight bands) {
    const int right = surface.width() - 1;
    const int bottom = surface.height() - 1;
    const int band = (bands == BandHeight::FromHeight ? surface.height() : bottom) / kGradientBands;
    const Colour start = canvas.pen().colour;
    int y = 0;
    for (int k = 0; k < kGradientBands; ++k) {
        const Colour c = gradientColour(start, step, k);
        canvas.setPenMode(PenMode::Copy);
        canvas.setBrushColour(c); // a clear brush turns solid here, as on the platform canvas
        canvas.setPenColour(c);
        // Each band paints down to the bottom and the next one covers its lower part.
        canvas.fillRect(0, y, right, bottom);
        y += band;
    }
}

} // namespace

void paintBackground(Canvas& canvas, QStringView keyword, QSize surface, BandHeight bands) {
    if (surface.isEmpty()) return;
    const int right = surface.width() - 1;
    const int bottom = surface.height() - 1;
    if (keyword == u"FILLRECT") {
        canvas.fillRect(0, 0, right, bottom);
    } else if (keyword == u"SHAPE") {
        // The pattern's lines first in the pen colour, then the pattern itself over them with
        // the page outline.
        const BrushState kept = canvas.brush();
        canvas.setBrushColour(canvas.pen().colour);
        canvas.fillRect(0, 0, right, bottom);
        canvas.setBrushColour(kept.colour);
        canvas.setBrushStyle(kept.style);
        canvas.rectangle(0, 0, right, bottom);
    } else if (keyword == u"COLOR") {
        gradient(canvas, surface, 5, bands);
    } else if (keyword == u"COLORU") {
        gradient(canvas, surface, -5, bands);
    }
}

} // namespace qel
