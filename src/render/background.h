#pragma once

#include "render/canvas.h"

#include <QSize>
#include <QStringView>

namespace qel {

// Gradient bands are this many, from top to bottom.
constexpr int kGradientBands = 50;

enum class BandHeight {
    FromHeight,  // H / 50: the drawing window and the background dialog's preview
    FromLastRow, // (H - 1) / 50: the page renderer's target rectangle
};

// The colour of gradient band `band` (0..49) from `start`, moving `step` (+5 or -5) per band.
// Only the red component moves, and it stops at 0 or 255: carrying into green would turn a red
// gradient near-black halfway down. A system-colour tag in the high byte is dropped first.
Colour gradientColour(Colour start, int step, int band);

// Paints a background on a surface of the given size. The record's style field has already
// been applied to the canvas. Fills exclude the surface's last column and row.
void paintBackground(Canvas& canvas, QStringView keyword, QSize surface,
                     BandHeight bands = BandHeight::FromHeight);

} // namespace qel
