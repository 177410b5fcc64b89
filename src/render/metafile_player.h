#pragma once

#include "metafile/metafile_reader.h"
#include "render/canvas.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <optional>

namespace qel {

// Draws a checked metafile on a canvas, scaled so that its frame (EMF) or its box or window
// (WMF) fills `target`. Unknown records are skipped; work is capped, so any file ends quickly.
void playMetafile(const Metafile& file, Canvas& canvas, const QRect& target);

// The size a metafile picture is rasterised at: above 21000 pixels of area both sides are
// divided by k = round(sqrt(w * h / 21000)) + 1 (halves to even), with integer division.
QSize pictureSizeFor(QSize native);

} // namespace qel
