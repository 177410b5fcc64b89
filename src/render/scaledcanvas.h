#pragma once

#include "render/painter_canvas.h"

#include <QImage>
#include <QPainter>

namespace qel {

class TextCache;

// The canvas over an image of a whole number (2 or more) of pixels per page pixel: a window on a
// high-density screen, a scaled export. Coordinates, pen widths, sizes and areas are page
// pixels, as on any canvas; the figures are drawn at the image's own pixels by the same pixel
// writers as a page at one pixel per page pixel, their geometry scaled: a pen covers the image
// pixels of the page pixels it would cover, but a slanted edge steps by one image pixel; dashes
// and hatches keep their page spacing, and texts their page size.
class ScaledCanvas : public Canvas {
public:
    // The image's device pixel ratio is the scale.
    explicit ScaledCanvas(QImage& target);
    ScaledCanvas(const ScaledCanvas&) = delete;
    ScaledCanvas& operator=(const ScaledCanvas&) = delete;

    // Whether the image's ratio is a whole number above one, which this canvas paints.
    static bool paints(const QImage& target);

    QSize size() const override { return size_; }
    // As PainterCanvas::setArea, in page pixels.
    void setArea(const QRect& area);
    const QRect& area() const { return area_; }
    void setTextCache(TextCache* texts) { fast_.setTextCache(texts); }

    void line(QPoint from, QPoint to) override;
    void polyline(const QPoint* points, int count) override;
    void polygon(const QPoint* points, int count) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                   int cornerHeight) override;
    void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
    void chord(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const QString& text) override;
    QSize textExtent(const QString& text) override;
    QRect textInk(int x, int y, const QString& text) override;
    void setPixel(int x, int y, Colour c) override;
    Colour pixel(int x, int y) const override;
    void stretchDraw(int left, int top, int right, int bottom, const QImage& picture) override;
    void whiteness(int left, int top, int right, int bottom) override;

private:
    enum class Figure { Rect, Ellipse, Round };

    int penWidth() const;
    int offset() const;
    QPoint centre(QPoint p) const { return p * n_ + QPoint(offset(), offset()); }
    void toFast(const PenState& pen, const BrushState& brush);
    void fastPen();
    void closedFigure(Figure figure, int left, int top, int right, int bottom, int cornerWidth,
                      int cornerHeight);
    void curve(bool closed, int left, int top, int right, int bottom, int x3, int y3, int x4,
               int y4);

    // Held on the target while the canvas lives, as a PainterCanvas holds one: a copy of the
    // target is then a copy of its pixels, never a share that would leave the canvas writing
    // into the copy once the target detaches.
    QPainter holder_;
    int n_;
    QSize size_;
    QRect area_;
    QImage fastImage_; // the target's pixels, at one pixel per pixel
    PainterCanvas fast_;
    QImage probe_; // texts are measured in the page's own fonts
    PainterCanvas measure_;
    std::vector<QPoint> points_;
};

} // namespace qel
