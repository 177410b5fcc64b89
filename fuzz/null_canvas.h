#pragma once

#include "render/canvas.h"

namespace qel {

// A canvas that draws nothing: the fuzz targets exercise the decoding, not the rasteriser.
class NullCanvas : public Canvas {
public:
    QSize size() const override { return QSize(200, 200); }
    void line(QPoint, QPoint) override {}
    void polyline(const QPoint*, int) override {}
    void polygon(const QPoint*, int) override {}
    void rectangle(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void roundRect(int, int, int, int, int, int) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void chord(int, int, int, int, int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void textOut(int, int, const QString&) override {}
    QSize textExtent(const QString& text) override { return QSize(8 * int(text.size()), 16); }
    void setPixel(int, int, Colour) override {}
    Colour pixel(int, int) const override { return kWhite; }
    void stretchDraw(int, int, int, int, const QImage& picture) override {
        // Touch every pixel so that a bad decode shows up under the sanitizers.
        volatile unsigned sum = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                sum = sum + picture.pixel(x, y);
    }
    void whiteness(int, int, int, int) override {}
};

} // namespace qel
