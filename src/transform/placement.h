#pragma once

// Placing the selection by numbers and by the grid.

#include "transform/moveresize.h"

#include <QStringList>

namespace qel {

// Every selected record moved by (dx, dy), or none when one of them would leave the fields.
bool moveSelection(QStringList& lines, int dx, int dy);
// Every selected record grown by (dw, dh) at its lower right corner, or none when one of them
// cannot be.
bool resizeSelection(QStringList& lines, int dw, int dh, const TextMeasure& measure);

// How far v is from the nearest multiple of the step within the fields (a tie goes forward).
int gridOffset(int v, int step);
// Each selected record's top-left corner goes to the nearest grid line; answers how many could
// not move.
int alignToGrid(QStringList& lines, int step);

} // namespace qel
