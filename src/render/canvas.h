#pragma once

#include "document/colour.h"
#include "document/drawingattributes.h"
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace qel {

QColor toQColor(Colour c);
Colour fromQColor(const QColor& c);

// The drawing surface the record painters talk to. It keeps pen, brush and font the way the
// records expect them (giving a colour to a clear brush makes it solid; making a brush clear makes
// its colour white) and offers the operations the painters need. Coordinates are target pixels.
//
// Geometry rules shared by every implementation:
//  - rectangle, ellipse, roundRect and fillRect take the box (left, top, right, bottom) and
//    exclude its right column and bottom row, like the platform's GDI;
//  - arc and chord run counter-clockwise (as seen on screen) on the ellipse inscribed in the box,
//    from the ray through (x3, y3) to the ray through (x4, y4) from the box centre;
//  - text is written with its top-left corner at the point; its background is opaque in the
//    brush colour when the brush is solid (style 0) and transparent otherwise;
//  - drawing is aliased, so that a not-xor figure drawn twice leaves no trace.
// Larger than any surface: what a figure that cannot be bounded may reach.
inline const QRect kEverywhere(QPoint(-(1 << 28), -(1 << 28)), QPoint(1 << 28, 1 << 28));

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- state ---
    const PenState& pen() const { return pen_; }
    const BrushState& brush() const { return brush_; }
    const FontState& font() const { return font_; }

    void setPenColour(Colour c) { pen_.colour = c; }
    void setPenWidth(int w) { pen_.width = w; }
    void setPenStyle(int s) { pen_.style = s; }
    void setPenMode(PenMode m) { pen_.mode = m; }
    void setPen(const PenState& p) { pen_ = p; }

    // The platform rule: a colour given to a clear brush makes it solid.
    void setBrushColour(Colour c) {
        brush_.colour = c;
        if (brush_.style == 1) brush_.style = 0;
    }
    // The platform rule: a clear brush has a white colour.
    void setBrushStyle(int s) {
        brush_.style = s;
        if (s == 1) brush_.colour = kWhite;
    }
    // Sets both at once without the platform rules (used where a record asks for exactly this).
    void setBrush(const BrushState& b) { brush_ = b; }

    void setFont(const FontState& f) { font_ = f; }
    FontState& fontToChange() { return font_; }
    // The whole current style at once, exactly as given (no platform rule applies).
    DrawingStyle style() const { return {pen_, brush_, font_}; }
    void setStyle(const DrawingStyle& s) {
        pen_ = s.pen;
        brush_ = s.brush;
        font_ = s.font;
    }
    void setFontName(const QString& n) { font_.name = n; }
    void setFontSize(int points) { font_.size = points; }
    void setFontColour(Colour c) { font_.colour = c; }
    void setBold(bool on) { font_.bold = on; }
    void setItalic(bool on) { font_.italic = on; }
    void setUnderline(bool on) { font_.underline = on; }
    void setStrikeOut(bool on) { font_.strikeOut = on; }

    // --- geometry of the target ---
    virtual QSize size() const = 0;

    // --- drawing ---
    virtual void line(QPoint from, QPoint to) = 0;
    virtual void polyline(const QPoint* points, int count) = 0;
    virtual void polygon(const QPoint* points, int count) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                           int cornerHeight) = 0;
    virtual void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) = 0;
    virtual void chord(int left, int top, int right, int bottom, int x3, int y3, int x4,
                       int y4) = 0;
    // Fills the box with the brush only (no outline), right column and bottom row excluded.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    virtual void textOut(int x, int y, const QString& text) = 0;
    // Width and height of the text in the current font, in target pixels.
    virtual QSize textExtent(const QString& text) = 0;
    // A rectangle that holds every pixel textOut(x, y, text) would change with the current font
    // and brush; kEverywhere when the canvas cannot tell.
    virtual QRect textInk(int x, int y, const QString& text);
    virtual void setPixel(int x, int y, Colour c) = 0;
    // Targets that cannot be read back answer white.
    virtual Colour pixel(int x, int y) const = 0;
    // Stretches the picture onto the box (left, top)-(right, bottom), right and bottom excluded.
    virtual void stretchDraw(int left, int top, int right, int bottom, const QImage& picture) = 0;
    // Paints the box white whatever the pen and brush (the platform's whiteness raster copy).
    virtual void whiteness(int left, int top, int right, int bottom) = 0;

protected:
    PenState pen_;
    BrushState brush_;
    FontState font_;
};

} // namespace qel
