#pragma once

// The marks of a selection on the surface: a dotted frame round each selected record with a
// small square at its eight handles, drawn in not-xor so that drawing them again erases them.

#include <QStringList>

namespace qel {

class Canvas;
struct Box;

// Above this many selected records one frame round the whole selection stands for them all:
// thousands of frames would hide the drawing and cost every step of a drag.
constexpr int kMaxSeparateFrames = 200;

// Draws (or, called a second time on the same lines, erases) the selection marks.
void Affsel(Canvas& canvas, const QStringList& lines);
// The frame and handles of one box as stored.
void RectSel(Canvas& canvas, const Box& box);

} // namespace qel
