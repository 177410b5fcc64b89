#pragma once

// What the drawing surface shows: the page painted from some lines, the selection marks of some
// lines over it in not-xor, and what tools drew over both since. Knowing it, a change to a few
// records repaints only the part of the page they cover, with the same pixels as a whole repaint.

#include "document/drawingattributes.h"
#include "document/record.h"

#include <QImage>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>

namespace qel {

class Canvas;
class PictureCache;
class RecordCache;
class TextCache;

class ShownPage {
public:
    // What the page is painted with besides its lines.
    struct Look {
        DrawingStyle start; // the canvas style the records start from
        int gridStep = 0;   // 0 for no grid
        bool operator==(const Look&) const = default;
    };
    using SizeReport = std::function<void(const Box&)>;

    ShownPage();
    ~ShownPage();
    ShownPage(const ShownPage&) = delete;
    ShownPage& operator=(const ShownPage&) = delete;

    // Paints the whole page and the selection marks of `lines` on the surface; answers how many
    // records could not be drawn.
    int paintWhole(QImage& image, Canvas& canvas, const QStringList& lines, const Look& look,
                   const SizeReport& report);
    // Brings the surface to `lines`, repainting only where they paint differently from the lines
    // shown, or whole when that cannot be told (the page's size, look, header or background
    // changed, or a record takes its style from a changed one).
    int paintChanges(QImage& image, Canvas& canvas, const QStringList& lines, const Look& look,
                     const SizeReport& report);

    // The selection marks on the surface are now those of `lines` (a drag moved them).
    void marksDrawnFor(const QStringList& lines) { marked_ = lines; }
    // Something was drawn over the page inside `reach` (a rubber band); the next repaint
    // covers it.
    void drawnOver(const QRect& reach) { over_ |= reach; }

private:
    int paint(QImage& image, Canvas& canvas, const QStringList& lines, const Look& look,
              const SizeReport& report, const QRect* damaged);

    std::unique_ptr<PictureCache> pictures_;
    std::unique_ptr<TextCache> texts_;
    std::unique_ptr<RecordCache> records_;
    bool known_ = false; // whether the fields below describe the surface
    QStringList page_;
    QStringList marked_;
    Look look_;
    QSize size_;
    QRect over_;
};

} // namespace qel
