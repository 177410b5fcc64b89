#pragma once

#include "render/canvas.h"

#include <QRect>
#include <QStringView>

namespace qel {

// Paints a bar chart into its box from a chart payload, with the pen, font colour and font
// style the record's style field left on the canvas. Series stand side by side per category,
// each bar rising from the horizontal axis; a chart whose values are all 0 shows its frame,
// axes, labels and legend without bars. Leaves the brush solid white and the font Arial at
// the chart's size.
void DrawChart(Canvas& canvas, int left, int top, int right, int bottom, QStringView payload);

// Every row a chart with that sorted box and pen may paint in: labels may run out sideways, so
// the band spans every column, and rows above and below leave room for the labels under its
// axis and the pen. The painter skips a chart outside it; a change repaints it.
QRect chartReach(int top, int bottom, int penWidth);

// Leaves the canvas exactly as DrawChart would, without drawing: a chart out of sight still
// passes its pen, brush and font on to the records after it.
void chartLeavesCanvas(Canvas& canvas, int left, int top, int right, int bottom);

} // namespace qel
