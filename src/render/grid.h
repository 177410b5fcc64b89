#pragma once

#include "render/canvas.h"

#include <QRect>
#include <QSize>

namespace qel {

// The grid: a black pixel at every multiple of the step, starting at (step, step). A step of 0
// or less draws nothing. Only the dots inside area are set, when one is given.
void Grille(Canvas& canvas, QSize surface, int step, const QRect& area = kEverywhere);

} // namespace qel
