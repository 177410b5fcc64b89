#pragma once

// Writing metafile records: one implementation per file format, built on libUEMF's record
// builders. The caller decides what to draw; a writer turns it into records and keeps the
// selected pen, brush and font objects in step with the state it is given.

#include "document/drawingattributes.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

namespace qel {

enum class ArcKind { Arc, Chord };

class MetafileWriter {
public:
    virtual ~MetafileWriter() = default;

    // Make these the selected objects, creating new ones (and deleting the replaced ones) only
    // when they differ from what is selected.
    virtual void usePen(const PenState& pen) = 0;
    virtual void useBrush(const BrushState& brush) = 0;
    virtual void useFont(const FontState& font) = 0;
    // Transparent text background, or opaque in `colour`.
    virtual void useTextBackground(bool opaque, Colour colour) = 0;

    virtual void line(QPoint from, QPoint to) = 0;
    virtual void poly(const QPoint* points, int count, bool closed) = 0;
    virtual void rectangle(const QRect& box) = 0; // box given as left, top, right, bottom
    virtual void ellipse(const QRect& box) = 0;
    virtual void roundRect(const QRect& box, int cornerWidth, int cornerHeight) = 0;
    virtual void arc(ArcKind kind, const QRect& box, QPoint start, QPoint end) = 0;
    virtual void text(QPoint at, const QString& text, const std::vector<int>& advances) = 0;
    virtual void pixel(QPoint at, Colour colour) = 0;
    virtual void picture(const QRect& box, const QImage& picture) = 0;
    virtual void whiteness(const QRect& box) = 0;

    // Deletes the remaining objects, writes the end record and answers the whole file.
    virtual QByteArray finish() = 0;
};

std::unique_ptr<MetafileWriter> makeEmfWriter(QSize size);
std::unique_ptr<MetafileWriter> makeWmfWriter(QSize size);

// The pixel rows of a 24-bit bottom-up DIB of the picture.
struct Dib24 {
    QByteArray pixels;
};
Dib24 makeDib24(const QImage& picture);

// Pen and brush style codes of the canvas as GDI styles.
int gdiPenStyle(int canvasStyle);

} // namespace qel
