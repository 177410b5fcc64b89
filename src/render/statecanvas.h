#pragma once

#include "render/canvas.h"

namespace qel {

// A canvas that only keeps pen, brush and font, with the platform rules of a real one. The
// background dialogs build a style on it and paint their previews on image canvases.
class StateCanvas : public Canvas {
public:
    QSize size() const override { return {}; }
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
    QSize textExtent(const QString&) override { return {}; }
    void setPixel(int, int, Colour) override {}
    Colour pixel(int, int) const override { return kWhite; }
    void stretchDraw(int, int, int, int, const QImage&) override {}
    void whiteness(int, int, int, int) override {}
};

} // namespace qel
