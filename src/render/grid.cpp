#include "render/grid.h"

namespace qel {

void Grille(Canvas& canvas, QSize surface, int step) {
    if (step <= 0) return;
    // Dots past the surface would be clipped anyway; the loops stop at its edge.
    for (int x = step; x < surface.width(); x += step)
        for (int y = step; y < surface.height(); y += step)
            canvas.setPixel(x, y, kBlack);
}

} // namespace qel
