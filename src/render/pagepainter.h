#pragma once

// A page painted as the drawing window shows it and as the picture exports write it: white,
// the grid, then every record from the background on. The page is cut into horizontal bands
// painted at once, one per core, each band walking every record with a canvas of its own, so
// pen, brush and font pass from record to record exactly as in one pass; the pixels are those
// of a single RecordPainter pass over the whole page. Lines painted again (with options.records
// kept) are painted from the index the first pass noted (render/pageindex.h): each band then
// visits only the records that may reach it.

#include "document/drawingattributes.h"
#include "render/paintoptions.h"

#include <QImage>
#include <QRect>
#include <QStringList>
#include <optional>
#include <vector>

namespace qel {

struct PagePaint {
    // White first, as the window's repaint clears its surface.
    bool clearWhite = true;
    // Grid dots under the records, every gridStep pixels; 0 for none.
    int gridStep = 0;
    // Only this part of the page is painted: records that cannot reach it are passed over (but
    // still pass their style on), the others are clipped to it.
    std::optional<QRect> damaged;
    // The canvas style the records start from; a new canvas's when absent.
    std::optional<DrawingStyle> startStyle;
    // Bands painted at once; 0 for one per core (at least 2, at most 8).
    int threads = 0;
    // Filled in when given: the canvas style after the last record, as one pass leaves it.
    DrawingStyle* endStyle = nullptr;
    // Filled in when given, for benchmarks: the processor time each band took, in nanoseconds.
    std::vector<qint64>* bandTimes = nullptr;
};

// Paints the lines from index 1 on (skipping "BLANK") into target and answers how many records
// could not be drawn. A target with a device pixel ratio holds that many pixels per page pixel;
// everything else (options, damaged part, grid) stays in page pixels. options.reportSize, if set,
// hears every record once, on the calling thread. Without caches in options, the page uses its own
// for this painting.
int paintPage(QImage& target, const QStringList& lines, const PaintOptions& options,
              const PagePaint& what = {});

} // namespace qel
