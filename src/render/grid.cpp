#include "render/grid.h"

#include <algorithm>

namespace qel {

void Grille(Canvas& canvas, QSize surface, int step, const QRect& area) {
    if (step <= 0) return;
    // Dots past the surface would be clipped anyway; the loops stop at its edge.
    auto firstFrom = [step](int edge) {
        return edge <= step ? step : (edge + step - 1) / step * step;
    };
    const int x0 = firstFrom(area.left()), y0 = firstFrom(area.top());
    const int x1 = std::min(surface.width() - 1, area.right());
    const int y1 = std::min(surface.height() - 1, area.bottom());
    for (int x = x0; x <= x1; x += step)
        for (int y = y0; y <= y1; y += step)
            canvas.setPixel(x, y, kBlack);
}

} // namespace qel
