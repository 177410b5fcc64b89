#pragma once

#include "render/outlinechain.h"

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace qel {

// Pixels covered by a round pen wider than one pixel: the union of the pen's disc stamped on
// every pixel of the centre path. Each covered pixel is reported once, so a not-xor stroke drawn
// twice leaves no trace, and the work is a few byte writes per path pixel instead of a stroked
// outline and a general polygon fill.
class WideStroke {
public:
    // Starts a stroke of the given width (2 or more); pixels outside clip are never reported.
    void begin(int width, const QRect& clip);
    // The straight pixel path from a to b, both ends included (round caps cover both).
    void line(QPoint a, QPoint b);
    // Every pixel of a contiguous chain.
    void chain(const QPoint* points, std::size_t count);
    // The covered pixels, row by row, each row's runs left to right.
    void spans(std::vector<Span>& out);
    // Paints the covered pixels in one colour straight into 32-bit pixels whose rectangle holds
    // the clip; some pixels are written more than once, which only copying allows.
    void paint(uchar* bits, qsizetype bytesPerLine, QRgb colour);

    // How far the disc reaches before (left, up) and after (right, down) its centre pixel: even
    // widths reach one pixel further before, as a centred outline through pixel corners does.
    static int reachBefore(int width) { return width / 2; }
    static int reachAfter(int width) { return (width - 1) / 2; }

    // A row's reach, first and last pixel.
    struct Extent {
        int lo, hi;
    };

private:
    void add(QPoint p);
    bool bounds(int& x0, int& y0, int& x1, int& y1) const;
    template <typename Row> void cover(int x0, int y0, int x1, int y1, Row row);

    int width_ = 2;
    QRect clip_;
    std::vector<QPoint> centres_;
    std::vector<std::uint64_t> mask_;
    std::vector<Extent> disc_; // per disc row, offsets from the centre
    std::vector<Extent> rows_; // per mask row, the current run's extent
};

} // namespace qel
