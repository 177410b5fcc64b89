#pragma once

#include "render/outlinechain.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace qel {

// One-pixel lines as the platform draws them: each segment leaves out its last pixel, so the
// joins of a polyline are drawn once and a not-xor polyline drawn twice leaves no trace. A
// segment lights the same pixels whichever way it runs (ties break towards the end that comes
// first left to right, then top to bottom). Dash patterns run on across the segments.
class ThinLine {
public:
    // Starts a figure: dash is a list of on and off runs (null for solid); pixels outside clip
    // are never reported, but still count for the dashes.
    void begin(const int* dash, int dashLength, const QRect& clip);
    // Appends the pixels from a towards b, without b, that the dashes leave on.
    void segment(QPoint a, QPoint b, PixelChain& out);

    // The same pixels written straight into a 32-bit image whose rectangle is the clip.
    struct Target {
        uchar* bits;
        qsizetype stride;
        QRgb colour;
        bool notXor;
    };
    void segment(QPoint a, QPoint b, const Target& target);

private:
    void skip(long long pixels);
    template <typename Put> void walk(QPoint a, QPoint b, Put put);

    const int* dash_ = nullptr;
    int dashLength_ = 0;
    int period_ = 0;
    int run_ = 0;  // index of the current dash run; even runs are drawn
    int left_ = 0; // pixels left in the current run
    QRect clip_;
};

} // namespace qel
