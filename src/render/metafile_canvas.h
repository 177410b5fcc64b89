#pragma once

#include "document/outcome.h"
#include "render/canvas.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace qel {

class MetafileWriter;

enum class MetafileFormat { Emf, Wmf };

// A canvas that records what is drawn on it as metafile records, so that exported pictures keep
// their vector nature: an arc stays an arc, text stays text.
//
// Coordinates are pixels at 96 per inch. An enhanced metafile's frame is the size given at
// construction; a Windows metafile carries a placeable header whose box is that size at 96 units
// per inch. Font sizes in points become a character height of round(points * 96 / 72) pixels,
// the rule the screen canvas follows.
class MetafileCanvas : public Canvas {
public:
    MetafileCanvas(MetafileFormat format, QSize size);
    ~MetafileCanvas() override;

    // Ends the recording (if not ended yet) and writes the file atomically.
    Outcome save(const QString& path);
    // Ends the recording (if not ended yet) and answers the file's bytes.
    QByteArray bytes();

    QSize size() const override;
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
    void setPixel(int x, int y, Colour c) override;
    Colour pixel(int x, int y) const override;
    void stretchDraw(int left, int top, int right, int bottom, const QImage& picture) override;
    void whiteness(int left, int top, int right, int bottom) override;

private:
    std::unique_ptr<MetafileWriter> writer_;
    QSize size_;
};

// The font a canvas font state stands for, sized in pixels at 96 per inch.
QFont metafileFont(const FontState& font);

} // namespace qel
