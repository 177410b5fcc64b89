#pragma once

#include "render/canvas.h"

#include <QSize>

namespace qel {

// The grid: a black pixel at every multiple of the step, starting at (step, step). A step of 0
// or less draws nothing.
void Grille(Canvas& canvas, QSize surface, int step);

} // namespace qel
