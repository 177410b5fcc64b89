#include "render/ecran.h"

#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"

namespace qel {

void TEcran::Init3(int width, int height, int enlargement, const QStringList& shapeList) {
    // An export is painted at the drawing's own scale: no margins and no mapping.
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    enlargement_ = enlargement;
    renderList_ = shapeList;
}

void TEcran::paint(Canvas& canvas) {
    const QSize size = canvas.size();
    PictureCache pictures;
    const PaintOptions options = PaintOptions::page(size, &pictures);
    PaintState state;
    RecordPainter painter(canvas, options, state);
    skipped_ = painter.paintList(renderList_, 1);
}

void TEcran::CvtBmp(QImage& bitmap) {
    if (bitmap.isNull()) return;
    PainterCanvas canvas(bitmap);
    paint(canvas);
}

QImage TEcran::renderPage() {
    if (width_ <= 0 || height_ <= 0) return {};
    QImage page(width_, height_, QImage::Format_RGB32);
    if (page.isNull()) return {};
    page.fill(Qt::white);
    CvtBmp(page);
    return page;
}

} // namespace qel
