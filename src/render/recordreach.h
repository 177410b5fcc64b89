#pragma once

// Where painting a record may change pixels, so that a change to a few records repaints only
// the part of the page they cover.

#include "document/drawingattributes.h"
#include "render/paintoptions.h"

#include <QRect>
#include <QStringList>
#include <QStringView>

namespace qel {

// The rectangle through a figure's outline grown by what its pen and arrowheads may add, and by
// a selection frame's handles.
QRect grownByPen(const QRect& path, const PenState& pen, int arrow);

// True when the style field alone decides the style: no code out of range keeps what the
// canvas held.
bool styleStandsAlone(QStringView field);
// True when painting the stored record takes something from the record before it: it has no
// style field, or its field does not stand alone.
bool inheritsStyle(QStringView stored);

// A rectangle holding every pixel the stored record (state mark first) may change when
// painted: its box or points grown by its pen and arrowheads, a text's ink, a chart's rows.
// Backgrounds and records that take their style from the one before may reach anywhere
// (kEverywhere); a record that paints nothing gives an empty rectangle.
QRect recordReach(QStringView stored, const PaintOptions& options);

// The part of the page to repaint after the list changed from before to after: the reach of
// every line between their common beginning and common end, in both lists; kEverywhere when
// the header or the background changed or a record after the change takes its style from it.
QRect changedArea(const QStringList& before, const QStringList& after, const PaintOptions& options);

} // namespace qel
